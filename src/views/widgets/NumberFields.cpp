#include "views/widgets/NumberFields.h"

#include "dialogs/DialogFields.h"
#include "model/FormatNumber.h"
#include "platform/Platform.h"

#include <QLineEdit>

#include <cmath>

namespace {

const char* const kRefusedProperty = "refused";

void ClearRefusal(QLineEdit& field) {
    if (!IsFieldRefused(field))
        return;
    field.setProperty(kRefusedProperty, false);
    field.setStyleSheet(QString());
    field.setToolTip(QString());
    Platform().SetStatusText(0, " ");
}

} // namespace

void MarkFieldRefused(QLineEdit& field, const std::string& why) {
    field.setProperty(kRefusedProperty, true);
    field.setStyleSheet("QLineEdit { background: #ffd8d8; border: 1px solid #c00000; }");
    field.setToolTip(QString::fromStdString(why));
    Platform().SetStatusText(0, why);
}

bool IsFieldRefused(const QLineEdit& field) {
    return field.property(kRefusedProperty).toBool();
}

std::string NumberFieldText(double value) {
    const QString formatted = QString::fromStdString(FormatNumber(value)).trimmed();
    bool ok = false;
    if (!std::isfinite(value) ||
        (!formatted.contains('e') && formatted.toDouble(&ok) == value && ok))
        return formatted.toStdString();
    return NumberText(value).toStdString();
}

std::optional<double> ReadNumberField(QLineEdit& field, ENumberKind kind, double wholeLimit) {
    std::string why;
    const std::optional<double> value =
        CheckedNumber(field.text().toStdString(), kind, why, wholeLimit);
    if (value)
        ClearRefusal(field);
    else
        MarkFieldRefused(field, why);
    return value;
}
