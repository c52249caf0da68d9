#include "app/DialogWindows.h"

#include "dialogs/MemberDlg.h"
#include "dialogs/ScriptDlg.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "script/ScriptFile.h"

#include <algorithm>

CDialogWindows::CDialogWindows(CQueltaDoc& doc, QWidget& window)
    : QObject(&window), m_doc(doc), m_window(window) {}

CScriptDlg& CDialogWindows::ScriptWindow() {
    if (!m_script)
        m_script = new CScriptDlg(m_scriptModel, &m_window);
    return *m_script;
}

void CDialogWindows::OpenScriptWindow() {
    CScriptDlg& window = ScriptWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void CDialogWindows::StartWhiteboardWhenNothingLoaded() {
    if (m_doc.Header().sourceKind == SOURCE_NONE)
        NewWhiteboard(m_doc);
}

void CDialogWindows::NewScript() {
    StartWhiteboardWhenNothingLoaded();
    OpenScriptWindow();
}

void CDialogWindows::OpenScript() {
    const auto file = AskAndReadScriptFile();
    if (!file)
        return;
    StartWhiteboardWhenNothingLoaded();
    OpenScriptWindow();
    m_script->SetScript(file->path, file->lines);
}

void CDialogWindows::OpenMemberEditor() {
    CMemberDlg dialog(m_doc, &m_window);
    dialog.exec();
}

CMemberDlg* CDialogWindows::OpenMemberDialog(const CMember* member) {
    for (CMemberDlg* open : MemberDialogs()) {
        if (open->Member() == member) {
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto* dialog = new CMemberDlg(m_doc, &m_window);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->ShowMember(member);
    dialog->show();
    m_members.emplace_back(dialog);
    return dialog;
}

std::vector<CMemberDlg*> CDialogWindows::MemberDialogs() const {
    std::vector<CMemberDlg*> open;
    for (const QPointer<CMemberDlg>& dialog : m_members)
        if (dialog && dialog->isVisible())
            open.push_back(dialog);
    return open;
}

void CDialogWindows::MemberMoved(const CMember* member) {
    for (CMemberDlg* dialog : MemberDialogs())
        dialog->MemberMoved(member);
}

void CDialogWindows::UpdateMemberDialogs() {
    std::erase_if(m_members, [](const QPointer<CMemberDlg>& dialog) { return dialog.isNull(); });
    for (CMemberDlg* dialog : MemberDialogs())
        dialog->UpdateFields();
}
