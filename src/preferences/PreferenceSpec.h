#pragma once

#include <string>

/// Preference type codes shared by the whole system.
enum EPreferenceType {
    PREF_UNIFIED = 1,
    PREF_DIRECTIONAL = 2,
    PREF_TRADEOFF = 3,
    PREF_CITYBLOCK = 4,
    PREF_INDEPENDENT = 5,
    PREF_ABSOLUTE = 6,
    PREF_ABSTAIN = 7,
    PREF_EUM = 8,
};

/// How a member's perception of a point (its ideal point or the status quo) is sampled when the
/// member is bounded-rational.
struct SSamplingSpec {
    int type = 3;
    double salience = 1.0;
    double complementarity = 0.0;
    int samples = 0;
    double resolution = 0.0;
    double discount = 1.0;
    double intensity = 0.0;
    double beta = 1.0;
    bool operator==(const SSamplingSpec&) const = default;
};

/// A member's preference settings: its own model and the sampling of its ideal point and of
/// the status quo.
struct PreferenceSpec {
    int modelType = 0;
    int prefType = PREF_TRADEOFF;
    double salience = 1.0;
    double complementarity = 0.0;
    double discount = 1.0;
    double intensity = 0.0;
    double beta = 1.0;
    SSamplingSpec idealPoint;
    SSamplingSpec statusQuo;

    bool operator==(const PreferenceSpec&) const = default;

    /// The settings a newly created member starts with (sampling types 0, one sample each).
    static PreferenceSpec ForNewMember(int prefType);
};

/// A valid preference type: codes 1 to 8 stand, anything else becomes trade-off (3).
int ValidPreferenceType(int prefType);

/// The type code of a default model name ("tradeoff", "eum", ...); 3 for unknown names.
int PreferenceTypeFromName(const std::string& name);

/// The name of a rationality model code ("Sincere", ...); empty for unknown codes.
std::string ModelTypeName(int modelType);
