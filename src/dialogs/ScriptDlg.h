#pragma once

#include "dialogs/ScriptOutputBox.h"
#include "script/ScriptSession.h"

#include <QDialog>

class CEditHilite;
class CScriptModel;
class QCheckBox;
class QPushButton;

/// The Script window (modeless, one at most): the Input box with the script, the Output box
/// that gathers what every run prints and serves INPUT, Run with Step Mode, Stop, Save and OK.
/// A whole run goes on in short slices from the event loop, so the window repaints while it
/// runs and Stop or the Escape key interrupt it.
class CScriptDlg : public QDialog {
    Q_OBJECT

public:
    /// A window whose scripts act through `model` (not owned; nullptr: no scenario).
    explicit CScriptDlg(CScriptModel* model, QWidget* parent = nullptr);

    CEditHilite& InputBox() { return *m_input; }
    CEditHilite& OutputBox() { return *m_output; }
    CScriptSession& Session() { return m_session; }
    /// Puts a script file's lines into the Input box and remembers its path.
    void SetScript(const std::string& path, const std::string& lines);
    /// Whether a whole run is going on.
    bool IsRunning() const { return m_session.IsRunning(); }

    /// The Run button.
    void Run();
    /// The Stop button: the running script ends with "Interrupted on line %d".
    void Stop();
    /// The Save button.
    void Save();
    /// Ends the dialog (OK, close): the interpreter's state is discarded, both boxes emptied.
    void done(int result) override;

signals:
    /// A whole run has ended.
    void RunFinished();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void RunSlice();
    void ShowRunning(bool running);
    void ShowStepPosition();
    QPushButton* AddButton(const QString& text, const char* name);

    CScriptSession m_session;
    CEditHilite* m_input = nullptr;
    CEditHilite* m_output = nullptr;
    CScriptOutputBox m_outputBox;
    QCheckBox* m_stepMode = nullptr;
    QPushButton* m_run = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_ok = nullptr;
    bool m_slicePending = false;
};
