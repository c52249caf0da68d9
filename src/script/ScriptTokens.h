#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

/// The kinds of token a script is made of.
enum class EToken : std::uint8_t {
    End,       ///< the end of the program text
    Number,    ///< a decimal number
    String,    ///< one or more string literals in a row
    BadString, ///< a string literal not closed on its line
    Unknown,   ///< any character that starts no token
    LeftParen,
    RightParen,
    Times,
    Divide,
    Plus,
    Minus,
    Comma,
    Semicolon,
    Equals,
    Less,
    Greater,
    Factorial,
    Euler,
    // Reserved words.
    Print,
    Let,
    Dim,
    If,
    Then,
    And,
    Or,
    Goto,
    Input,
    Rem,
    For,
    To,
    Next,
    Step,
    Call,
    // Numeric functions and constants.
    Sin,
    Cos,
    Tan,
    Ln,
    Pow,
    Pi,
    Sqrt,
    Mod,
    Abs,
    Len,
    Ascii,
    Asin,
    Acos,
    Atan,
    Int,
    Max,
    Min,
    Round,
    Seed,
    Rnd,
    Urnd,
    Zrnd,
    Val,
    ValLen,
    Instr,
    // String functions.
    Chr,
    Str,
    Left,
    Right,
    Mid,
    StringOf,
    // Names.
    ModelFunction, ///< a model function, recognised by the start of its name
    NumVar,        ///< a numeric scalar: letters and digits
    StrVar,        ///< a string scalar: ends in $
    NumArray,      ///< a numeric array: ends in (
    StrArray,      ///< a string array: ends in $(
};

/// A token: its kind and where it lies in the program text.
struct SToken {
    EToken kind = EToken::End;
    std::size_t start = 0;
    std::size_t end = 0;
    double number = 0; ///< the value of a Number
    int model = -1;    ///< the model-function table index of a ModelFunction
};

/// True for the tokens that make a PRINT item or a comparison a string one.
bool StartsStringItem(EToken kind);

/// Reads the program text token by token. The cursor is where the last consumed token ended;
/// the current token is the one after it, read across white space and line ends.
class CScriptTokenizer {
public:
    /// Reads from `text` (not owned; it must outlive the reading) from its start.
    void SetText(std::string_view text);
    /// Puts the cursor at `position` and reads the token after it.
    void MoveTo(std::size_t position);
    /// Consumes the current token and reads the next one.
    void Advance();

    const SToken& Token() const { return m_token; }
    EToken Kind() const { return m_token.kind; }
    /// The characters of the current token.
    std::string_view TokenText() const;
    /// The string of the current String token: its literals joined, doubled quotes made single.
    std::string LiteralValue() const;
    std::size_t Cursor() const { return m_cursor; }
    std::string_view Text() const { return m_text; }

    /// True when nothing but white space follows the cursor up to the end of its line.
    bool RestOfLineIsBlank() const;
    /// Moves the cursor to the end of its line, leaving the rest of the line unread.
    void SkipRestOfLine();

private:
    SToken Scan(std::size_t position) const;
    SToken ScanWord(std::size_t start) const;
    /// Recognises a reserved word, a function or a model function at `token.start`.
    bool ScanNamedWord(std::string_view word, SToken& token) const;
    SToken ScanLiteral(std::size_t start) const;
    /// End of the literal starting at the quote at `start`; npos when it is not closed.
    std::size_t LiteralEnd(std::size_t start) const;

    std::string_view m_text;
    std::size_t m_cursor = 0;
    SToken m_token;
};
