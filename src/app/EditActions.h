#pragma once

#include <QObject>

#include <functional>

class CMember;
class CQueltaDoc;
class QAction;
class QMenu;

/// The Edit menu's Undo and Redo over the document's edit history, with the platform's
/// standard keys and the names of the steps they take back or replay, and "Delete Member" for
/// the selected member on Delete and Backspace (an edit like any other, so it asks nothing).
class CEditActions : public QObject {
    Q_OBJECT

public:
    /// `afterStep` runs after every undo or redo (the window refreshes its views).
    CEditActions(CQueltaDoc& doc, QObject* parent, std::function<void()> afterStep);

    /// Where "Delete Member" finds the selected member (nullptr: none).
    void SetSelectedMember(std::function<const CMember*()> selected) {
        m_selected = std::move(selected);
    }
    /// Adds Undo, Redo and "Delete Member" to a menu.
    void AddToMenu(QMenu& menu);
    /// Brings the texts and the enabled states up to date with the history and the selected
    /// member.
    void Refresh();
    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }
    QAction* DeleteAction() const { return m_delete; }

private:
    void Step(bool undo);
    void DeleteSelected();
    const CMember* Selected() const;

    CQueltaDoc& m_doc;
    std::function<void()> m_afterStep;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QAction* m_delete = nullptr;
    std::function<const CMember*()> m_selected;
};
