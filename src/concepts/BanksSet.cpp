#include "concepts/BanksSet.h"

#include "concepts/ConceptsState.h"
#include "concepts/StatusQuoGuard.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/VotingGame.h"
#include "platform/CRand.h"
#include "platform/Platform.h"
#include "preferences/VoteGrid.h"

#include <new>

namespace {

/// The chain's first region: a dot around the start cell with the start point's win set.
CRgn StartRegion(CVotingGame& game, const CFPoint& start) {
    CRgn region;
    CreatePointMarker(region, game.GridMap().WorldToCell(start));
    if (std::unique_ptr<CMappedRegion> winSet = game.WinSetOfPoint(start, false))
        region.CombineRgn(region, winSet->GetRgn(), RGN_OR);
    return region;
}

/// The win set of a point's cell as a plain region; no region when none was obtained.
CRgn WinSetOfCell(CVotingGame& game, const QPoint& cell) {
    const std::unique_ptr<CMappedRegion> winSet =
        game.WinSetOfPoint(game.GridMap().CellToWorld(cell), false);
    return winSet ? winSet->GetRgn() : CRgn();
}

} // namespace

std::vector<CFPoint> FindBanksChain(CVotingGame& game, const CFPoint& start, int resolution) {
    std::vector<CFPoint> chain = {start};
    QPoint current = game.GridMap().WorldToCell(start);
    CRgn region = StartRegion(game, start);
    CRand::Seed(123456789);
    for (;;) {
        const QPoint p = RandomCellInRgn(region);
        // The size test needs no win set, so it comes first: the chain ends the same way and
        // the draws are the same, without computing a win set that would be thrown away.
        if (p == current || RgnBoxArea(region) <= resolution)
            break;
        const CRgn winSet = WinSetOfCell(game, p);
        if (!winSet.IsValid() || region.EqualRgn(winSet))
            break;
        region.CombineRgn(region, winSet, RGN_AND);
        chain.push_back(game.GridMap().CellToWorld(p));
        current = p;
    }
    return chain;
}

CRgn FindBanksSetRgn(CVotingGame& game, int chains, int resolution) {
    chains = chains > 0 ? chains : 1;
    resolution = resolution > 0 ? resolution : 1;
    const CStatusQuoGuard guard(game);
    CRgn start;
    start.CreateRectRgnIndirect(OrderedDeviceRect(game.GridMap()));
    CRgn result;
    CRand::Seed(123456789);
    for (int i = 0; i < chains; ++i) {
        const CFPoint from = game.GridMap().CellToWorld(RandomCellInRgn(start));
        const std::vector<CFPoint> chain = FindBanksChain(game, from, resolution);
        CRgn dot;
        CreatePointMarker(dot, game.GridMap().WorldToCell(chain.back()));
        if (result.IsValid())
            result.CombineRgn(result, dot, RGN_OR);
        else
            result = dot;
    }
    return result;
}

SBanksChainDisplay BuildBanksChainDisplay(CVotingGame& game, const QPoint& start, int resolution,
                                          const std::function<double()>& uniform) {
    resolution = resolution > 0 ? resolution : 1;
    const CStatusQuoGuard guard(game);
    SBanksChainDisplay display{start, start, {}};
    CRgn region = StartRegion(game, game.GridMap().CellToWorld(start));
    CRand::Seed(123456789);
    for (;;) {
        const QPoint p = RandomCellInRgn(region);
        if (p == display.last)
            break;
        const CRgn winSet = WinSetOfCell(game, p);
        if (!winSet.IsValid())
            break;
        display.last = p;
        if (RgnBoxArea(region) <= resolution || region.EqualRgn(winSet))
            continue;
        region.CombineRgn(region, winSet, RGN_AND);
        SBanksChainFill fill{p, region};
        fill.blue = static_cast<int>(uniform() * 255);
        fill.green = static_cast<int>(uniform() * 255);
        fill.red = static_cast<int>(uniform() * 255);
        display.fills.push_back(std::move(fill));
    }
    return display;
}

void CVotingGame::FindBanksSet(int chains, int resolution) {
    if (!m_stale.IsStale(EConcept::BanksSet))
        return;
    try {
        CRgn result = FindBanksSetRgn(*this, chains, resolution);
        ConceptsState().banks = std::move(result);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CVotingGame::FindBanksSet - memory exception allocating banks set region");
    }
    m_stale.MarkFresh(EConcept::BanksSet);
}

std::unique_ptr<CRgn> CVotingGame::GetBanksSetRgn(int chains, int resolution) {
    FindBanksSet(chains, resolution);
    try {
        return std::make_unique<CRgn>(ConceptsState().banks);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating banks set region");
        return nullptr;
    }
}
