#include "document/ChartThermograph.h"

#include "document/QueltaDoc.h"
#include "thermograph/CustomDistribution.h"

namespace {

bool IsKnownMode(int mode) {
    switch (mode) {
    case THERMO_TOTAL:
    case THERMO_DECISION:
    case THERMO_MARGINAL:
    case THERMO_MEMBERS:
    case THERMO_QUOTALINES:
    case THERMO_AREA:
    case THERMO_RADIUS:
    case THERMO_BOD:
    case THERMO_CUSTOM:
        return true;
    default:
        return false;
    }
}

int ShownMode(const CQueltaDoc& doc) {
    if (!doc.IsReady() || !doc.Config().flagThermo)
        return 0;
    const int mode = ThermographMode(doc.Config().typeThermo);
    return IsKnownMode(mode) ? mode : 0;
}

/// The distribution file's document name: none while the document is untitled.
std::string DistributionDocumentName(const CQueltaDoc& doc) {
    const std::string& path = doc.PathName();
    return path == "*" ? std::string() : path;
}

} // namespace

SThermographSettings ThermographSettingsOf(const DisplayConfig& config) {
    return {config.nUncoveredSet, config.bExcludeYolk, config.bUncoveredSetBJS, 0};
}

bool IsLongThermographMode(int mode) {
    return mode == THERMO_AREA || mode == THERMO_RADIUS || mode == THERMO_BOD ||
           mode == THERMO_CUSTOM;
}

bool ChartThermographPending(const CQueltaDoc& doc) {
    const int mode = ShownMode(doc);
    return IsLongThermographMode(mode) &&
           !doc.Thermograph().IsFresh(doc.Game(), mode, ThermographSettingsOf(doc.Config()));
}

bool UpdateChartThermograph(CQueltaDoc& doc) {
    const int mode = ShownMode(doc);
    if (mode == 0)
        return true;
    const SThermographSettings settings = ThermographSettingsOf(doc.Config());
    if (mode == THERMO_CUSTOM)
        return WriteCustomDistribution(doc.Thermograph(), doc.Game(), DistributionDocumentName(doc),
                                       settings);
    return doc.Thermograph().MapThermographValues(doc.Game(), mode, settings);
}

void WithdrawCancelledThermograph(CQueltaDoc& doc) {
    const CThermograph& thermograph = doc.Thermograph();
    const int kept = thermograph.Grid().mode;
    DisplayConfig& config = doc.Config();
    if (kept != 0 && thermograph.IsFresh(doc.Game(), kept, ThermographSettingsOf(config)))
        config.typeThermo = (config.typeThermo & 6) | kept;
    else
        config.flagThermo = 0;
}
