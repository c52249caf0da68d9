#include "document/ScenarioOptions.h"

#include "document/ConfigBounds.h"
#include "document/DisplayCommands.h"
#include "document/ModelCommands.h"
#include "document/PreferenceCorrelation.h"
#include "document/QueltaDoc.h"
#include "model/InputLimits.h"
#include "platform/TextUtil.h"
#include "preferences/PreferenceSpec.h"

#include <cmath>

namespace {

constexpr int kSmallestChartSide = 6;

/// The key of the default preference model, which lives in the scenario rather than in the
/// configuration block.
constexpr const char* kDefaultModelKey = "defaultModelName";

/// Whether a name is one of the default model names.
bool IsDefaultModelName(const std::string& name) {
    return name == "tradeoff" || PreferenceTypeFromName(name) != PREF_TRADEOFF;
}

/// A switch changed by name does what the command that switches it does, so the game and the
/// members follow the flag as they would in the desktop.
void ApplySwitchOfKey(CQueltaDoc& doc, const std::string& key) {
    DisplayConfig& config = doc.Config();
    if (ConfigKeySetsFlag(key, &DisplayConfig::flagVoteWt))
        SetVoteWeightedSwitch(doc, config.flagVoteWt);
    else if (ConfigKeySetsFlag(key, &DisplayConfig::flagVoteProb))
        SetVoteProbabilisticSwitch(doc, config.flagVoteProb);
    else if (ConfigKeySetsFlag(key, &DisplayConfig::flagPrefRational))
        SetRationalSwitch(doc, config.flagPrefRational);
    else if (ConfigKeySetsFlag(key, &DisplayConfig::flagPrefCorrelated))
        SetCorrelatedSwitch(doc, config.flagPrefCorrelated);
    else if (const SShowItem* item = FindShowItemByKey(key))
        SetShowFlag(doc, item->id, config.*(item->flag));
}

} // namespace

std::string ApplyConfigSetting(CQueltaDoc& doc, const std::string& key, const std::string& value) {
    if (EqualsNoCase(key, kDefaultModelKey)) {
        if (!IsDefaultModelName(value))
            return "the model is one of tradeoff, cityblock, independent, directional, unified, "
                   "absolute, abstain, eum";
        SetDefaultModel(doc, value);
        return {};
    }
    // A refused value leaves the block as it was.
    DisplayConfig trial = doc.Config();
    if (key.empty() || !trial.SetValue(key, value))
        return kUnknownSetting;
    if (std::string problem = ConfigValueProblem(trial, key); !problem.empty())
        return problem;
    doc.Config() = trial;
    ApplySwitchOfKey(doc, key);
    return {};
}

bool ChartSizeUsable(const DisplayConfig& config, const SSizeSpec& size) {
    DisplayConfig trial = config;
    trial.szChart = size;
    return size.cx >= kSmallestChartSide && size.cy >= kSmallestChartSide &&
           ConfigValueProblem(trial, "szChart").empty();
}

bool ChartZoomUsable(double zoom) {
    return zoom >= kSmallestZoom && zoom <= kLargestZoom;
}

bool PointUsable(double h, double v) {
    return std::fabs(h) <= kLargestCoordinate && std::fabs(v) <= kLargestCoordinate;
}
