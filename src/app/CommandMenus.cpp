#include "app/CommandMenus.h"

#include "app/ToolIcons.h"
#include "document/Commands.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

CCommandMenus::CCommandMenus(CQueltaDoc& doc, QMainWindow& window, FWindowItems windowItems)
    : QObject(&window), m_doc(doc), m_window(window), m_windowItems(std::move(windowItems)) {
    for (const SMenuEntry& top : MenuLayout()) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(top.title));
        Fill(*menu, top.entries);
    }
    m_mainBar = MakeToolBar(tr("Main"), MainToolbarLayout());
    m_winSetBar = MakeToolBar(tr("Win Set"), WinSetToolbarLayout());
    Refresh();
}

void CCommandMenus::Fill(QMenu& menu, const std::vector<SMenuEntry>& entries) {
    // A menu shows the state of the moment it opens.
    connect(&menu, &QMenu::aboutToShow, this, &CCommandMenus::Refresh);
    for (const SMenuEntry& entry : entries) {
        switch (entry.kind) {
        case SMenuEntry::EKind::Command:
            if (QAction* action = ActionFor(entry.id))
                menu.addAction(action);
            break;
        case SMenuEntry::EKind::Separator:
            menu.addSeparator();
            break;
        case SMenuEntry::EKind::Submenu:
            Fill(*menu.addMenu(QString::fromUtf8(entry.title)), entry.entries);
            break;
        case SMenuEntry::EKind::WindowItems:
            if (m_windowItems)
                m_windowItems(entry.title, menu);
            break;
        }
    }
}

QToolBar* CCommandMenus::MakeToolBar(const QString& title, const std::vector<SMenuEntry>& entries) {
    QToolBar* bar = m_window.addToolBar(title);
    bar->setObjectName(title + " toolbar");
    bar->setIconSize(QSize(24, 24));
    for (const SMenuEntry& entry : entries) {
        if (entry.kind == SMenuEntry::EKind::Separator)
            bar->addSeparator();
        else if (QAction* action = ActionFor(entry.id))
            bar->addAction(action);
    }
    return bar;
}

QAction* CCommandMenus::ActionFor(ECommandId id) {
    if (const auto it = m_actions.find(id); it != m_actions.end())
        return it->second;
    const SCommand* command = FindCommand(id);
    if (!command)
        return nullptr;
    // The menu text carries its own shortcut label after the tab; the accelerator is the key
    // that runs it.
    QAction* action = new QAction(QString::fromUtf8(command->menuText), this);
    if (command->accelerator && *command->accelerator)
        action->setShortcut(QKeySequence(QString::fromUtf8(command->accelerator)));
    action->setCheckable(command->checked != nullptr || command->showFlag != nullptr);
    action->setIcon(ToolIcon(id));
    const QString tip = QString::fromUtf8(command->menuText).section('\t', 0, 0).trimmed();
    action->setToolTip(tip);
    action->setStatusTip(tip);
    connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    m_actions[id] = action;
    return action;
}

void CCommandMenus::Run(ECommandId id) {
    // A command that opens a dialog or runs an event loop must not be entered twice.
    if (m_running)
        return;
    m_running = true;
    RunCommand(m_doc, id);
    m_running = false;
    Refresh();
    emit CommandRun(id);
}

void CCommandMenus::Refresh() {
    for (const auto& [id, action] : m_actions) {
        const SCommandState state = UpdateCommandState(m_doc, id);
        action->setEnabled(state.enabled);
        if (action->isCheckable())
            action->setChecked(state.checked);
    }
}

QAction* CCommandMenus::Action(ECommandId id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}
