#pragma once

#include "script/ScriptState.h"

#include <array>
#include <string>
#include <string_view>

/// Where an assignment stores its value: a numeric or a string place, or nowhere when the
/// target could not be found (the line has failed then).
struct SScriptTarget {
    bool isString = false;
    double* number = nullptr;
    std::string* text = nullptr;
    std::string_view name; ///< the target's name as written, with its $ and (
};

/// Reads and evaluates the expressions of the current line: numeric and string expressions,
/// conditions, assignment targets, and the built-in and model functions they call.
class CScriptExpressions {
public:
    explicit CScriptExpressions(SScriptState& state) : m_state(state) {}

    /// A numeric expression.
    double Numeric();
    /// A numeric expression that must be a 32-bit integer.
    int Integer() { return CheckInteger(Numeric()); }
    /// A string expression.
    std::string String();
    /// A condition of an IF.
    bool Condition();
    /// The target of LET, FOR, NEXT or INPUT; a new scalar is created.
    SScriptTarget Target();
    /// The integer a value stands for; fails with "Bad value" outside the 32-bit range and
    /// with "Not an integer" when it has a fraction (the fraction is then dropped).
    int CheckInteger(double value);

private:
    /// Subscripts as written: the first five values and how many there were.
    struct SSubscripts {
        std::array<int, 5> values{};
        std::size_t count = 0;
    };

    double Term();
    double Factor();
    double Primary();
    /// A variable, array element or function call in a numeric expression.
    double NamedPrimary(EToken kind);
    std::string StringPrimary();
    bool Comparison();
    double NumericVariable();
    std::string StringVariable();
    /// The element named by the current array token and the subscripts after it.
    SScriptTarget ArrayElement();
    SSubscripts Subscripts();
    /// Checks a name's length; false (and the line fails) when it is too long.
    bool NameFits(std::string_view name);
    std::string Concatenate(std::string left, const std::string& right);

    // Built-in and model functions (ScriptFunctions.cpp).
    double NumericFunction(EToken kind);
    double MathFunction(EToken kind);
    /// LN, SQRT, ASIN and ACOS, which fail outside their domains.
    double CheckedMathFunction(EToken kind, double x);
    double TextFunction(EToken kind);
    double RandomFunction(EToken kind);
    /// ZRND: a standard normal value, drawn in pairs.
    double NormalDraw();
    std::string StringFunction(EToken kind);
    std::string MidString();
    std::string RepeatString();
    /// LEFT$ or RIGHT$.
    std::string EndOfString(EToken kind);
    SScriptValue CallModelFunction();
    /// The single numeric argument of a function, in its parentheses.
    double OneNumber();
    /// The single string argument of a function, in its parentheses.
    std::string OneString();

    SScriptState& m_state;
};
