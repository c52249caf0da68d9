#include "views/LongConcepts.h"

#include "document/QueltaDoc.h"

std::vector<SLongConcept> PendingLongConcepts(CQueltaDoc& doc) {
    std::vector<SLongConcept> pending;
    if (!doc.IsReady())
        return pending;
    CVotingGame& game = doc.Game();
    const DisplayConfig& c = doc.Config();
    const CStaleFlags& stale = game.Stale();
    if (c.flagUncoveredSet && stale.IsStale(EConcept::UncoveredSet))
        pending.push_back({"uncovered set", EConcept::UncoveredSet,
                           &DisplayConfig::flagUncoveredSet, [&game, &c] {
                               game.FindUncoveredSet(c.nUncoveredSet, c.bExcludeYolk,
                                                     c.bUncoveredSetBJS);
                           }});
    if (c.flagHeart && stale.IsStale(EConcept::Heart))
        pending.push_back({"heart", EConcept::Heart, &DisplayConfig::flagHeart,
                           [&game, &c] { game.FindHeart(c.nCore); }});
    if (c.flagBanksSet && stale.IsStale(EConcept::BanksSet))
        pending.push_back({"Banks set", EConcept::BanksSet, &DisplayConfig::flagBanksSet,
                           [&game, &c] { game.FindBanksSet(c.nChain, c.nResolution); }});
    if (c.flagTriMedianSet && stale.IsStale(EConcept::TriMedianSet))
        pending.push_back(
            {"Tri-Median set", EConcept::TriMedianSet, &DisplayConfig::flagTriMedianSet,
             [&game, &c] { game.FindTriMedianSet(c.dTriMedianTolerance, c.nTriMedianSet); }});
    return pending;
}

void HideCancelledConcepts(CQueltaDoc& doc, const std::vector<SLongConcept>& work) {
    for (const SLongConcept& item : work)
        if (doc.Game().Stale().IsStale(item.cache))
            doc.Config().*item.flag = 0;
}
