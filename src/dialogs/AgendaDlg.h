#pragma once

#include "platform/DialogAnswers.h"

#include <QDialog>

#include <optional>

class QLineEdit;

/// The "Agenda" dialog: how many proposals the agenda moves the status quo through. OK closes
/// it only when the number is in range.
class CAgendaDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAgendaDlg(const SAgendaSettings& initial, QWidget* parent = nullptr);

    /// The settings the field holds when in range; nothing (after a message) otherwise.
    std::optional<SAgendaSettings> Answer();

public slots:
    void accept() override;

private:
    QLineEdit* m_iterations = nullptr;
};
