#include "dialogs/DialogFields.h"

#include "platform/Platform.h"

#include <QLineEdit>

std::optional<double> FieldNumber(const QLineEdit& field) {
    bool ok = false;
    const double value = field.text().trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

std::optional<int> FieldInteger(const QLineEdit& field) {
    bool ok = false;
    const int value = field.text().trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString NumberText(double value) {
    const QString shortText = QString::number(value, 'g', 15);
    return shortText.toDouble() == value ? shortText : QString::number(value, 'g', 17);
}

void RefuseField(QLineEdit& field, const std::string& problem) {
    MessageBoxOk(problem);
    field.setFocus();
    field.selectAll();
}
