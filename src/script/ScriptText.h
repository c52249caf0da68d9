#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// A number read from the start of a text and how many characters it took.
struct SLeadingNumber {
    double value = 0;
    std::size_t length = 0; ///< 0 when the text does not start with a number
};

/// Formats a number as the C library's "%g" does in the C locale (6 significant digits).
std::string FormatScriptNumber(double value);

/// The number a script token starts with: digits with an optional fraction and exponent, as a
/// decimal conversion reads them (no sign, no hexadecimal). `text` must start with a digit.
SLeadingNumber ScanTokenNumber(std::string_view text);

/// The leading decimal number of a text as VAL and INPUT read it: optional white space, an
/// optional sign, digits with an optional fraction and exponent. The length counts every
/// character the conversion consumed, white space and sign included.
SLeadingNumber ScanLeadingNumber(std::string_view text);

/// The program text the Script dialog hands the interpreter: every non-empty line of the
/// editor's text (line ends CR LF, LF or CR) followed by CR LF.
std::string ScriptProgramText(std::string_view editorText);

/// True for the C library's white-space characters (space, tab, CR, LF, VT, FF).
inline bool IsScriptSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
/// True for the ASCII decimal digits.
inline bool IsScriptDigit(char c) {
    return c >= '0' && c <= '9';
}
/// True for the ASCII letters.
inline bool IsScriptLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
