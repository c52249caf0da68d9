#include "dialogs/BenefitOfDoubtDlg.h"

#include "model/FormatNumber.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

CBenefitOfDoubtDlg::CBenefitOfDoubtDlg(double current, QWidget* parent)
    : QDialog(parent), m_value(current) {
    setWindowTitle(tr("Benefit of the Doubt"));
    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName("value");
    m_slider->setRange(0, kBenefitOfDoubtSteps);
    m_slider->setPageStep(kBenefitOfDoubtSteps / 10);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(kBenefitOfDoubtSteps / 10);
    m_slider->setMinimumWidth(240);
    m_slider->setValue(std::clamp(static_cast<int>(std::lround(current * kBenefitOfDoubtSteps)), 0,
                                  kBenefitOfDoubtSteps));
    m_shown = new QLabel;
    m_shown->setObjectName("shown");
    m_shown->setMinimumWidth(m_shown->fontMetrics().horizontalAdvance("0.0000"));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("Min")));
    row->addWidget(m_slider, 1);
    row->addWidget(new QLabel(tr("Max")));
    row->addSpacing(8);
    row->addWidget(m_shown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_slider, &QSlider::valueChanged, this, [this](int step) {
        m_value = static_cast<double>(step) / kBenefitOfDoubtSteps;
        ShowValue();
    });
    ShowValue();
}

void CBenefitOfDoubtDlg::ShowValue() {
    m_shown->setText(QString::fromStdString(FormatNumber(m_value)));
}
