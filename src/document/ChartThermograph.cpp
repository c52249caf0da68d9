#include "document/ChartThermograph.h"

#include "document/QueltaDoc.h"
#include "document/TextLines.h"
#include "platform/Platform.h"
#include "thermograph/CustomDistribution.h"

namespace {

bool g_distributionFilesWritten = false;

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

/// Writes the distribution file of a titled document that keeps one; a file that cannot be
/// written is reported and the map is kept.
void WriteDistributionFile(const CQueltaDoc& doc) {
    const std::string& path = doc.PathName();
    if (!g_distributionFilesWritten || path == "*")
        return;
    const std::string name = CustomDistributionFileName(path);
    std::string cause;
    if (!WriteTextFileAtomically(name, CustomDistributionText(doc.Thermograph().Grid().levels),
                                 cause))
        MessageBoxOk(name + "\n" + cause);
}

} // namespace

void SetDistributionFilesWritten(bool on) {
    g_distributionFilesWritten = on;
}

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
    if (mode == THERMO_CUSTOM) {
        const bool fresh = doc.Thermograph().IsFresh(doc.Game(), mode, settings);
        if (!MapCustomDistribution(doc.Thermograph(), doc.Game(), settings))
            return false;
        if (!fresh)
            WriteDistributionFile(doc);
        return true;
    }
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
