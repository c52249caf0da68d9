#include "dialogs/AgendaDlg.h"

#include "dialogs/DialogFields.h"
#include "document/Agenda.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

CAgendaDlg::CAgendaDlg(const SAgendaSettings& initial, QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Agenda"));
    m_iterations = new QLineEdit(QString::number(initial.iterations));
    m_iterations->setObjectName("iterations");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* form = new QFormLayout;
    form->addRow(tr("&Number of Iterations:"), m_iterations);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAgendaDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<SAgendaSettings> CAgendaDlg::Answer() {
    SAgendaSettings settings;
    settings.iterations = FieldInteger(*m_iterations).value_or(0);
    if (const std::string problem = AgendaSettingsProblem(settings); !problem.empty()) {
        RefuseField(*m_iterations, problem);
        return std::nullopt;
    }
    return settings;
}

void CAgendaDlg::accept() {
    if (Answer())
        QDialog::accept();
}
