#pragma once

#include <QString>

#include <optional>
#include <string>

class QLineEdit;

// Reading the typed numbers of a dialog's fields, and refusing a value the dialog cannot take.

/// The field's text as a number; nothing when it is not one.
std::optional<double> FieldNumber(const QLineEdit& field);
/// The field's text as a whole number; nothing when it is not one.
std::optional<int> FieldInteger(const QLineEdit& field);
/// A number as a field shows it (the shortest text that reads back as the same number).
QString NumberText(double value);
/// Shows why a value is refused and puts the cursor back into the field that holds it, with
/// its text selected for retyping.
void RefuseField(QLineEdit& field, const std::string& problem);
