#include "preferences/PreferenceSpec.h"

#include <array>

PreferenceSpec PreferenceSpec::ForNewMember(int prefType) {
    PreferenceSpec spec;
    spec.prefType = ValidPreferenceType(prefType);
    spec.idealPoint.type = 0;
    spec.idealPoint.samples = 1;
    spec.statusQuo.type = 0;
    spec.statusQuo.samples = 1;
    return spec;
}

int ValidPreferenceType(int prefType) {
    return prefType >= PREF_UNIFIED && prefType <= PREF_EUM ? prefType : PREF_TRADEOFF;
}

int PreferenceTypeFromName(const std::string& name) {
    static const std::array<const char*, 8> names = {"unified",   "directional", "tradeoff",
                                                     "cityblock", "independent", "absolute",
                                                     "abstain",   "eum"};
    for (size_t i = 0; i < names.size(); ++i)
        if (name == names[i])
            return static_cast<int>(i) + 1;
    return PREF_TRADEOFF;
}

std::string ModelTypeName(int modelType) {
    static const std::array<const char*, 6> names = {
        "Sincere",           "Transaction Cost",   "Strategic - Core",
        "Strategic - Range", "Uncertainty - Core", "Uncertainty - Range"};
    if (modelType < 0 || modelType >= static_cast<int>(names.size()))
        return {};
    return names[static_cast<size_t>(modelType)];
}
