#include "platform/TextUtil.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

namespace {
bool IsSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

/// The C locale, whatever locale the process runs in.
locale_t CLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", nullptr);
    return locale;
}
} // namespace

std::string_view TrimLeft(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && IsSpace(text[start]))
        ++start;
    return text.substr(start);
}

std::string_view Trim(std::string_view text) {
    text = TrimLeft(text);
    size_t end = text.size();
    while (end > 0 && IsSpace(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::vector<std::string> SplitTabs(std::string_view text, size_t maxFields) {
    std::vector<std::string> fields;
    size_t start = 0;
    while (fields.size() < maxFields) {
        const size_t tab = text.find('\t', start);
        if (tab == std::string_view::npos) {
            fields.emplace_back(text.substr(start));
            break;
        }
        fields.emplace_back(text.substr(start, tab - start));
        start = tab + 1;
    }
    return fields;
}

int ParseLong(const std::string& text) {
    const long value = strtol_l(text.c_str(), nullptr, 10, CLocale());
    if (value > INT_MAX)
        return INT_MAX;
    if (value < INT_MIN)
        return INT_MIN;
    return static_cast<int>(value);
}

double ParseDouble(const std::string& text) {
    // Texts such as "nan", "inf" or "1e999" hold no usable number: they read as 0 like any other
    // field that does not start with a number.
    const double value = strtod_l(text.c_str(), nullptr, CLocale());
    return std::isfinite(value) ? value : 0.0;
}

bool StartsWithFiniteNumber(const std::string& text) {
    char* end = nullptr;
    const double value = strtod_l(text.c_str(), &end, CLocale());
    return end != text.c_str() && std::isfinite(value);
}

std::string Format(const char* format, ...) {
    // Formatting under the C locale keeps a point as the decimal separator.
    const locale_t previous = uselocale(CLocale());
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        std::vsnprintf(text.data(), text.size() + 1, format, copy);
    va_end(copy);
    uselocale(previous);
    return text;
}
