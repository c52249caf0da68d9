#pragma once

#include "script/ModelFunctions.h"
#include "script/ScriptExpressions.h"
#include "script/ScriptState.h"
#include "script/ScriptStatements.h"
#include "script/ScriptTextBox.h"

#include <cstddef>
#include <string_view>

/// The system's line-numbered BASIC: loads a program from text and runs it whole or one line at
/// a time, printing into an output box and reading INPUT lines from an input box. Failures are
/// reported as text in the output box; nothing is thrown to the caller.
class CBasicInterpreter {
public:
    CBasicInterpreter();
    CBasicInterpreter(const CBasicInterpreter&) = delete;
    CBasicInterpreter& operator=(const CBasicInterpreter&) = delete;

    /// Sets the scenario the model functions act on and the input and output boxes (each may
    /// be nullptr) for the next runs and steps.
    void Attach(CScriptModel* model, CScriptTextBox* input, CScriptTextBox* output);
    /// Sets the most bytes all variables together may hold (1 GiB unless set); a line that
    /// would store more fails with "Out of memory".
    void SetMemoryBudget(std::size_t bytes) { m_state.memoryBudget = bytes; }
    /// Loads `text` and runs it from its first line to its end, then discards all state.
    /// Returns the line count, or -1 when the program could not be loaded.
    int Run(std::string_view text);
    /// Executes the line at index `position` (0 loads `text` first) and returns the index of
    /// the next line to execute, or -1 after a failure or a stop; state is kept between steps.
    int Step(int position, std::string_view text);
    /// The number of numbered lines of the loaded program.
    int LineCount() const { return static_cast<int>(m_state.lines.size()); }
    /// True when the last Run or Step failed to load, stopped at a failed line, jumped to a
    /// missing line or was interrupted.
    bool LastFailed() const { return m_failed; }

private:
    bool Load(std::string_view text);
    void Discard();
    /// Executes one line and writes its output or its failure; returns the statement's result.
    int ExecuteLine(std::size_t index);
    /// Executes one line and gives the index of the line to go on with, or -1 to stop.
    int ExecuteAndFollow(std::size_t index);
    void Write(std::string_view text);
    /// Ends the run at the line at `index` with the interrupted message.
    void Interrupt(std::size_t index);

    SScriptState m_state;
    CScriptExpressions m_expressions;
    CScriptStatements m_statements;
    bool m_failed = false;
};
