#pragma once

#include "views/FindEntries.h"

#include <QDialog>

#include <vector>

class QButtonGroup;
class QLineEdit;
class QListWidget;

/// The find-committee and find-member dialogs behind the form's "?" button: the text to look
/// for (for members, searched by name, affiliation or committee) and the list entries holding
/// it. OK, or a double click on a found entry, answers that entry.
class CFindEntryDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog over the form list's entries; `listMode` (committees or members) picks which of
    /// the two it is.
    CFindEntryDlg(std::vector<SFormListEntry> entries, int listMode, QWidget* parent = nullptr);

    /// The position in the form's list of the found entry chosen (the only one found when none
    /// is chosen); -1 when there is none.
    int ChosenEntry() const;
    /// Puts a text into the search field, as if typed.
    void SetSearchText(const QString& text);

public slots:
    void accept() override;

private:
    void ShowFound();
    EFindKey Key() const;

    std::vector<SFormListEntry> m_entries;
    std::vector<int> m_found;
    QLineEdit* m_text = nullptr;
    QButtonGroup* m_keys = nullptr;
    QListWidget* m_list = nullptr;
};
