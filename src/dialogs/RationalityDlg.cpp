#include "dialogs/RationalityDlg.h"

#include "dialogs/SamplingBlockBox.h"
#include "preferences/PreferenceSpec.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kInitialDefaultShape = 3;

} // namespace

CRationalityDlg::CRationalityDlg(const std::vector<SCommitteeChoice>& committees, QWidget* parent)
    : QDialog(parent), m_committees(committees) {
    setWindowTitle(tr("Rationality Model"));
    m_committeeList = new QListWidget;
    m_committeeList->setObjectName("committees");
    for (const SCommitteeChoice& choice : m_committees)
        m_committeeList->addItem(QString::fromStdString(choice.text));
    m_models = new QComboBox;
    m_models->setObjectName("model");
    for (int model = 0; model < 6; ++model)
        m_models->addItem(QString::fromStdString(ModelTypeName(model)));
    auto* defaults = new QGroupBox(tr("Default Distribution"));
    auto* defaultRow = new QHBoxLayout(defaults);
    m_defaultShape = AddShapeButtons(*this, *defaultRow, "default");
    m_defaultShape->button(kInitialDefaultShape)->setChecked(true);
    m_idealPoint = new CSamplingBlockBox(tr("Ideal Point"), "ip");
    m_statusQuo = new CSamplingBlockBox(tr("Status Quo"), "sq");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    auto* left = new QFormLayout;
    auto* committeeLabel = new QLabel(tr("&Committee:"));
    committeeLabel->setBuddy(m_committeeList);
    left->addRow(committeeLabel);
    left->addRow(m_committeeList);
    auto* modelLabel = new QLabel(tr("&Model:"));
    modelLabel->setBuddy(m_models);
    left->addRow(modelLabel, m_models);
    left->addRow(defaults);
    auto* blocks = new QHBoxLayout;
    blocks->addWidget(m_idealPoint);
    blocks->addWidget(m_statusQuo);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addLayout(blocks, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_models, &QComboBox::textActivated, this, &CRationalityDlg::ChooseModel);
    ApplyRationalityPreset(m_fields, 0, kInitialDefaultShape);
    ShowFields();
}

void CRationalityDlg::ChooseModel(const QString& name) {
    const int model = RationalityModelCode(name.toStdString());
    if (model < 0)
        return;
    // The presets keep the resolution sources the user set.
    m_fields.answer.idealPoint = m_idealPoint->Values();
    m_fields.answer.statusQuo = m_statusQuo->Values();
    ApplyRationalityPreset(m_fields, model, m_defaultShape->checkedId());
    ShowFields();
}

void CRationalityDlg::ShowFields() {
    m_models->setCurrentIndex(m_fields.answer.model);
    m_idealPoint->Show(m_fields.answer.idealPoint);
    m_statusQuo->Show(m_fields.answer.statusQuo);
    m_idealPoint->setEnabled(m_fields.idealPointInUse);
    m_statusQuo->setEnabled(m_fields.statusQuoInUse);
}

SRationalityModelAnswer CRationalityDlg::Answer() const {
    SRationalityModelAnswer answer;
    const int row = m_committeeList->currentRow();
    if (row >= 0 && m_committeeList->currentItem()->isSelected())
        answer.committeeId = m_committees[static_cast<std::size_t>(row)].id;
    answer.model = m_fields.answer.model;
    answer.idealPoint = m_idealPoint->Values();
    answer.statusQuo = m_statusQuo->Values();
    return answer;
}
