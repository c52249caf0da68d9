#include "script/ScriptExpressions.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

/// x! for every x: the product 1 * 2 * ... up to x, 1 below 1; past 170 it is infinite.
double FactorialOf(double x) {
    static const auto table = [] {
        std::array<double, 172> values{};
        values[0] = 1;
        for (std::size_t i = 1; i < values.size(); ++i)
            values[i] = values[i - 1] * static_cast<double>(i);
        return values;
    }();
    if (!(x >= 1))
        return 1;
    if (x >= static_cast<double>(table.size()))
        return std::numeric_limits<double>::infinity();
    return table[static_cast<std::size_t>(x)];
}

enum class ERelation { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

template <typename T> bool Holds(const T& a, ERelation relation, const T& b) {
    switch (relation) {
    case ERelation::Equal:
        return a == b;
    case ERelation::NotEqual:
        return a != b;
    case ERelation::Less:
        return a < b;
    case ERelation::LessEqual:
        return a <= b;
    case ERelation::Greater:
        return a > b;
    case ERelation::GreaterEqual:
        return a >= b;
    }
    return false;
}

ERelation ReadRelation(SScriptState& state) {
    const EToken first = state.Kind();
    if (first == EToken::Equals) {
        state.Advance();
        return ERelation::Equal;
    }
    if (first != EToken::Less && first != EToken::Greater) {
        state.Fail(EScriptError::Syntax);
        return ERelation::Equal;
    }
    state.Advance();
    if (state.Kind() == EToken::Equals) {
        state.Advance();
        return first == EToken::Less ? ERelation::LessEqual : ERelation::GreaterEqual;
    }
    if (first == EToken::Less && state.Kind() == EToken::Greater) {
        state.Advance();
        return ERelation::NotEqual;
    }
    return first == EToken::Less ? ERelation::Less : ERelation::Greater;
}

bool IsNumericFunction(EToken kind) {
    return kind >= EToken::Sin && kind <= EToken::Instr;
}

bool IsStringFunction(EToken kind) {
    return kind >= EToken::Chr && kind <= EToken::StringOf;
}

} // namespace

int CScriptExpressions::CheckInteger(double value) {
    if (!(value >= -2147483648.0 && value <= 2147483647.0)) {
        m_state.Fail(EScriptError::BadValue);
        return 0;
    }
    if (value != std::trunc(value))
        m_state.Fail(EScriptError::NotAnInteger);
    return static_cast<int>(value);
}

double CScriptExpressions::Numeric() {
    double value = Term();
    for (;;) {
        if (m_state.Kind() == EToken::Plus) {
            m_state.Advance();
            value += Term();
        } else if (m_state.Kind() == EToken::Minus) {
            m_state.Advance();
            value -= Term();
        } else {
            return value;
        }
    }
}

double CScriptExpressions::Term() {
    double value = Factor();
    for (;;) {
        const EToken kind = m_state.Kind();
        if (kind != EToken::Times && kind != EToken::Divide && kind != EToken::Mod)
            return value;
        m_state.Advance();
        const double right = Factor();
        if (kind == EToken::Times) {
            value *= right;
        } else if (right == 0) {
            // The left operand stands as the result of a failed division.
            m_state.Fail(EScriptError::DivideByZero);
        } else {
            value = kind == EToken::Divide ? value / right : std::fmod(value, right);
        }
    }
}

double CScriptExpressions::Factor() {
    double value = Primary();
    while (m_state.Kind() == EToken::Factorial) {
        m_state.Advance();
        value = FactorialOf(value);
    }
    return value;
}

double CScriptExpressions::Primary() {
    CScriptNesting nesting(m_state);
    if (!nesting.Allowed())
        return 0;
    switch (m_state.Kind()) {
    case EToken::Number: {
        const double value = m_state.tokens.Token().number;
        m_state.Advance();
        return value;
    }
    case EToken::Pi:
        m_state.Advance();
        return std::numbers::pi;
    case EToken::Euler:
        m_state.Advance();
        return std::numbers::e;
    case EToken::LeftParen: {
        m_state.Advance();
        const double value = Numeric();
        m_state.Match(EToken::RightParen);
        return value;
    }
    case EToken::Minus:
        m_state.Advance();
        return -Factor();
    default:
        return NamedPrimary(m_state.Kind());
    }
}

double CScriptExpressions::NamedPrimary(EToken kind) {
    if (kind == EToken::NumVar)
        return NumericVariable();
    if (kind == EToken::NumArray) {
        const SScriptTarget element = ArrayElement();
        return element.number != nullptr ? *element.number : 0;
    }
    if (IsNumericFunction(kind))
        return NumericFunction(kind);
    // String-valued model functions are not string items; here they are out of place.
    if (kind == EToken::ModelFunction &&
        !ModelFunctions()[m_state.tokens.Token().model].returnsString)
        return CallModelFunction().number;
    m_state.Fail(StartsStringItem(kind) ? EScriptError::TypeMismatch : EScriptError::Syntax);
    return 0;
}

std::string CScriptExpressions::String() {
    std::string value = StringPrimary();
    while (m_state.Kind() == EToken::Plus) {
        m_state.Advance();
        value = Concatenate(std::move(value), StringPrimary());
    }
    return value;
}

std::string CScriptExpressions::Concatenate(std::string left, const std::string& right) {
    if (left.size() + right.size() > ScriptLimits::kStringLength) {
        m_state.Fail(EScriptError::OutOfMemory);
        return left;
    }
    left += right;
    return left;
}

std::string CScriptExpressions::StringPrimary() {
    CScriptNesting nesting(m_state);
    if (!nesting.Allowed())
        return {};
    const EToken kind = m_state.Kind();
    switch (kind) {
    case EToken::String: {
        std::string value = m_state.tokens.LiteralValue();
        m_state.Advance();
        return value;
    }
    case EToken::StrVar:
        return StringVariable();
    case EToken::StrArray: {
        const SScriptTarget element = ArrayElement();
        return element.text != nullptr ? *element.text : std::string();
    }
    case EToken::ModelFunction:
        if (!ModelFunctions()[m_state.tokens.Token().model].returnsString)
            break;
        return CallModelFunction().text;
    case EToken::BadString:
    case EToken::Unknown:
        m_state.Fail(EScriptError::Syntax);
        return {};
    default:
        if (IsStringFunction(kind))
            return StringFunction(kind);
        break;
    }
    m_state.Fail(EScriptError::TypeMismatch);
    return {};
}

bool CScriptExpressions::Condition() {
    const bool left = Comparison();
    const EToken joint = m_state.Kind();
    if (joint != EToken::And && joint != EToken::Or)
        return left;
    m_state.Advance();
    CScriptNesting nesting(m_state);
    if (!nesting.Allowed())
        return false;
    // Both sides are always evaluated, for the functions they may call.
    const bool right = Condition();
    return joint == EToken::And ? left && right : left || right;
}

bool CScriptExpressions::Comparison() {
    if (m_state.Kind() == EToken::LeftParen) {
        CScriptNesting nesting(m_state);
        if (!nesting.Allowed())
            return false;
        m_state.Advance();
        const bool value = Condition();
        m_state.Match(EToken::RightParen);
        return value;
    }
    if (StartsStringItem(m_state.Kind())) {
        const std::string left = String();
        const ERelation relation = ReadRelation(m_state);
        return Holds(left, relation, String());
    }
    const double left = Numeric();
    const ERelation relation = ReadRelation(m_state);
    return Holds(left, relation, Numeric());
}

bool CScriptExpressions::NameFits(std::string_view name) {
    if (name.size() <= ScriptLimits::kNameLength)
        return true;
    m_state.Fail(EScriptError::IdentifierTooLong);
    return false;
}

double CScriptExpressions::NumericVariable() {
    const std::string_view name = m_state.tokens.TokenText();
    m_state.Advance();
    if (!NameFits(name))
        return 0;
    if (const double* value = m_state.variables.FindNumber(name))
        return *value;
    m_state.Fail(EScriptError::NoSuchVariable);
    return 0;
}

std::string CScriptExpressions::StringVariable() {
    const std::string_view name = m_state.tokens.TokenText();
    m_state.Advance();
    if (!NameFits(name))
        return {};
    if (const std::string* value = m_state.variables.FindString(name))
        return *value;
    m_state.Fail(EScriptError::NoSuchVariable);
    return {};
}

CScriptExpressions::SSubscripts CScriptExpressions::Subscripts() {
    SSubscripts subscripts;
    for (;;) {
        const int value = Integer();
        if (subscripts.count < subscripts.values.size())
            subscripts.values[subscripts.count] = value;
        ++subscripts.count;
        if (m_state.Kind() != EToken::Comma)
            break;
        m_state.Advance();
    }
    m_state.Match(EToken::RightParen);
    return subscripts;
}

SScriptTarget CScriptExpressions::ArrayElement() {
    SScriptTarget target;
    target.isString = m_state.Kind() == EToken::StrArray;
    target.name = m_state.tokens.TokenText();
    m_state.Advance();
    const SSubscripts subscripts = Subscripts();
    if (!NameFits(target.name))
        return target;
    SScriptArray* array = m_state.variables.FindArray(target.name);
    if (array == nullptr) {
        m_state.Fail(EScriptError::NoSuchVariable);
        return target;
    }
    if (subscripts.count != array->sizes.size()) {
        m_state.Fail(EScriptError::Syntax);
        return target;
    }
    // The first subscript varies fastest.
    std::size_t position = 0;
    for (std::size_t i = array->sizes.size(); i-- > 0;) {
        const int subscript = subscripts.values[i];
        if (subscript < 1 || subscript > array->sizes[i]) {
            m_state.Fail(EScriptError::BadSubscript);
            return target;
        }
        position = position * static_cast<std::size_t>(array->sizes[i]) +
                   static_cast<std::size_t>(subscript - 1);
    }
    if (target.isString)
        target.text = &array->strings[position];
    else
        target.number = &array->numbers[position];
    return target;
}

SScriptTarget CScriptExpressions::Target() {
    const EToken kind = m_state.Kind();
    if (kind == EToken::NumArray || kind == EToken::StrArray)
        return ArrayElement();
    SScriptTarget target;
    if (kind != EToken::NumVar && kind != EToken::StrVar) {
        m_state.Fail(EScriptError::Syntax);
        return target;
    }
    target.isString = kind == EToken::StrVar;
    target.name = m_state.tokens.TokenText();
    m_state.Advance();
    if (!NameFits(target.name))
        return target;
    if (target.isString)
        target.text = &m_state.variables.String(target.name);
    else
        target.number = &m_state.variables.Number(target.name);
    return target;
}
