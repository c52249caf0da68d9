#include "app/EditActions.h"

#include "document/EditSteps.h"
#include "document/QueltaDoc.h"

#include <QAction>
#include <QMenu>

namespace {

/// "Undo Move Member", or "Undo" alone when there is no step.
QString StepText(const QString& verb, const std::string& name) {
    return name.empty() ? verb : verb + ' ' + QString::fromStdString(name);
}

} // namespace

CEditActions::CEditActions(CQueltaDoc& doc, QObject* parent, std::function<void()> afterStep)
    : QObject(parent), m_doc(doc), m_afterStep(std::move(afterStep)) {
    m_undo = new QAction(tr("&Undo"), this);
    m_undo->setShortcut(QKeySequence::Undo);
    connect(m_undo, &QAction::triggered, this, [this] { Step(true); });
    m_redo = new QAction(tr("&Redo"), this);
    m_redo->setShortcut(QKeySequence::Redo);
    connect(m_redo, &QAction::triggered, this, [this] { Step(false); });
    m_delete = new QAction(tr("&Delete Member"), this);
    m_delete->setShortcuts({QKeySequence::Delete, QKeySequence(Qt::Key_Backspace)});
    connect(m_delete, &QAction::triggered, this, &CEditActions::DeleteSelected);
    Refresh();
}

void CEditActions::AddToMenu(QMenu& menu) {
    connect(&menu, &QMenu::aboutToShow, this, &CEditActions::Refresh);
    menu.addAction(m_undo);
    menu.addAction(m_redo);
    menu.addSeparator();
    menu.addAction(m_delete);
}

void CEditActions::Refresh() {
    const CEditHistory& history = m_doc.History();
    const bool usable = history.Enabled() && !history.RestartPending() && !history.InGroup();
    // The actions stay enabled, so their keys work whenever an edit ends, however it ended;
    // a step that is not there is simply not taken.
    m_undo->setText(StepText(tr("&Undo"), usable ? history.UndoName() : std::string()));
    m_redo->setText(StepText(tr("&Redo"), usable ? history.RedoName() : std::string()));
    // Deleting asks for a member of the scenario, chosen in the form's list.
    m_delete->setEnabled(Selected() != nullptr && !history.InGroup());
}

const CMember* CEditActions::Selected() const {
    const CMember* member = m_selected ? m_selected() : nullptr;
    return m_doc.IsCurrentMember(member) ? member : nullptr;
}

void CEditActions::DeleteSelected() {
    const CMember* selected = Selected();
    if (!selected || m_doc.History().InGroup())
        return;
    m_doc.RemoveMember(m_doc.FindMember(selected->MemberID()));
    CommitEdit(m_doc, "Delete Member");
    m_afterStep();
    Refresh();
}

void CEditActions::Step(bool undo) {
    if (undo ? UndoEdit(m_doc) : RedoEdit(m_doc))
        m_afterStep();
    Refresh();
}
