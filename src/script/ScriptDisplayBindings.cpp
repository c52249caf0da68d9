// Model functions that switch the chart's displays.
#include "document/DisplayCommands.h"
#include "document/QueltaDoc.h"
#include "script/ScriptBindings.h"

namespace {

/// Sets a display switch as its menu command does when turned to the value, then refreshes.
template <ECommandId Id> SScriptValue Show(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    SetShowFlag(doc, Id, call.Integer(0));
    RefreshScenario(doc);
    return ScriptOne();
}

/// The power index bounds have no menu command: the switch is stored as given.
SScriptValue ShowPowerIndexBounds(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    doc.Config().flagShapleyOwen = call.Integer(0);
    RefreshScenario(doc);
    return ScriptOne();
}

SScriptValue ShowClear(CScriptCall& call) {
    ClearDisplaySwitches(call.Doc());
    return ScriptOne();
}

using C = ECommandId;

const SScriptBinding kBindings[] = {
    {"ShowIndifferenceCurve", Show<C::ShowIndifferenceCurves>},
    {"ShowQuotaLineQualified", Show<C::ShowQualifiedQuotaLines>},
    {"ShowQuotaLine", Show<C::ShowQuotaLines>},
    {"ShowSpoke", Show<C::ShowSpokes>},
    {"ShowPetal", Show<C::ShowPetals>},
    {"ShowWinSetCapture", Show<C::ShowWinSetCapture>},
    {"ShowWinSet", Show<C::ShowWinSet>},
    {"ShowVeto", Show<C::ShowVeto>},
    {"ShowCore", Show<C::ShowCore>},
    {"ShowCopeland", Show<C::ShowCopeland>},
    {"ShowYolkTriangle", Show<C::ShowYolkTriangle>},
    {"ShowYolk", Show<C::ShowYolk>},
    {"ShowCardioid", Show<C::ShowCardioid>},
    {"ShowSchattschneiderSet", Show<C::ShowSchattschneiderSet>},
    {"ShowTriMedianSet", Show<C::ShowTriMedianSet>},
    {"ShowHeart", Show<C::ShowHeart>},
    {"ShowUncoveredSet", Show<C::ShowUncoveredSet>},
    {"ShowParetoSet", Show<C::ShowParetoSet>},
    {"ShowThermograph", Show<C::ShowThermograph>},
    {"ShowHistogram", Show<C::ShowHistogram>},
    {"ShowStatistics", Show<C::ShowStatistics>},
    {"ShowColorCode", Show<C::ShowColorCode>},
    {"ShowCoalition", Show<C::ShowCoalition>},
    {"ShowNames", Show<C::ShowMemberNames>},
    {"ShowPowerIndexColorCode", Show<C::ShowPowerIndexColor>},
    {"ShowPowerIndexBounds", ShowPowerIndexBounds},
    {"ShowPowerIndex", Show<C::ShowPowerIndex>},
    {"ShowGrid", Show<C::ShowGrid>},
    {"ShowBudgetLine", Show<C::ShowBudgetLine>},
    {"ShowCandidates", Show<C::ShowCandidates>},
    {"ShowClear", ShowClear},
};

} // namespace

std::span<const SScriptBinding> DisplayScriptBindings() {
    return kBindings;
}
