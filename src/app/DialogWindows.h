#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class CMember;
class CMemberDlg;
class CQueltaDoc;
class CScriptDlg;
class CScriptModel;
class QWidget;

/// The main window's dialogs that outlive a command: the one Script window and the open
/// modeless member dialogs, with the commands that open them.
class CDialogWindows : public QObject {
    Q_OBJECT

public:
    /// Dialogs of `doc` belonging to `window`.
    CDialogWindows(CQueltaDoc& doc, QWidget& window);

    /// What the Script window's scripts act through (not owned; nullptr: no scenario).
    void SetScriptModel(CScriptModel* model) { m_scriptModel = model; }
    /// The Script window, created with empty boxes when there is none yet.
    CScriptDlg& ScriptWindow();
    /// Shows the Script window (created when it does not exist) and brings it to the front.
    void OpenScriptWindow();
    /// File New Script: a whiteboard scenario first when nothing is loaded, then the window.
    void NewScript();
    /// File Open Script: asks for a script file and puts its lines into the Input box.
    void OpenScript();

    /// The "Member" command: the member dialog, modal, on the house in use.
    void OpenMemberEditor();
    /// A modeless member dialog for the member (an open one of the same member comes to the
    /// front instead).
    CMemberDlg* OpenMemberDialog(const CMember* member);
    /// The modeless member dialogs still open.
    std::vector<CMemberDlg*> MemberDialogs() const;
    /// A member's ideal point moved on the chart.
    void MemberMoved(const CMember* member);
    /// The document changed: every open member dialog shows its member again.
    void UpdateMemberDialogs();

private:
    void StartWhiteboardWhenNothingLoaded();

    CQueltaDoc& m_doc;
    QWidget& m_window;
    CScriptModel* m_scriptModel = nullptr;
    QPointer<CScriptDlg> m_script;
    std::vector<QPointer<CMemberDlg>> m_members;
};
