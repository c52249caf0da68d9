#include "document/InputLimits.h"

#include "model/FormatNumber.h"
#include "platform/TextUtil.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

/// The whole text as a finite number in the C locale; nothing for anything else.
std::optional<double> FiniteNumber(const std::string& text) {
    const std::string trimmed(Trim(text));
    if (trimmed.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(trimmed.c_str(), &end);
    if (end != trimmed.c_str() + trimmed.size() || errno == ERANGE || !std::isfinite(value))
        return std::nullopt;
    return value;
}

bool WithinLimits(double value, ENumberKind kind, double wholeLimit) {
    switch (kind) {
    case ENumberKind::Coordinate:
        return std::fabs(value) <= kLargestCoordinate;
    case ENumberKind::Fraction:
        return value >= 0.0 && value <= 1.0;
    case ENumberKind::Zoom:
        return value >= kSmallestZoom && value <= kLargestZoom;
    case ENumberKind::Quota:
        return value >= 0.0 && value <= wholeLimit && value == std::floor(value);
    case ENumberKind::Weight:
        return value >= 0.0 && value <= kLargestCoordinate;
    }
    return false;
}

} // namespace

std::string NumberRangeText(ENumberKind kind, double wholeLimit) {
    switch (kind) {
    case ENumberKind::Coordinate:
        return "a number from -1e15 to 1e15";
    case ENumberKind::Fraction:
        return "a fraction from 0 to 1";
    case ENumberKind::Zoom:
        return "a zoom from 0.000001 to 1000000";
    case ENumberKind::Quota:
        return "a whole number of votes from 0 to " + FormatNumber(wholeLimit);
    case ENumberKind::Weight:
        return "a vote weight from 0 to 1e15";
    }
    return {};
}

std::optional<double> CheckedNumber(const std::string& text, ENumberKind kind, std::string& why,
                                    double wholeLimit) {
    const std::optional<double> value = FiniteNumber(text);
    if (value && WithinLimits(*value, kind, wholeLimit))
        return value;
    why = "\"" + text + "\" is refused: the field takes " + NumberRangeText(kind, wholeLimit) + ".";
    return std::nullopt;
}
