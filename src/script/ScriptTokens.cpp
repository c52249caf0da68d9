#include "script/ScriptTokens.h"

#include "script/ModelFunctions.h"
#include "script/ScriptText.h"

#include <unordered_map>

namespace {

/// Words recognised only when no letter or digit follows them.
const std::unordered_map<std::string_view, EToken>& BoundedWords() {
    static const std::unordered_map<std::string_view, EToken> words = {
        {"PRINT", EToken::Print}, {"LET", EToken::Let},     {"DIM", EToken::Dim},
        {"IF", EToken::If},       {"THEN", EToken::Then},   {"AND", EToken::And},
        {"OR", EToken::Or},       {"GOTO", EToken::Goto},   {"INPUT", EToken::Input},
        {"REM", EToken::Rem},     {"FOR", EToken::For},     {"TO", EToken::To},
        {"NEXT", EToken::Next},   {"STEP", EToken::Step},   {"CALL", EToken::Call},
        {"SIN", EToken::Sin},     {"COS", EToken::Cos},     {"TAN", EToken::Tan},
        {"LN", EToken::Ln},       {"POW", EToken::Pow},     {"PI", EToken::Pi},
        {"SQRT", EToken::Sqrt},   {"MOD", EToken::Mod},     {"ABS", EToken::Abs},
        {"LEN", EToken::Len},     {"ASCII", EToken::Ascii}, {"ASIN", EToken::Asin},
        {"ACOS", EToken::Acos},   {"ATAN", EToken::Atan},   {"INT", EToken::Int},
        {"MAX", EToken::Max},     {"MIN", EToken::Min},     {"ROUND", EToken::Round},
        {"SEED", EToken::Seed},   {"RND", EToken::Rnd},     {"URND", EToken::Urnd},
        {"ZRND", EToken::Zrnd},   {"VAL", EToken::Val},     {"VALLEN", EToken::ValLen},
        {"INSTR", EToken::Instr},
    };
    return words;
}

struct SPrefixWord {
    std::string_view name;
    EToken kind;
};

/// String functions, recognised by the start of the word alone.
constexpr SPrefixWord kStringFunctions[] = {
    {"CHR$", EToken::Chr},     {"STR$", EToken::Str}, {"LEFT$", EToken::Left},
    {"RIGHT$", EToken::Right}, {"MID$", EToken::Mid}, {"STRING$", EToken::StringOf},
};

bool IsWordChar(char c) {
    return IsScriptLetter(c) || IsScriptDigit(c);
}

EToken Punctuation(char c) {
    switch (c) {
    case '(':
        return EToken::LeftParen;
    case ')':
        return EToken::RightParen;
    case '*':
        return EToken::Times;
    case '/':
        return EToken::Divide;
    case '+':
        return EToken::Plus;
    case '-':
        return EToken::Minus;
    case ',':
        return EToken::Comma;
    case ';':
        return EToken::Semicolon;
    case '=':
        return EToken::Equals;
    case '<':
        return EToken::Less;
    case '>':
        return EToken::Greater;
    case '!':
        return EToken::Factorial;
    default:
        return EToken::Unknown;
    }
}

} // namespace

bool StartsStringItem(EToken kind) {
    switch (kind) {
    case EToken::String:
    case EToken::StrVar:
    case EToken::StrArray:
    case EToken::Chr:
    case EToken::Str:
    case EToken::Left:
    case EToken::Right:
    case EToken::Mid:
    case EToken::StringOf:
        return true;
    default:
        return false;
    }
}

void CScriptTokenizer::SetText(std::string_view text) {
    m_text = text;
    MoveTo(0);
}

void CScriptTokenizer::MoveTo(std::size_t position) {
    m_cursor = std::min(position, m_text.size());
    m_token = Scan(m_cursor);
}

void CScriptTokenizer::Advance() {
    if (m_token.kind == EToken::End)
        return;
    MoveTo(m_token.end);
}

std::string_view CScriptTokenizer::TokenText() const {
    return m_text.substr(m_token.start, m_token.end - m_token.start);
}

bool CScriptTokenizer::RestOfLineIsBlank() const {
    for (std::size_t i = m_cursor; i < m_text.size() && m_text[i] != '\n'; ++i) {
        if (!IsScriptSpace(m_text[i]))
            return false;
    }
    return true;
}

void CScriptTokenizer::SkipRestOfLine() {
    const std::size_t feed = m_text.find('\n', m_cursor);
    MoveTo(feed == std::string_view::npos ? m_text.size() : feed);
}

SToken CScriptTokenizer::Scan(std::size_t position) const {
    while (position < m_text.size() && IsScriptSpace(m_text[position]))
        ++position;
    SToken token;
    token.start = token.end = position;
    if (position >= m_text.size())
        return token;
    const char c = m_text[position];
    if (IsScriptDigit(c)) {
        const SLeadingNumber number = ScanTokenNumber(m_text.substr(position));
        token.kind = EToken::Number;
        token.number = number.value;
        token.end = position + number.length;
        return token;
    }
    if (c == '"')
        return ScanLiteral(position);
    if (IsScriptLetter(c))
        return ScanWord(position);
    token.kind = Punctuation(c);
    token.end = position + 1;
    return token;
}

SToken CScriptTokenizer::ScanWord(std::size_t start) const {
    std::size_t end = start;
    while (end < m_text.size() && IsWordChar(m_text[end]))
        ++end;
    const std::string_view word = m_text.substr(start, end - start);
    SToken token;
    token.start = start;
    if (word == "e") {
        token.kind = EToken::Euler;
        token.end = end;
        return token;
    }
    if (word[0] >= 'A' && word[0] <= 'Z' && ScanNamedWord(word, token))
        return token;
    const bool isString = end < m_text.size() && m_text[end] == '$';
    if (isString)
        ++end;
    const bool isArray = end < m_text.size() && m_text[end] == '(';
    if (isArray)
        ++end;
    token.kind = isArray ? (isString ? EToken::StrArray : EToken::NumArray)
                         : (isString ? EToken::StrVar : EToken::NumVar);
    token.end = end;
    return token;
}

bool CScriptTokenizer::ScanNamedWord(std::string_view word, SToken& token) const {
    const auto& bounded = BoundedWords();
    if (const auto found = bounded.find(word); found != bounded.end()) {
        token.kind = found->second;
        token.end = token.start + word.size();
        return true;
    }
    const std::string_view rest = m_text.substr(token.start);
    for (const SPrefixWord& function : kStringFunctions) {
        if (rest.starts_with(function.name)) {
            token.kind = function.kind;
            token.end = token.start + function.name.size();
            return true;
        }
    }
    token.model = FindModelFunction(rest);
    if (token.model < 0)
        return false;
    token.kind = EToken::ModelFunction;
    token.end = token.start + std::string_view(ModelFunctions()[token.model].name).size();
    return true;
}

std::size_t CScriptTokenizer::LiteralEnd(std::size_t start) const {
    std::size_t i = start + 1;
    while (i < m_text.size() && m_text[i] != '\n') {
        if (m_text[i] == '"') {
            if (i + 1 < m_text.size() && m_text[i + 1] == '"') {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return std::string_view::npos;
}

SToken CScriptTokenizer::ScanLiteral(std::size_t start) const {
    SToken token;
    token.start = start;
    std::size_t end = LiteralEnd(start);
    if (end == std::string_view::npos) {
        token.kind = EToken::BadString;
        token.end = m_text.find('\n', start);
        if (token.end == std::string_view::npos)
            token.end = m_text.size();
        return token;
    }
    // Literals separated only by white space are one string.
    for (;;) {
        std::size_t next = end;
        while (next < m_text.size() && IsScriptSpace(m_text[next]))
            ++next;
        if (next >= m_text.size() || m_text[next] != '"')
            break;
        const std::size_t nextEnd = LiteralEnd(next);
        if (nextEnd == std::string_view::npos) {
            token.kind = EToken::BadString;
            token.end = next;
            return token;
        }
        end = nextEnd;
    }
    token.kind = EToken::String;
    token.end = end;
    return token;
}

std::string CScriptTokenizer::LiteralValue() const {
    std::string value;
    if (m_token.kind != EToken::String)
        return value;
    bool inside = false;
    for (std::size_t i = m_token.start; i < m_token.end; ++i) {
        const char c = m_text[i];
        if (!inside) {
            inside = c == '"';
            continue;
        }
        if (c == '"') {
            if (i + 1 < m_token.end && m_text[i + 1] == '"') {
                value.push_back('"');
                ++i;
            } else {
                inside = false;
            }
            continue;
        }
        value.push_back(c);
    }
    return value;
}
