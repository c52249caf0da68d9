#include "platform/CRand.h"
#include "script/ScriptExpressions.h"
#include "script/ScriptInterrupt.h"
#include "script/ScriptText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

/// The generator's next value scaled to 0..1.
double UniformDraw() {
    return static_cast<double>(CRand::Next()) / CRand::Max;
}

} // namespace

double CScriptExpressions::OneNumber() {
    m_state.Match(EToken::LeftParen);
    const double value = Numeric();
    m_state.Match(EToken::RightParen);
    return value;
}

std::string CScriptExpressions::OneString() {
    m_state.Match(EToken::LeftParen);
    std::string value = String();
    m_state.Match(EToken::RightParen);
    return value;
}

double CScriptExpressions::NumericFunction(EToken kind) {
    m_state.Advance();
    switch (kind) {
    case EToken::Len:
    case EToken::Ascii:
    case EToken::Val:
    case EToken::ValLen:
    case EToken::Instr:
        return TextFunction(kind);
    case EToken::Seed:
    case EToken::Rnd:
    case EToken::Urnd:
    case EToken::Zrnd:
        return RandomFunction(kind);
    default:
        return MathFunction(kind);
    }
}

double CScriptExpressions::MathFunction(EToken kind) {
    if (kind == EToken::Pow || kind == EToken::Min || kind == EToken::Max) {
        m_state.Match(EToken::LeftParen);
        const double x = Numeric();
        m_state.Match(EToken::Comma);
        const double y = Numeric();
        m_state.Match(EToken::RightParen);
        if (kind == EToken::Pow)
            return std::pow(x, y);
        return kind == EToken::Min ? (y < x ? y : x) : (y > x ? y : x);
    }
    const double x = OneNumber();
    switch (kind) {
    case EToken::Sin:
        return std::sin(x);
    case EToken::Cos:
        return std::cos(x);
    case EToken::Tan:
        return std::tan(x);
    case EToken::Abs:
        return std::fabs(x);
    case EToken::Atan:
        return std::atan(x);
    case EToken::Int:
        return std::floor(x);
    case EToken::Round:
        // Halves round away from zero; the result must fit a 32-bit integer.
        return CheckInteger(std::trunc(x > 0 ? x + 0.5 : x - 0.5));
    default:
        return CheckedMathFunction(kind, x);
    }
}

double CScriptExpressions::CheckedMathFunction(EToken kind, double x) {
    EScriptError failure = EScriptError::None;
    if (kind == EToken::Ln && x <= 0)
        failure = EScriptError::NegativeLogarithm;
    else if (kind == EToken::Sqrt && x < 0)
        failure = EScriptError::NegativeSquareRoot;
    else if ((kind == EToken::Asin || kind == EToken::Acos) && (x < -1 || x > 1))
        failure = EScriptError::SineOutOfRange;
    if (failure != EScriptError::None) {
        m_state.Fail(failure);
        return 0;
    }
    switch (kind) {
    case EToken::Ln:
        return std::log(x);
    case EToken::Sqrt:
        return std::sqrt(x);
    case EToken::Asin:
        return std::asin(x);
    default:
        return std::acos(x);
    }
}

double CScriptExpressions::TextFunction(EToken kind) {
    if (kind == EToken::Instr) {
        m_state.Match(EToken::LeftParen);
        const std::string text = String();
        m_state.Match(EToken::Comma);
        const std::string wanted = String();
        m_state.Match(EToken::Comma);
        const int start = Integer();
        m_state.Match(EToken::RightParen);
        if (start < 1 || static_cast<std::size_t>(start) > text.size())
            return 0;
        const std::size_t found = text.find(wanted, static_cast<std::size_t>(start - 1));
        return found == std::string::npos ? 0 : static_cast<double>(found + 1);
    }
    const std::string text = OneString();
    switch (kind) {
    case EToken::Len:
        return static_cast<double>(text.size());
    case EToken::Ascii:
        return text.empty() ? 0 : static_cast<double>(static_cast<signed char>(text[0]));
    case EToken::Val:
        return ScanLeadingNumber(text).value;
    default:
        return static_cast<double>(ScanLeadingNumber(text).length);
    }
}

double CScriptExpressions::RandomFunction(EToken kind) {
    switch (kind) {
    case EToken::Seed:
        CRand::Seed(static_cast<std::uint32_t>(CheckInteger(OneNumber())));
        m_state.spareNormal.reset();
        return 0;
    case EToken::Rnd: {
        const double x = OneNumber();
        if (x >= 0)
            return x * UniformDraw();
        const std::int64_t seed = -static_cast<std::int64_t>(CheckInteger(x));
        CRand::Seed(static_cast<std::uint32_t>(seed));
        m_state.spareNormal.reset();
        return x;
    }
    case EToken::Urnd:
        m_state.Match(EToken::LeftParen);
        m_state.Match(EToken::RightParen);
        return 2 * UniformDraw() - 1;
    default:
        break;
    }
    m_state.Match(EToken::LeftParen);
    m_state.Match(EToken::RightParen);
    return NormalDraw();
}

double CScriptExpressions::NormalDraw() {
    if (m_state.spareNormal) {
        const double spare = *m_state.spareNormal;
        m_state.spareNormal.reset();
        return spare;
    }
    // Polar method: a point drawn in the square, kept when it lies inside the unit circle.
    double u = 0, v = 0, s = 0;
    do {
        u = 2 * UniformDraw() - 1;
        v = 2 * UniformDraw() - 1;
        s = u * u + v * v;
    } while (!(s > 0 && s < 1));
    const double factor = std::sqrt(-2 * std::log(s) / s);
    m_state.spareNormal = u * factor;
    return v * factor;
}

std::string CScriptExpressions::StringFunction(EToken kind) {
    m_state.Advance();
    switch (kind) {
    case EToken::Chr: {
        const auto code = static_cast<unsigned char>(CheckInteger(OneNumber()));
        return code == 0 ? std::string() : std::string(1, static_cast<char>(code));
    }
    case EToken::Str:
        return FormatScriptNumber(OneNumber());
    case EToken::Mid:
        return MidString();
    case EToken::StringOf:
        return RepeatString();
    default:
        return EndOfString(kind);
    }
}

std::string CScriptExpressions::RepeatString() {
    m_state.Match(EToken::LeftParen);
    const int count = Integer();
    m_state.Match(EToken::Comma);
    const std::string text = String();
    m_state.Match(EToken::RightParen);
    if (count <= 0 || text.empty())
        return {};
    if (static_cast<std::size_t>(count) > ScriptLimits::kStringLength / text.size()) {
        m_state.Fail(EScriptError::OutOfMemory);
        return {};
    }
    const std::size_t length = text.size() * static_cast<std::size_t>(count);
    std::string result;
    result.reserve(length);
    result = text;
    // The text doubles until half the length is reached, so even the longest repetition takes
    // a few dozen copies; each step looks whether the user has interrupted the script.
    while (result.size() < length) {
        if (ScriptInterruptRequested()) {
            m_state.Fail(EScriptError::Interrupted);
            return {};
        }
        result.append(result, 0, std::min(result.size(), length - result.size()));
    }
    return result;
}

std::string CScriptExpressions::EndOfString(EToken kind) {
    m_state.Match(EToken::LeftParen);
    std::string text = String();
    m_state.Match(EToken::Comma);
    const int count = Integer();
    m_state.Match(EToken::RightParen);
    if (count < 0) {
        m_state.Fail(EScriptError::IllegalOffset);
        return {};
    }
    if (static_cast<std::size_t>(count) >= text.size())
        return text;
    return kind == EToken::Left ? text.substr(0, count) : text.substr(text.size() - count);
}

std::string CScriptExpressions::MidString() {
    m_state.Match(EToken::LeftParen);
    const std::string text = String();
    m_state.Match(EToken::Comma);
    const std::int64_t start = Integer();
    m_state.Match(EToken::Comma);
    std::int64_t count = Integer();
    m_state.Match(EToken::RightParen);
    const auto length = static_cast<std::int64_t>(text.size());
    if (count == -1)
        count = length - start + 1;
    if (start > length || count < 1)
        return {};
    if (start < 1) {
        m_state.Fail(EScriptError::IllegalOffset);
        return {};
    }
    return text.substr(static_cast<std::size_t>(start - 1), static_cast<std::size_t>(count));
}

SScriptValue CScriptExpressions::CallModelFunction() {
    const int index = m_state.tokens.Token().model;
    const SModelFunction& function = ModelFunctions()[index];
    m_state.Advance();
    const EScriptError before = m_state.error;
    bool wellFormed = m_state.Match(EToken::LeftParen);
    std::vector<SScriptValue> arguments;
    for (const char* kind = function.arguments; *kind != '\0'; ++kind) {
        if (kind != function.arguments)
            wellFormed = m_state.Match(EToken::Comma) && wellFormed;
        SScriptValue argument;
        if (*kind == 's')
            argument.text = String();
        else if (*kind == 'i')
            argument.number = Integer();
        else
            argument.number = Numeric();
        arguments.push_back(std::move(argument));
    }
    wellFormed = m_state.Match(EToken::RightParen) && wellFormed;
    // A call whose argument list is missing a value or holds one of the wrong kind is not
    // carried out: the scenario must not change on values the script never gave. A value
    // that fails only the integer check is still passed on, truncated.
    if (before == EScriptError::None &&
        (m_state.error == EScriptError::Syntax || m_state.error == EScriptError::TypeMismatch))
        wellFormed = false;
    if (!wellFormed)
        return {};
    // Without a scenario to act on, a model function is a statement this run cannot carry out.
    if (m_state.model == nullptr) {
        m_state.Fail(EScriptError::SyntaxNotSupported);
        return {};
    }
    EScriptError failure = EScriptError::None;
    SScriptValue result = m_state.model->CallModelFunction(index, arguments, failure);
    if (failure != EScriptError::None)
        m_state.Fail(failure);
    return result;
}
