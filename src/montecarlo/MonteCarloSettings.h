#pragma once

#include <string>

/// Distribution codes of one issue dimension of the Monte Carlo draw.
enum EMonteCarloDistribution { MC_UNIFORM = 1, MC_NORMAL = 2 };

/// The largest member count the generators accept: enough for any legislature, small enough
/// that a mistyped count is refused before anything is allocated.
constexpr int kMaxGeneratedMembers = 100000;

/// The settings of the Monte Carlo draw, as the "Monte Carlo" dialog shows them and
/// `queltamc.txt` stores them.
struct SMonteCarloSettings {
    std::string preferenceModel = "Tradeoff";
    int members = 0;
    /// The uniform generator's state; every draw leaves the updated state here.
    int seed = -1;
    double meanH = 0.0;
    double meanV = 0.0;
    double stdDevH = 0.0;
    double stdDevV = 0.0;
    int prefType = 3;
    int distributionH = MC_UNIFORM;
    int distributionV = MC_UNIFORM;

    bool operator==(const SMonteCarloSettings&) const = default;
};

/// The preference type of a generator's model name ("Tradeoff" 3, "City Block" 4,
/// "Directional" 2, "Unified" 1); any other name gives `previous`.
int GeneratorPreferenceType(const std::string& name, int previous);

/// The settings stored in a settings file: its ten lines when it has exactly ten, the defaults
/// otherwise (also when the file is missing or unreadable).
SMonteCarloSettings ReadMonteCarloSettings(const std::string& path = "queltamc.txt");

/// The text of the settings file: one value per line, ten lines.
std::string MonteCarloSettingsText(const SMonteCarloSettings& settings);

/// Writes the settings file (created or truncated); false when it cannot be written.
bool WriteMonteCarloSettings(const SMonteCarloSettings& settings,
                             const std::string& path = "queltamc.txt");

/// Why the settings cannot be drawn (a member count out of range, a negative or non-finite
/// spread, a non-finite mean); empty when they can.
std::string MonteCarloSettingsProblem(const SMonteCarloSettings& settings);
