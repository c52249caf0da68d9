// Model functions that switch the chart's displays.
#include "document/QueltaDoc.h"
#include "script/ScriptBindings.h"

#include <array>
#include <cstring>
#include <utility>

namespace {

using C = DisplayConfig;

/// What turning a display on needs beside its flag.
enum class EShowWork { None, QuotaLines, Veto };

/// A display switch a script sets: its function, its flag and the work showing it needs.
struct SShowSwitch {
    const char* name;
    int C::*flag;
    EShowWork work;
    /// Whether the work is done for any value but 0 rather than for exactly 1.
    bool anyValue;
};

constexpr SShowSwitch kSwitches[] = {
    {"ShowIndifferenceCurve", &C::flagIndiffCurve, EShowWork::None, false},
    {"ShowQuotaLineQualified", &C::flagQuotaLineQualified, EShowWork::QuotaLines, false},
    {"ShowQuotaLine", &C::flagQuotaLine, EShowWork::QuotaLines, false},
    {"ShowSpoke", &C::flagSpoke, EShowWork::None, false},
    {"ShowPetal", &C::flagPetal, EShowWork::None, false},
    {"ShowWinSetCapture", &C::flagWinSetCap, EShowWork::None, false},
    {"ShowWinSet", &C::flagWinSet, EShowWork::None, false},
    {"ShowVeto", &C::flagVeto, EShowWork::Veto, false},
    {"ShowCore", &C::flagCore, EShowWork::None, false},
    {"ShowCopeland", &C::flagCopeland, EShowWork::None, false},
    {"ShowYolkTriangle", &C::flagYolkTri, EShowWork::None, false},
    {"ShowYolk", &C::flagYolk, EShowWork::None, false},
    {"ShowCardioid", &C::flagCardioid, EShowWork::None, false},
    {"ShowSchattschneiderSet", &C::flagSchattschneiderSet, EShowWork::None, false},
    {"ShowTriMedianSet", &C::flagTriMedianSet, EShowWork::None, false},
    {"ShowHeart", &C::flagHeart, EShowWork::None, false},
    {"ShowUncoveredSet", &C::flagUncoveredSet, EShowWork::None, false},
    {"ShowParetoSet", &C::flagParetoSet, EShowWork::None, false},
    {"ShowThermograph", &C::flagThermo, EShowWork::None, false},
    {"ShowHistogram", &C::flagHist, EShowWork::None, false},
    {"ShowStatistics", &C::flagStats, EShowWork::None, false},
    {"ShowColorCode", &C::flagColorCode, EShowWork::None, false},
    {"ShowCoalition", &C::flagCoalition, EShowWork::None, false},
    {"ShowNames", &C::flagNames, EShowWork::None, false},
    {"ShowPowerIndexColorCode", &C::flagPowerIndexColorCode, EShowWork::None, false},
    {"ShowPowerIndexBounds", &C::flagShapleyOwen, EShowWork::None, false},
    {"ShowPowerIndex", &C::flagPowerIndex, EShowWork::None, false},
    {"ShowGrid", &C::flagGrid, EShowWork::None, false},
    {"ShowBudgetLine", &C::flagBudgetLine, EShowWork::None, true},
    {"ShowCandidates", &C::flagCandidates, EShowWork::None, true},
};

/// Marks every concept for recomputation, redraws and marks the document modified.
void RefreshAll(CQueltaDoc& doc) {
    doc.Game().InvalidateAll();
    doc.RefreshAndModify();
}

/// Stores the switch's value as given and does what showing the element needs when the value
/// turns it on; the game's veto switch is on only for exactly 1.
void SetSwitch(CQueltaDoc& doc, const SShowSwitch& s, int value) {
    doc.Config().*s.flag = value;
    const bool on = s.anyValue ? value != 0 : value == 1;
    switch (s.work) {
    case EShowWork::QuotaLines:
        if (on)
            doc.Game().GetQuotaLines();
        break;
    case EShowWork::Veto:
        doc.Game().SetVetoSwitch(on ? 1 : 0);
        break;
    case EShowWork::None:
        break;
    }
}

template <std::size_t Index> SScriptValue Show(CScriptCall& call) {
    SetSwitch(call.Doc(), kSwitches[Index], call.Integer(0));
    RefreshAll(call.Doc());
    return ScriptOne();
}

SScriptValue ShowClear(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    for (const SShowSwitch& s : kSwitches)
        if (std::strcmp(s.name, "ShowPowerIndexBounds") != 0)
            SetSwitch(doc, s, 0);
    doc.Config().flagBanksSet = 0;
    doc.Config().flagBanksChain = 0;
    RefreshAll(doc);
    return ScriptOne();
}

template <std::size_t... I> constexpr auto MakeBindings(std::index_sequence<I...>) {
    return std::array<SScriptBinding, sizeof...(I) + 1>{
        {{kSwitches[I].name, Show<I>}..., {"ShowClear", ShowClear}}};
}

const auto kBindings = MakeBindings(std::make_index_sequence<std::size(kSwitches)>{});

} // namespace

std::span<const SScriptBinding> DisplayScriptBindings() {
    return kBindings;
}
