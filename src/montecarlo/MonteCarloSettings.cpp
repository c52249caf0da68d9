#include "montecarlo/MonteCarloSettings.h"

#include "document/TextLines.h"
#include "platform/TextUtil.h"

#include <cmath>
#include <cstdio>
#include <vector>

int GeneratorPreferenceType(const std::string& name, int previous) {
    if (name == "Tradeoff")
        return 3;
    if (name == "City Block")
        return 4;
    if (name == "Directional")
        return 2;
    if (name == "Unified")
        return 1;
    return previous;
}

SMonteCarloSettings ReadMonteCarloSettings(const std::string& path) {
    std::string text;
    std::string cause;
    if (!ReadTextFile(path, text, cause))
        return {};
    const std::vector<std::string> lines = SplitLines(text);
    if (lines.size() != 10)
        return {};
    SMonteCarloSettings settings;
    settings.preferenceModel = lines[0];
    settings.members = ParseLong(lines[1]);
    settings.seed = ParseLong(lines[2]);
    settings.meanH = ParseDouble(lines[3]);
    settings.meanV = ParseDouble(lines[4]);
    settings.stdDevH = ParseDouble(lines[5]);
    settings.stdDevV = ParseDouble(lines[6]);
    settings.prefType = ParseLong(lines[7]);
    settings.distributionH = ParseLong(lines[8]);
    settings.distributionV = ParseLong(lines[9]);
    return settings;
}

std::string MonteCarloSettingsText(const SMonteCarloSettings& s) {
    return Format("%s\n%d\n%d\n%f\n%f\n%f\n%f\n%d\n%d\n%d\n", s.preferenceModel.c_str(), s.members,
                  s.seed, s.meanH, s.meanV, s.stdDevH, s.stdDevV, s.prefType, s.distributionH,
                  s.distributionV);
}

bool WriteMonteCarloSettings(const SMonteCarloSettings& settings, const std::string& path) {
    std::string cause;
    return WriteTextFileAtomically(path, MonteCarloSettingsText(settings), cause);
}

std::string MonteCarloSettingsProblem(const SMonteCarloSettings& s) {
    if (s.members < 0 || s.members > kMaxGeneratedMembers)
        return Format("\"Number of Members\" must be an integer from 0 to %d.",
                      kMaxGeneratedMembers);
    const bool normalH = s.distributionH == MC_NORMAL;
    const bool normalV = s.distributionV == MC_NORMAL;
    if ((normalH && !std::isfinite(s.meanH)) || (normalV && !std::isfinite(s.meanV)))
        return "\"Mean\" must be a finite number.";
    if ((normalH && !(s.stdDevH >= 0.0 && std::isfinite(s.stdDevH))) ||
        (normalV && !(s.stdDevV >= 0.0 && std::isfinite(s.stdDevV))))
        return "\"Std Dev\" must be a number of 0 or more.";
    return {};
}
