#include "dialogs/SamplingBlockBox.h"

#include "document/MemberEditor.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString NumberText(double value) {
    return QLocale::c().toString(value, 'g', 10);
}

double Number(const QLineEdit* field) {
    return FieldNumber(field->text().toStdString());
}

} // namespace

QButtonGroup* AddShapeButtons(QWidget& owner, QBoxLayout& row, const QString& prefix) {
    auto* group = new QButtonGroup(&owner);
    const struct {
        const char* text;
        int shape;
    } shapes[] = {{"Trade-Off", 3}, {"City Block", 4}, {"Independent", 5}};
    for (const auto& entry : shapes) {
        auto* button = new QRadioButton(QObject::tr(entry.text));
        button->setObjectName(prefix + QString::number(entry.shape));
        group->addButton(button, entry.shape);
        row.addWidget(button);
    }
    return group;
}

CSamplingBlockBox::CSamplingBlockBox(const QString& title, const QString& prefix, QWidget* parent)
    : QGroupBox(title, parent) {
    auto* layout = new QVBoxLayout(this);
    auto* shapes = new QHBoxLayout;
    m_shapes = AddShapeButtons(*this, *shapes, prefix + "Shape");
    layout->addLayout(shapes);
    auto* form = new QFormLayout;
    auto field = [&](const char* name, const QString& label) {
        auto* edit = new QLineEdit;
        edit->setObjectName(prefix + name);
        form->addRow(label, edit);
        return edit;
    };
    m_salience = field("Salience", tr("Salience"));
    m_complementarity = field("Complementarity", tr("Complementarity"));
    m_samples = field("Samples", tr("Samples"));
    m_resolution = field("Resolution", tr("Resolution"));
    layout->addLayout(form);
    m_forAll = new QRadioButton(tr("Use resolution for all"));
    m_memberSpread = new QRadioButton(tr("Use member std dev"));
    m_forAll->setObjectName(prefix + "ForAll");
    m_memberSpread->setObjectName(prefix + "MemberSpread");
    m_forAll->setChecked(true);
    layout->addWidget(m_forAll);
    layout->addWidget(m_memberSpread);
    layout->addStretch(1);
}

void CSamplingBlockBox::Show(const SSamplingBlockAnswer& block) {
    // Shape 0 (no blur) has no button: every button is cleared.
    m_shapes->setExclusive(false);
    for (QAbstractButton* button : m_shapes->buttons())
        button->setChecked(m_shapes->id(button) == block.shape);
    m_shapes->setExclusive(true);
    m_salience->setText(NumberText(block.salience));
    m_complementarity->setText(NumberText(block.complementarity));
    m_samples->setText(QString::number(block.samples));
    m_resolution->setText(NumberText(block.resolution));
    (block.useMemberSpread ? m_memberSpread : m_forAll)->setChecked(true);
}

SSamplingBlockAnswer CSamplingBlockBox::Values() const {
    SSamplingBlockAnswer block;
    block.shape = m_shapes->checkedId() < 0 ? 0 : m_shapes->checkedId();
    block.salience = Number(m_salience);
    block.complementarity = Number(m_complementarity);
    block.samples = static_cast<int>(Number(m_samples));
    block.resolution = Number(m_resolution);
    block.useMemberSpread = m_memberSpread->isChecked();
    return block;
}
