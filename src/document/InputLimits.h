#pragma once

#include <optional>
#include <string>

// The numbers a user may give the scenario, the same for the desktop's fields and the command
// line's options. Zooms and points far outside these ranges leave no cell of the chart with a
// finite issue-space size, so every concept would come out as not-a-number.

/// The largest magnitude of a point's coordinate.
inline constexpr double kLargestCoordinate = 1e15;
/// The smallest and largest zoom factors.
inline constexpr double kSmallestZoom = 1e-6;
inline constexpr double kLargestZoom = 1e6;

/// What a numeric field holds, for its limits and the wording of a refusal.
enum class ENumberKind { Coordinate, Fraction, Zoom, Quota, Weight };

/// The number a field's text gives, or nothing with `why` saying what the field takes.
/// `wholeLimit` is the largest whole number a quota may be (the vote total).
std::optional<double> CheckedNumber(const std::string& text, ENumberKind kind, std::string& why,
                                    double wholeLimit = 0.0);

/// What a field of that kind takes, as a refusal says it ("a number from -1e15 to 1e15").
std::string NumberRangeText(ENumberKind kind, double wholeLimit = 0.0);
