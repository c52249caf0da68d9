#include "document/FileNumber.h"

#include <charconv>
#include <system_error>

std::string FileNumber(double value) {
    // The largest double in fixed form with six decimals fits.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 6);
    double back = 0.0;
    const auto read = std::from_chars(buffer, result.ptr, back);
    if (read.ec == std::errc() && back == value)
        return std::string(buffer, result.ptr);
    result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}
