#pragma once

#include "import/ImportFlow.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QSpinBox;
class QStackedWidget;

/// The "Import" dialog: the kind of file (a member file of the roll-call archive or a table of
/// the user's own), the file, and what to read from it. OK closes it only when the settings can
/// be read.
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CImportDlg(const SImportSource& initial, QWidget* parent = nullptr);

    /// The settings the fields hold; nothing (after a message naming the field) when they
    /// cannot be read.
    std::optional<SImportSource> Answer();

public slots:
    void accept() override;

private:
    QWidget* RollCallPage(const SRollCallOptions& options);
    QWidget* TablePage(const SCsvColumns& columns);
    void Browse();

    QComboBox* m_format = nullptr;
    QLineEdit* m_file = nullptr;
    QStackedWidget* m_pages = nullptr;
    QSpinBox* m_congress = nullptr;
    QComboBox* m_chamber = nullptr;
    QComboBox* m_scores = nullptr;
    QLineEdit* m_columns[6] = {};
};
