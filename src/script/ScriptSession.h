#pragma once

#include "script/BasicInterpreter.h"

#include <string>
#include <string_view>

class CScriptModel;
class CScriptTextBox;

/// What the Script window keeps beside its two boxes, without the window: the interpreter, the
/// step position of Step Mode and the path of the script file it was loaded from. A whole run is
/// carried on in slices by the caller, so the window can repaint and offer Stop meanwhile.
class CScriptSession {
public:
    /// The scenario the model functions act on (may be nullptr) and the box that serves as both
    /// the input and the output box of every run and step.
    void Attach(CScriptModel* model, CScriptTextBox* box);

    /// The Run button with the editor's text. Without Step Mode a whole run is begun and true
    /// returned: the caller goes on with Continue until it answers false. With Step Mode one
    /// line is stepped at most (or the step position only moves) and false is returned.
    bool PressRun(std::string_view editorText, bool stepMode);
    /// Runs up to `lines` more lines of the whole run begun; false once the run has ended, the
    /// step position then holding the run's result (the line count, or -1).
    bool Continue(unsigned lines);
    /// Whether a whole run is in progress.
    bool IsRunning() const { return m_interpreter.IsRunning(); }
    /// Asks the run in progress to stop before its next line ("Interrupted on line %d").
    void Stop();

    /// The step position: the index of the next line to step, 0 when not started, -1 after a
    /// failure; also the editor line the Input box highlights.
    int StepPosition() const { return m_position; }
    /// An editor box lost the focus: stepping starts from the first line again.
    void FocusLost() { m_position = 0; }
    /// OK or closing the window: the interpreter's state is discarded (a run in progress is
    /// ended first) and stepping starts afresh.
    void Discard();

    /// The script file the Input box came from or was last saved to; empty when none.
    const std::string& Path() const { return m_path; }
    void SetPath(std::string path) { m_path = std::move(path); }

private:
    void PressStep(std::string_view editorText);
    /// Tells the model that the run or step begun has ended.
    void RunEnded();

    CBasicInterpreter m_interpreter;
    CScriptModel* m_model = nullptr;
    CScriptTextBox* m_box = nullptr;
    int m_position = 0;
    std::string m_path;
};
