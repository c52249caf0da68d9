#include "dialogs/RegularPolygonDlg.h"

#include "dialogs/DialogFields.h"
#include "document/ScenarioGenerators.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include <limits>

CRegularPolygonDlg::CRegularPolygonDlg(const SRegularPolygonSettings& initial, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Regular Polygon Model"));
    m_radius = new QLineEdit(NumberText(initial.radius));
    m_radius->setObjectName("radius");
    m_members = new QLineEdit(QString::number(initial.members));
    m_members->setObjectName("members");
    m_model = new QComboBox;
    m_model->setObjectName("model");
    for (const char* name : {"Tradeoff", "City Block", "Directional", "Unified"})
        m_model->addItem(QString::fromUtf8(name));
    m_model->setCurrentText(QString::fromStdString(initial.preferenceModel));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* form = new QFormLayout;
    form->addRow(tr("&Radial Distance (0 to 100):"), m_radius);
    form->addRow(tr("&Number of Members (3 to 1000):"), m_members);
    form->addRow(tr("Default &Preference Model:"), m_model);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &CRegularPolygonDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<SRegularPolygonSettings> CRegularPolygonDlg::Answer() {
    SRegularPolygonSettings settings;
    settings.preferenceModel = m_model->currentText().toStdString();
    // Text that is no number is out of range too.
    settings.radius = FieldNumber(*m_radius).value_or(std::numeric_limits<double>::quiet_NaN());
    settings.members = FieldInteger(*m_members).value_or(0);
    const std::string problem = RegularPolygonSettingsProblem(settings);
    if (problem.empty())
        return settings;
    // The message names its field; the cursor goes back there.
    RefuseField(problem.find("Radial Distance") != std::string::npos ? *m_radius : *m_members,
                problem);
    return std::nullopt;
}

void CRegularPolygonDlg::accept() {
    if (Answer())
        QDialog::accept();
}
