#include "model/FormatNumber.h"

#include "platform/TextUtil.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

constexpr double kLog10Of2 = -0.3010299956537741;

/// The binary exponent of a double: its biased exponent bits minus 1023.
int BinaryExponent(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    return static_cast<int>((bits >> 52) & 0x7ff) - 1023;
}

int DecimalDigitsShift(double value) {
    return static_cast<int>(BinaryExponent(value) * kLog10Of2);
}

} // namespace

std::string FormatNumber(double value) {
    if (!std::isfinite(value))
        return Format("%f", value);
    const int width = value == 0.0 ? 1 : 1 - DecimalDigitsShift(value);
    const double fraction = std::fabs(value - std::floor(value));
    const int precision = fraction >= 1e-7 ? 3 - DecimalDigitsShift(1.0 / fraction) : 0;
    const bool exponentForm = width > 4 || width < -3;
    char format[32];
    std::snprintf(format, sizeof format, "%%%d.%d%s", width, precision, exponentForm ? "le" : "lf");
    return Format(format, value);
}
