#pragma once

#include <optional>
#include <string>

#include "model/InputLimits.h"

// The desktop's numeric fields check their text against the ranges every front end holds
// typed-in numbers to.

/// What a numeric field holds, for its limits and the wording of a refusal.
enum class ENumberKind { Coordinate, Fraction, Zoom, Quota, Weight };

/// The number a field's text gives, or nothing with `why` saying what the field takes.
/// `wholeLimit` is the largest whole number a quota may be (the vote total).
std::optional<double> CheckedNumber(const std::string& text, ENumberKind kind, std::string& why,
                                    double wholeLimit = 0.0);

/// What a field of that kind takes, as a refusal says it ("a number from -1e15 to 1e15").
std::string NumberRangeText(ENumberKind kind, double wholeLimit = 0.0);
