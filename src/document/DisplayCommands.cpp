#include "document/DisplayCommands.h"

#include "document/DocumentDialogs.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"

#include <algorithm>
#include <array>

namespace {

using C = ECommandCondition;
using Id = ECommandId;

constexpr std::array kShowItems{
    SShowItem{Id::ShowIndifferenceCurves, &DisplayConfig::flagIndiffCurve, C::Ready},
    SShowItem{Id::ShowQuotaLines, &DisplayConfig::flagQuotaLine, C::Ready},
    SShowItem{Id::ShowQualifiedQuotaLines, &DisplayConfig::flagQuotaLineQualified, C::Ready},
    SShowItem{Id::ShowCardioid, &DisplayConfig::flagCardioid, C::Ready},
    SShowItem{Id::ShowSpokes, &DisplayConfig::flagSpoke, C::Ready},
    SShowItem{Id::ShowPetals, &DisplayConfig::flagPetal, C::Ready},
    SShowItem{Id::ShowWinSet, &DisplayConfig::flagWinSet, C::Ready},
    SShowItem{Id::ShowWinSetCapture, &DisplayConfig::flagWinSetCap, C::Ready},
    SShowItem{Id::ShowCoalition, &DisplayConfig::flagCoalition, C::Ready},
    SShowItem{Id::ShowVeto, &DisplayConfig::flagVeto, C::Ready},
    SShowItem{Id::ShowCore, &DisplayConfig::flagCore, C::Ready},
    SShowItem{Id::ShowCopeland, &DisplayConfig::flagCopeland, C::Ready},
    SShowItem{Id::ShowYolk, &DisplayConfig::flagYolk, C::Ready},
    SShowItem{Id::ShowYolkTriangle, &DisplayConfig::flagYolkTri, C::Ready},
    SShowItem{Id::ShowSchattschneiderSet, &DisplayConfig::flagSchattschneiderSet, C::Ready},
    SShowItem{Id::ShowTriMedianSet, &DisplayConfig::flagTriMedianSet, C::Ready},
    SShowItem{Id::ShowHeart, &DisplayConfig::flagHeart, C::Ready},
    SShowItem{Id::ShowUncoveredSet, &DisplayConfig::flagUncoveredSet, C::Ready},
    SShowItem{Id::ShowBanksSet, &DisplayConfig::flagBanksSet, C::Ready},
    SShowItem{Id::ShowBanksChain, &DisplayConfig::flagBanksChain, C::Ready},
    SShowItem{Id::ShowParetoSet, &DisplayConfig::flagParetoSet, C::Ready},
    SShowItem{Id::ShowStatistics, &DisplayConfig::flagStats, C::HasMembers},
    SShowItem{Id::ShowThermograph, &DisplayConfig::flagThermo, C::Ready},
    SShowItem{Id::ShowHistogram, &DisplayConfig::flagHist, C::HasMembers},
    SShowItem{Id::ShowColorCode, &DisplayConfig::flagColorCode, C::HasMembers},
    SShowItem{Id::ShowMemberNames, &DisplayConfig::flagNames, C::HasMembers},
    SShowItem{Id::ShowPowerIndex, &DisplayConfig::flagPowerIndex, C::Ready},
    SShowItem{Id::ShowPowerIndexColor, &DisplayConfig::flagPowerIndexColorCode, C::Ready},
    SShowItem{Id::ShowGrid, &DisplayConfig::flagGrid, C::Always},
    SShowItem{Id::ShowBudgetLine, &DisplayConfig::flagBudgetLine, C::Always},
    SShowItem{Id::ShowCandidates, &DisplayConfig::flagCandidates, C::Ready},
};

/// The work that showing an element needs, done when its flag is turned to exactly 1.
void ShowElement(CQueltaDoc& doc, ECommandId id) {
    if (id == Id::ShowQuotaLines || id == Id::ShowQualifiedQuotaLines)
        doc.Game().GetQuotaLines();
}

} // namespace

std::span<const SShowItem> ShowItems() {
    return kShowItems;
}

const SShowItem* FindShowItem(ECommandId id) {
    const auto it = std::find_if(kShowItems.begin(), kShowItems.end(),
                                 [id](const SShowItem& item) { return item.id == id; });
    return it == kShowItems.end() ? nullptr : &*it;
}

bool ConfigKeySetsFlag(const std::string& key, int DisplayConfig::*flag) {
    // A value no key's default or reading can give marks the flag; the key sets it when the
    // mark is gone after the key is read.
    constexpr int kUnset = -1234567;
    DisplayConfig probe;
    probe.*flag = kUnset;
    return probe.SetValue(key, "0") && probe.*flag != kUnset;
}

const SShowItem* FindShowItemByKey(const std::string& key) {
    const auto it =
        std::find_if(kShowItems.begin(), kShowItems.end(),
                     [&key](const SShowItem& item) { return ConfigKeySetsFlag(key, item.flag); });
    return it == kShowItems.end() ? nullptr : &*it;
}

void SetShowFlag(CQueltaDoc& doc, ECommandId id, int value) {
    const SShowItem* item = FindShowItem(id);
    if (!item)
        return;
    int& flag = doc.Config().*(item->flag);
    if (id == Id::ShowColorCode && value == 1 && flag == 0 && !AskColorCode(doc.Config()))
        return;
    flag = value;
    if (id == Id::ShowVeto)
        doc.Game().SetVetoSwitch(value == 1 ? 1 : 0);
    if (value == 1)
        ShowElement(doc, id);
    if (id != Id::ShowBanksChain)
        doc.RefreshAndModify();
}

void ToggleShowFlag(CQueltaDoc& doc, ECommandId id) {
    if (const SShowItem* item = FindShowItem(id))
        SetShowFlag(doc, id, doc.Config().*(item->flag) ? 0 : 1);
}

void ToggleProjectionLine(CQueltaDoc& doc) {
    doc.SetProjectionLine(doc.ProjectionLine() ? 0 : 1);
    doc.RefreshAndModify();
}

void RefreshScenario(CQueltaDoc& doc) {
    doc.Game().InvalidateAll();
    doc.RefreshAndModify();
}

void ClearDisplaySwitches(CQueltaDoc& doc) {
    for (const SShowItem& item : kShowItems)
        doc.Config().*(item.flag) = 0;
    doc.Game().SetVetoSwitch(0);
    doc.SetProjectionLine(0);
    RefreshScenario(doc);
}
