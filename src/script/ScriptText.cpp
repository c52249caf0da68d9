#include "script/ScriptText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

std::size_t SkipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && IsScriptDigit(text[pos]))
        ++pos;
    return pos;
}

/// Length of the decimal number at `pos` (mantissa with optional fraction, then an optional
/// exponent that counts only when it has digits); `pos` is returned when there is no mantissa.
std::size_t DecimalEnd(std::string_view text, std::size_t pos, bool allowLeadingPoint) {
    const std::size_t start = pos;
    std::size_t end = SkipDigits(text, pos);
    bool digits = end > start;
    if (end < text.size() && text[end] == '.' && (digits || allowLeadingPoint)) {
        const std::size_t fractionEnd = SkipDigits(text, end + 1);
        digits = digits || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!digits)
        return start;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    return end;
}

/// Overflow or underflow of a well-formed decimal: infinity when its magnitude is large,
/// zero when it is tiny (the values the C library's conversion gives).
double OutOfRangeValue(std::string_view number) {
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    long long exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = number.substr(exponentAt + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '-' || digits[0] == '+'))
            digits.remove_prefix(1);
        for (char c : digits)
            exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
        if (negative)
            exponent = -exponent;
    }
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    const long long magnitude = firstNonZero == std::string_view::npos
                                    ? 0
                                    : static_cast<long long>(whole.size() - firstNonZero);
    return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

double ConvertDecimal(std::string_view number) {
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return OutOfRangeValue(number);
    return value;
}

} // namespace

std::string FormatScriptNumber(double value) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

SLeadingNumber ScanTokenNumber(std::string_view text) {
    const std::size_t end = DecimalEnd(text, 0, false);
    return {ConvertDecimal(text.substr(0, end)), end};
}

SLeadingNumber ScanLeadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsScriptSpace(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t end = DecimalEnd(text, pos, true);
    if (end == pos)
        return {};
    const double magnitude = ConvertDecimal(text.substr(pos, end - pos));
    return {negative ? -magnitude : magnitude, end};
}

std::string ScriptProgramText(std::string_view editorText) {
    std::string program;
    std::size_t start = 0;
    while (start < editorText.size()) {
        std::size_t end = editorText.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = editorText.size();
        const std::string_view line = editorText.substr(start, end - start);
        if (!line.empty())
            program.append(line).append("\r\n");
        // Lines end with CR LF, LF or a lone CR; the empty lines between are dropped anyway.
        start = end + 1;
    }
    return program;
}
