#pragma once

#include "platform/DialogAnswers.h"

#include <QDialog>

#include <vector>

class QLabel;
class QListWidget;

/// The member-selection dialog ("Select Subgroup", "Select Candidates"): the offered members
/// as a list of check boxes, with buttons that tick all or none. It only fills the answer.
class CMemberSubsetDlg : public QDialog {
    Q_OBJECT

public:
    CMemberSubsetDlg(const QString& title, const std::vector<SMemberChoice>& members,
                     QWidget* parent = nullptr);

    /// The IDs of the ticked members, in list order.
    SMemberSubsetAnswer Answer() const;

private:
    void TickAll(bool on);
    void ShowCount();

    std::vector<SMemberChoice> m_members;
    QListWidget* m_list = nullptr;
    QLabel* m_count = nullptr;
};
