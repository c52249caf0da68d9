#pragma once

#include "platform/DialogAnswers.h"

#include <QDialog>
#include <QStringList>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

/// The "Win Set List Editor": the saved win sets ("List of Win Sets") with several selectable
/// at once, the four combinations, Capture and Delete. The list it shows follows every edit the
/// way the document's list will when the edits are applied; OK hands back the edits in order,
/// Cancel discards them.
class CWinSetListDlg : public QDialog {
    Q_OBJECT

public:
    /// A dialog over the list's entry labels ("2", or "4\t( 1 or 2 or 3 )" for a combination).
    explicit CWinSetListDlg(const std::vector<std::string>& labels, QWidget* parent = nullptr);

    /// The edits made, in order.
    SWinSetListAnswer Answer() const { return m_answer; }

    /// Combines the selected entries (RGN_OR, RGN_AND, RGN_XOR or RGN_DIFF) into a new entry.
    void Combine(int mode);
    /// Makes the one selected entry the captured win set.
    void Capture();
    /// Deletes the selected entries.
    void Delete();

private:
    /// The selected entries, from 0, in list order.
    std::vector<std::size_t> Selected() const;
    void ShowList();
    void OfferButtons();

    /// Each entry's description: empty for a saved win set, "1 or 2" for a combination.
    QStringList m_descriptions;
    SWinSetListAnswer m_answer;
    QListWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    std::vector<QPushButton*> m_combineButtons;
    QPushButton* m_capture = nullptr;
    QPushButton* m_delete = nullptr;
};
