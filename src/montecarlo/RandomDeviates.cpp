#include "montecarlo/RandomDeviates.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr int kMultiplier = 16807;
constexpr int kModulus = 2147483647;
constexpr int kQuotient = 127773;
constexpr int kRemainder = 2836;
constexpr int kTableSize = 32;
constexpr int kDivisor = 1 + (kModulus - 1) / kTableSize;
constexpr double kLargest = 0.99999988;

/// What every caller of the generators shares.
struct SSharedDeviates {
    std::array<int, kTableSize> table{};
    int output = 0;
    bool filled = false;
    bool kept = false;
    double keptNormal = 0.0;
};

SSharedDeviates& Shared() {
    static SSharedDeviates shared;
    return shared;
}

/// One step of the minimal standard recurrence, without overflow (Schrage's method).
void Step(int& state) {
    const int k = state / kQuotient;
    state = kMultiplier * (state - k * kQuotient) - kRemainder * k;
    if (state < 0)
        state += kModulus;
}

void FillTable(int& state, SSharedDeviates& shared) {
    state = -state < 1 ? 1 : -state;
    for (int j = kTableSize + 7; j >= 0; --j) {
        Step(state);
        if (j < kTableSize)
            shared.table[static_cast<size_t>(j)] = state;
    }
    shared.output = shared.table[0];
    shared.filled = true;
}

} // namespace

double UniformDeviate(int& state) {
    SSharedDeviates& shared = Shared();
    if (state <= 0 || !shared.filled)
        FillTable(state, shared);
    Step(state);
    const auto j = static_cast<size_t>(shared.output / kDivisor);
    shared.output = shared.table[j];
    shared.table[j] = state;
    return std::min(static_cast<double>(shared.output) / kModulus, kLargest);
}

double NormalDeviate(int& state) {
    SSharedDeviates& shared = Shared();
    if (shared.kept) {
        shared.kept = false;
        return shared.keptNormal;
    }
    double a = 0.0;
    double b = 0.0;
    double r = 0.0;
    do {
        a = 2.0 * UniformDeviate(state) - 1.0;
        b = 2.0 * UniformDeviate(state) - 1.0;
        r = a * a + b * b;
    } while (r >= 1.0 || r == 0.0);
    const double f = std::sqrt(-2.0 * std::log(r) / r);
    shared.keptNormal = a * f;
    shared.kept = true;
    return b * f;
}

void ResetRandomDeviates() {
    Shared() = SSharedDeviates{};
}
