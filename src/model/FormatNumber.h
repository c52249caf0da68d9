#pragma once

#include <string>

/// The text form of a number in the form, chart labels, legend, progress texts, report and log:
/// a field width from the number's magnitude and a precision from its fractional part, in fixed
/// form for moderate magnitudes and exponent form otherwise (12.5 -> "12.500", 50 -> "50",
/// 0.001 -> "0.00100", 250000.5 -> "2.500e+05").
std::string FormatNumber(double value);
