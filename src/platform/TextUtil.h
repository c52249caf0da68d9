#pragma once

#include <string>
#include <string_view>
#include <vector>

/// Whether two texts are equal without regard to (ASCII) letter case.
bool EqualsNoCase(std::string_view a, std::string_view b);

/// The text without white space (blanks, tabs, line ends) at either end.
std::string_view Trim(std::string_view text);

/// The text without white space at its start.
std::string_view TrimLeft(std::string_view text);

/// Splits a text at every tab; consecutive tabs give empty fields. At most `maxFields` fields are
/// returned (the rest of the line is dropped).
std::vector<std::string> SplitTabs(std::string_view text, size_t maxFields);

/// The C library's integer reading of a text (leading white space skipped, longest numeric
/// prefix, 0 when none), saturated to the int range.
int ParseLong(const std::string& text);

/// The C library's floating reading of a text (leading white space skipped, longest numeric
/// prefix, 0 when none), always with a point as the decimal separator; a result that is not a
/// finite number (nan, inf, overflow) also reads as 0.
double ParseDouble(const std::string& text);

/// Whether the text starts with a number (as ParseDouble reads one) that is finite.
bool StartsWithFiniteNumber(const std::string& text);

/// printf-style formatting into a std::string (numbers in the C locale's form).
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
