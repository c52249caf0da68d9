#pragma once

#include <cstdint>

/// The system's pseudo-random generator, the same on every platform: the state is multiplied by
/// 214013 and 2531011 is added (modulo 2^32); a draw is bits 16 to 30 of the new state, so
/// values run from 0 to CRand::Max. One state per thread, starting at 1 as the C library's
/// does, so that scenarios computed on several threads at once (the Banks set reseeds and
/// draws) each draw their own sequence.
class CRand {
public:
    static constexpr int Max = 32767;

    /// Restarts the sequence from a seed (srand).
    static void Seed(std::uint32_t seed) { State() = seed; }
    /// The next value, 0 to 32767 (rand).
    static int Next() {
        State() = State() * 214013u + 2531011u;
        return static_cast<int>((State() >> 16) & 0x7fffu);
    }

private:
    static std::uint32_t& State() {
        thread_local std::uint32_t state = 1;
        return state;
    }
};
