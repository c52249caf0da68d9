#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>

using Clock = std::chrono::steady_clock;

/// How much to try: QUELTA_FUZZ_SEED, QUELTA_FUZZ_INPUTS (per target) and QUELTA_FUZZ_SECONDS
/// (per target, whichever ends first) from the environment, small defaults for every build.
/// The first `least` inputs are tried however long they take, so that a slow machine still
/// checks something.
struct SFuzzBudget {
    std::uint64_t seed = 18;
    std::uint64_t inputs = 0;
    double seconds = 0;
    std::uint64_t least = 0;

    SFuzzBudget(std::uint64_t defaultInputs, double defaultSeconds, std::uint64_t leastInputs)
        : inputs(defaultInputs), seconds(defaultSeconds), least(leastInputs) {
        if (const char* value = std::getenv("QUELTA_FUZZ_SEED"))
            seed = std::strtoull(value, nullptr, 10);
        if (const char* value = std::getenv("QUELTA_FUZZ_INPUTS"))
            inputs = std::strtoull(value, nullptr, 10);
        if (const char* value = std::getenv("QUELTA_FUZZ_SECONDS"))
            seconds = std::strtod(value, nullptr);
    }
    bool Continue(std::uint64_t index, Clock::time_point start) const {
        return index < inputs &&
               (index < least ||
                std::chrono::duration<double>(Clock::now() - start).count() < seconds);
    }
    /// The inputs a run tries at the least: the floor, or all of them when there are fewer.
    std::uint64_t Least() const { return std::min(least, inputs); }
};
