#pragma once

#include "platform/DialogAnswers.h"

#include <QGroupBox>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

/// One sampling block of the rationality model dialog (ideal point or status quo): its shape
/// buttons, salience, complementarity, samples, resolution and the resolution's source.
class CSamplingBlockBox : public QGroupBox {
    Q_OBJECT

public:
    /// A block titled `title`; `prefix` starts the object names of its controls.
    CSamplingBlockBox(const QString& title, const QString& prefix, QWidget* parent = nullptr);

    /// Shows a block's values.
    void Show(const SSamplingBlockAnswer& block);
    /// The values the controls hold.
    SSamplingBlockAnswer Values() const;

private:
    QButtonGroup* m_shapes = nullptr;
    QLineEdit* m_salience = nullptr;
    QLineEdit* m_complementarity = nullptr;
    QLineEdit* m_samples = nullptr;
    QLineEdit* m_resolution = nullptr;
    QRadioButton* m_forAll = nullptr;
    QRadioButton* m_memberSpread = nullptr;
};

/// Adds the three shape buttons "Trade-Off", "City Block" and "Independent" (codes 3, 4 and 5)
/// to a layout-less group; object names are `prefix` followed by the code.
QButtonGroup* AddShapeButtons(QWidget& owner, class QBoxLayout& row, const QString& prefix);
