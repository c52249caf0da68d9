#pragma once

#include "app/MenuLayout.h"

#include <QObject>

#include <functional>
#include <map>

class CQueltaDoc;
class QAction;
class QMainWindow;
class QMenu;
class QToolBar;

/// The desktop's menus and toolbars, built from the document's command table: one action per
/// command with its menu text and accelerator, enabled and checked by the command's rules
/// before a menu opens and after every refresh, and running the command when chosen.
class CCommandMenus : public QObject {
    Q_OBJECT

public:
    /// Where the window puts its own items into a menu ("print" with the recent files, "about").
    using FWindowItems = std::function<void(const char* name, QMenu& menu)>;

    CCommandMenus(CQueltaDoc& doc, QMainWindow& window, FWindowItems windowItems);

    /// Brings every action's enabled and checked state up to date (clearing the flags of
    /// "Show" items that are not offered, as the command table says).
    void Refresh();
    /// The action of a command; nullptr when the menus do not offer it.
    QAction* Action(ECommandId id) const;
    QToolBar* MainToolBar() const { return m_mainBar; }
    QToolBar* WinSetToolBar() const { return m_winSetBar; }

signals:
    /// A command ran from a menu, a toolbar or its accelerator.
    void CommandRun(ECommandId id);

private:
    void Fill(QMenu& menu, const std::vector<SMenuEntry>& entries);
    QToolBar* MakeToolBar(const QString& title, const std::vector<SMenuEntry>& entries);
    QAction* ActionFor(ECommandId id);
    void Run(ECommandId id);

    CQueltaDoc& m_doc;
    QMainWindow& m_window;
    FWindowItems m_windowItems;
    std::map<ECommandId, QAction*> m_actions;
    QToolBar* m_mainBar = nullptr;
    QToolBar* m_winSetBar = nullptr;
    bool m_running = false;
};
