#pragma once

#include "platform/DialogAnswers.h"

#include <string>

/// What the rationality model dialog holds: the answer it will give and whether each sampling
/// block's fields are in use under the chosen model.
struct SRationalityFields {
    SRationalityModelAnswer answer;
    bool idealPointInUse = false;
    bool statusQuoInUse = false;
};

/// The code (0 "Sincere" to 5 "Uncertainty - Range") of a rationality model's name; -1 for any
/// other text.
int RationalityModelCode(const std::string& name);

/// Chooses a model and fills both blocks with its preset: shape (the default shape where the
/// block is in use), samples, resolution, salience 1 and complementarity 0. The resolution
/// sources stay as they are; a code outside 0 to 5 changes nothing.
void ApplyRationalityPreset(SRationalityFields& fields, int model, int defaultShape);
