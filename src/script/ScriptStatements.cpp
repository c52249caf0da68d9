#include "script/ScriptStatements.h"

#include "script/ScriptText.h"

#include <cmath>

namespace {

/// The text an INPUT line gives a string: without carriage returns and line feeds at its ends.
std::string TrimLineEnds(const std::string& line) {
    const std::size_t first = line.find_first_not_of("\r\n");
    if (first == std::string::npos)
        return {};
    const std::size_t last = line.find_last_not_of("\r\n");
    return line.substr(first, last - first + 1);
}

} // namespace

int CScriptStatements::Execute() {
    switch (m_state.Kind()) {
    case EToken::Print:
        return Print();
    case EToken::Let:
        return Let();
    case EToken::Dim:
        return Dim();
    case EToken::If:
        return If();
    case EToken::Goto:
        m_state.Advance();
        return m_expressions.Integer();
    case EToken::Input:
        return Input();
    case EToken::Rem:
        return Rem();
    case EToken::For:
        return For();
    case EToken::Next:
        return Next();
    case EToken::Call:
        return Call();
    default:
        m_state.Fail(EScriptError::Syntax);
        return 0;
    }
}

int CScriptStatements::Print() {
    m_state.Advance();
    PrintItem();
    while (m_state.Kind() == EToken::Comma) {
        m_state.Advance();
        m_state.lineOutput += ' ';
        PrintItem();
    }
    if (m_state.Kind() == EToken::Semicolon)
        m_state.Advance();
    else
        m_state.lineOutput += "\r\n";
    return 0;
}

void CScriptStatements::PrintItem() {
    if (StartsStringItem(m_state.Kind()))
        m_state.lineOutput += m_expressions.String();
    else
        m_state.lineOutput += FormatScriptNumber(m_expressions.Numeric());
}

int CScriptStatements::Let() {
    m_state.Advance();
    const SScriptTarget target = m_expressions.Target();
    m_state.Match(EToken::Equals);
    Assign(target);
    return 0;
}

void CScriptStatements::StoreText(std::string& slot, std::string text) {
    if (!m_state.variables.Store(slot, std::move(text), m_state.memoryBudget))
        m_state.Fail(EScriptError::OutOfMemory);
}

void CScriptStatements::Assign(const SScriptTarget& target) {
    if (target.isString) {
        std::string value = m_expressions.String();
        if (target.text != nullptr)
            StoreText(*target.text, std::move(value));
        return;
    }
    const double value = m_expressions.Numeric();
    if (target.number != nullptr)
        *target.number = value;
}

int CScriptStatements::Dim() {
    m_state.Advance();
    const EToken kind = m_state.Kind();
    if (kind != EToken::NumArray && kind != EToken::StrArray) {
        m_state.Fail(EScriptError::Syntax);
        return 0;
    }
    const std::string_view name = m_state.tokens.TokenText();
    m_state.Advance();
    std::vector<int> sizes;
    bool valid = name.size() <= ScriptLimits::kNameLength;
    if (!valid)
        m_state.Fail(EScriptError::IdentifierTooLong);
    for (;;) {
        const double size = m_expressions.Numeric();
        if (sizes.size() == 5) {
            m_state.Fail(EScriptError::TooManyDimensions);
            valid = false;
        } else if (!(size >= 0 && size <= 2147483647.0) || size != std::floor(size)) {
            m_state.Fail(EScriptError::BadSubscript);
            valid = false;
        } else {
            sizes.push_back(static_cast<int>(size));
        }
        if (m_state.Kind() != EToken::Comma)
            break;
        m_state.Advance();
    }
    m_state.Match(EToken::RightParen);
    const bool isString = kind == EToken::StrArray;
    SScriptArray* array = valid ? Redimension(name, isString, sizes) : nullptr;
    if (m_state.Kind() == EToken::Equals) {
        m_state.Advance();
        Initialise(array, isString);
    }
    return 0;
}

SScriptArray* CScriptStatements::Redimension(std::string_view name, bool isString,
                                             const std::vector<int>& sizes) {
    std::size_t count = 1;
    for (int size : sizes) {
        if (size > 0 && count > ScriptLimits::kArrayElements / static_cast<std::size_t>(size)) {
            m_state.Fail(EScriptError::OutOfMemory);
            return nullptr;
        }
        count *= static_cast<std::size_t>(size);
    }
    if (count > ScriptLimits::kArrayElements) {
        m_state.Fail(EScriptError::OutOfMemory);
        return nullptr;
    }
    // The elements already stored keep their places in storage order.
    SScriptArray& array = m_state.variables.Array(name);
    array.isString = isString;
    if (!m_state.variables.Resize(array, count, m_state.memoryBudget)) {
        m_state.Fail(EScriptError::OutOfMemory);
        return nullptr;
    }
    array.sizes = sizes;
    return &array;
}

void CScriptStatements::Initialise(SScriptArray* array, bool isString) {
    std::size_t index = 0;
    for (;;) {
        if (isString) {
            std::string value = m_expressions.String();
            if (array != nullptr && index < array->strings.size())
                StoreText(array->strings[index], std::move(value));
        } else {
            const double value = m_expressions.Numeric();
            if (array != nullptr && index < array->numbers.size())
                array->numbers[index] = value;
        }
        if (array != nullptr && index >= (isString ? array->strings.size() : array->numbers.size()))
            m_state.Fail(EScriptError::TooManyInitialisers);
        ++index;
        if (m_state.Kind() != EToken::Comma)
            break;
        m_state.Advance();
    }
}

int CScriptStatements::If() {
    m_state.Advance();
    const bool holds = m_expressions.Condition();
    m_state.Match(EToken::Then);
    const int target = m_expressions.Integer();
    return holds ? target : 0;
}

int CScriptStatements::Input() {
    m_state.Advance();
    const SScriptTarget target = m_expressions.Target();
    m_state.lineOutput += "\r\n";
    if (m_state.input == nullptr) {
        m_state.Fail(EScriptError::SyntaxNotSupported);
        return 0;
    }
    const std::optional<std::string> line = m_state.input->InputLine();
    if (!line) {
        m_state.Fail(EScriptError::EndOfInput);
        return 0;
    }
    if (target.text != nullptr)
        StoreText(*target.text, TrimLineEnds(*line));
    else if (target.number != nullptr)
        *target.number = ScanLeadingNumber(*line).value;
    return 0;
}

int CScriptStatements::Rem() {
    m_state.Advance();
    // The remark is not read, but it must start with something a script could hold.
    if (m_state.Kind() == EToken::Unknown || m_state.Kind() == EToken::BadString)
        m_state.Fail(EScriptError::Syntax);
    m_state.tokens.SkipRestOfLine();
    return 0;
}

int CScriptStatements::Call() {
    m_state.Advance();
    m_expressions.Numeric();
    return 0;
}

int CScriptStatements::NextLineNumber() const {
    const std::size_t next = m_state.lineIndex + 1;
    return next < m_state.lines.size() ? m_state.lines[next].number : 0;
}
