#pragma once

#include "script/ScriptExpressions.h"
#include "script/ScriptState.h"

#include <string_view>

/// Executes the statement of the current line. Each statement yields how the run goes on:
/// 0 with the next line, a positive number at the line with that number, -1 not at all.
class CScriptStatements {
public:
    CScriptStatements(SScriptState& state, CScriptExpressions& expressions)
        : m_state(state), m_expressions(expressions) {}

    /// Executes the statement that starts at the current token.
    int Execute();

private:
    int Print();
    void PrintItem();
    int Let();
    void Assign(const SScriptTarget& target);
    /// Stores a text into a string variable or element within the memory budget.
    void StoreText(std::string& slot, std::string text);
    int Dim();
    SScriptArray* Redimension(std::string_view name, bool isString, const std::vector<int>& sizes);
    void Initialise(SScriptArray* array, bool isString);
    int If();
    int Input();
    int Rem();
    int For();
    /// The line to go on with when a loop is entered with nothing to do: after its NEXT.
    int SkipLoop(std::string_view name);
    int Next();
    int Call();
    /// The number of the line after the current one; 0 when it is the last.
    int NextLineNumber() const;

    SScriptState& m_state;
    CScriptExpressions& m_expressions;
};
