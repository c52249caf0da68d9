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
    /// Starts a run that the caller carries on in slices (a window stays responsive between
    /// them): loads `text` and stands at its first line. False when the program could not be
    /// loaded; the run is then over and EndRun gives -1.
    bool BeginRun(std::string_view text);
    /// Executes up to `lines` lines of the run begun; true while the run has lines left.
    bool ContinueRun(unsigned lines);
    /// Ends the run begun (at once, when lines are left): discards all state and returns what
    /// Run would have returned.
    int EndRun();
    /// Whether a run begun has not ended.
    bool IsRunning() const { return m_running; }
    /// Discards the loaded program with its variables, arrays and open loops.
    void Reset();
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
    // The run in progress.
    bool m_running = false;
    int m_runCount = -1;
    int m_runIndex = 0;
    int m_runLast = 0;
    unsigned m_runExecuted = 0;
};
