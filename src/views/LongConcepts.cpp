#include "views/LongConcepts.h"

#include "document/ChartThermograph.h"
#include "document/QueltaDoc.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"
#include "views/ConceptLayer.h"

namespace {

/// A concept of the game: missing while its cache is stale, withdrawn by its display switch.
SLongConcept GameConcept(CQueltaDoc& doc, std::string name, EConcept cache,
                         int DisplayConfig::*flag, std::function<void()> compute) {
    return {std::move(name), std::move(compute),
            [&doc, cache] { return doc.Game().Stale().IsStale(cache); },
            [&doc, flag] { doc.Config().*flag = 0; }};
}

/// The long concepts of the game by their display flags.
struct SLongFlag {
    int DisplayConfig::*flag;
    EConcept cache;
};

constexpr SLongFlag kLongFlags[] = {
    {&DisplayConfig::flagUncoveredSet, EConcept::UncoveredSet},
    {&DisplayConfig::flagHeart, EConcept::Heart},
    {&DisplayConfig::flagBanksSet, EConcept::BanksSet},
    {&DisplayConfig::flagTriMedianSet, EConcept::TriMedianSet},
};

/// What a large body's chart is ready for: the shown displays of concepts and the game's
/// out-of-date concepts.
std::string ChartState(const CQueltaDoc& doc) {
    std::string state;
    const DisplayConfig& c = doc.Config();
    for (int DisplayConfig::*flag : ConceptFlags())
        state += c.*flag ? '1' : '0';
    for (int DisplayConfig::*flag :
         {&DisplayConfig::flagPowerIndex, &DisplayConfig::flagBanksChain})
        state += c.*flag ? '1' : '0';
    for (int which = 0; which < static_cast<int>(EConcept::Count); ++which)
        state += doc.Game().Stale().IsStale(static_cast<EConcept>(which)) ? 's' : 'f';
    return state;
}

} // namespace

bool IsLargeBody(const CQueltaDoc& doc) {
    return doc.Game().Members().size() >= kLargeBody;
}

std::optional<SLongConcept> CLargeBodyChart::Pending(CQueltaDoc& doc) {
    if (!IsLargeBody(doc) || !doc.IsReady() || ChartState(doc) == m_readyFor)
        return std::nullopt;
    return SLongConcept{"concepts of " + std::to_string(doc.Game().Members().size()) + " members",
                        [this, &doc] {
                            CChartModel model;
                            model.Update(doc);
                            RenderChartImage(model, doc);
                            m_readyFor = ChartState(doc);
                        },
                        [this, &doc] { return ChartState(doc) != m_readyFor; },
                        [&doc] {
                            for (int DisplayConfig::*flag : ConceptFlags())
                                doc.Config().*flag = 0;
                        }};
}

bool LongConceptPending(const CQueltaDoc& doc, int DisplayConfig::*flag) {
    if (IsLargeBody(doc))
        return true;
    for (const SLongFlag& item : kLongFlags)
        if (item.flag == flag)
            return doc.Game().Stale().IsStale(item.cache);
    return false;
}

std::vector<SLongConcept> PendingLongConcepts(CQueltaDoc& doc) {
    std::vector<SLongConcept> pending;
    if (!doc.IsReady())
        return pending;
    CVotingGame& game = doc.Game();
    const DisplayConfig& c = doc.Config();
    const CStaleFlags& stale = game.Stale();
    if (c.flagUncoveredSet && stale.IsStale(EConcept::UncoveredSet))
        pending.push_back(GameConcept(doc, "uncovered set", EConcept::UncoveredSet,
                                      &DisplayConfig::flagUncoveredSet, [&game, &c] {
                                          game.FindUncoveredSet(c.nUncoveredSet, c.bExcludeYolk,
                                                                c.bUncoveredSetBJS);
                                      }));
    if (c.flagHeart && stale.IsStale(EConcept::Heart))
        pending.push_back(GameConcept(doc, "heart", EConcept::Heart, &DisplayConfig::flagHeart,
                                      [&game, &c] { game.FindHeart(c.nCore); }));
    if (c.flagBanksSet && stale.IsStale(EConcept::BanksSet))
        pending.push_back(GameConcept(doc, "Banks set", EConcept::BanksSet,
                                      &DisplayConfig::flagBanksSet,
                                      [&game, &c] { game.FindBanksSet(c.nChain, c.nResolution); }));
    if (c.flagTriMedianSet && stale.IsStale(EConcept::TriMedianSet))
        pending.push_back(GameConcept(
            doc, "Tri-Median set", EConcept::TriMedianSet, &DisplayConfig::flagTriMedianSet,
            [&game, &c] { game.FindTriMedianSet(c.dTriMedianTolerance, c.nTriMedianSet); }));
    if (ChartThermographPending(doc))
        pending.push_back({"thermograph", [&doc] { UpdateChartThermograph(doc); },
                           [&doc] { return ChartThermographPending(doc); },
                           [&doc] { WithdrawCancelledThermograph(doc); }});
    return pending;
}

void HideCancelledConcepts(const std::vector<SLongConcept>& work) {
    for (const SLongConcept& item : work)
        if (item.missing())
            item.withdraw();
}
