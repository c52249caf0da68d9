#include "document/RationalityPresets.h"

#include "preferences/PreferenceSpec.h"

namespace {

/// The preset of one block: in use it samples ten times at resolution ten in the default
/// shape; out of use it takes the one unblurred sample.
void PresetBlock(SSamplingBlockAnswer& block, bool inUse, int defaultShape) {
    block.shape = inUse ? defaultShape : 0;
    block.samples = inUse ? 10 : 1;
    block.resolution = inUse ? 10.0 : 0.0;
    block.salience = 1.0;
    block.complementarity = 0.0;
}

} // namespace

int RationalityModelCode(const std::string& name) {
    for (int model = 0; model < 6; ++model)
        if (ModelTypeName(model) == name)
            return model;
    return -1;
}

void ApplyRationalityPreset(SRationalityFields& fields, int model, int defaultShape) {
    if (model < 0 || model > 5)
        return;
    // Transaction cost blurs the status quo, the strategic models the ideal point, the
    // uncertainty models both.
    const bool idealPoint = model >= 2;
    const bool statusQuo = model == 1 || model >= 4;
    fields.answer.model = model;
    fields.idealPointInUse = idealPoint;
    fields.statusQuoInUse = statusQuo;
    PresetBlock(fields.answer.idealPoint, idealPoint, defaultShape);
    PresetBlock(fields.answer.statusQuo, statusQuo, defaultShape);
}
