#pragma once

#include "document/InputLimits.h"

#include <optional>
#include <string>

class QLineEdit;

// Numeric fields that refuse what the scenario cannot take: the refused field is marked, says
// why in its tool tip and the status bar, and goes back to the value the model holds.

/// The field's number when it is within the limits of its kind; otherwise nothing, with the
/// field marked as refused and the status bar saying why. An accepted number clears the mark.
std::optional<double> ReadNumberField(QLineEdit& field, ENumberKind kind, double wholeLimit = 0.0);

/// The text a numeric field shows for a value: the form's number format where it reads back as
/// the value in fixed form ("12.500", "50"), otherwise the shortest text that does ("50001",
/// "100000", "1e-05", "1e+20"), so a field never shows a rounded quota or position that a
/// Return would put in the value's place.
std::string NumberFieldText(double value);

/// Marks a field as holding refused text and shows why in the status bar.
void MarkFieldRefused(QLineEdit& field, const std::string& why);

/// Whether the field carries the refused mark.
bool IsFieldRefused(const QLineEdit& field);
