#pragma once

#include "platform/DialogAnswers.h"

#include <QDialog>

class QLabel;
class QSlider;

/// The benefit-of-the-doubt dialog: a slider from "Min" (0) to "Max" (1) in hundredths, with
/// the value it stands for beside it. A value that the slider cannot show is kept until the
/// slider moves.
class CBenefitOfDoubtDlg : public QDialog {
    Q_OBJECT

public:
    explicit CBenefitOfDoubtDlg(double current, QWidget* parent = nullptr);

    SBenefitOfDoubtAnswer Answer() const { return {m_value}; }

private:
    void ShowValue();

    double m_value;
    QSlider* m_slider = nullptr;
    QLabel* m_shown = nullptr;
};

/// The slider's steps between "Min" and "Max".
constexpr int kBenefitOfDoubtSteps = 100;
