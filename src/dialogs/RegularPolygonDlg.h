#pragma once

#include "platform/DialogAnswers.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;

/// The "Regular Polygon Model" dialog: the radial distance, the number of members and their
/// default preference model. OK closes it only when the values are in range.
class CRegularPolygonDlg : public QDialog {
    Q_OBJECT

public:
    explicit CRegularPolygonDlg(const SRegularPolygonSettings& initial, QWidget* parent = nullptr);

    /// The settings the fields hold when they are in range; nothing (after a message naming
    /// the field) otherwise.
    std::optional<SRegularPolygonSettings> Answer();

public slots:
    void accept() override;

private:
    QLineEdit* m_radius = nullptr;
    QLineEdit* m_members = nullptr;
    QComboBox* m_model = nullptr;
};
