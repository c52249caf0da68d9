#include "concepts/Heart.h"

#include "concepts/ConceptRegions.h"
#include "concepts/ConceptsState.h"
#include "concepts/TriangleCover.h"
#include "geometry/FTriangle.h"
#include "geometry/RgnHelpers.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/QuotaLines.h"

#include <new>

CRgn QuotaLineTriangles(CVotingGame& game, const SIntRect& window) {
    const std::vector<CQuotaLine> lines = game.GetQuotaLines();
    const CGridMap& map = game.GridMap();
    CTriangleCover cover(window);
    const std::size_t d = lines.size();
    for (std::size_t i = 0; i < d; ++i)
        for (std::size_t j = i + 1; j < d; ++j)
            for (std::size_t k = j + 1; k < d; ++k) {
                const CFTriangle triangle(lines[i].segment, lines[j].segment, lines[k].segment);
                if (triangle.IsDegenerate())
                    continue;
                cover.Add(map.WorldToCell(triangle.GetVertex(0)),
                          map.WorldToCell(triangle.GetVertex(1)),
                          map.WorldToCell(triangle.GetVertex(2)));
            }
    return cover.Rgn();
}

void CHeart::FindFromTriangles(CVotingGame& game) {
    m_rgn.DeleteObject();
    game.FindParetoSet();
    // Only the part inside the Pareto set is kept, so only its cells need counting; without a
    // Pareto region the whole chart (and its margin) is counted.
    const std::unique_ptr<CRgn> pareto = game.GetParetoSetRgn();
    SIntRect window;
    if (!pareto || IsEmptyRgn(*pareto) || pareto->GetRgnBox(&window) == RGN_ERROR) {
        const SIntRect d = game.GridMap().DeviceRect();
        window = {std::min(d.left, d.right) - 1, std::min(d.top, d.bottom) - 1,
                  std::max(d.left, d.right) + 1, std::max(d.top, d.bottom) + 1};
    }
    try {
        m_rgn = QuotaLineTriangles(game, window);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CreatePolygonRgn: memory exception");
    }
}

void CHeart::Find(CVotingGame& game, int samples) {
    if (game.Members().empty())
        return;
    if (game.VoteRule() > 0.5) {
        game.FindCore(samples);
        const std::unique_ptr<CRgn> core = game.GetCoreRgn(samples);
        if (core && !IsEmptyRgn(*core))
            m_rgn = *core;
        else
            m_rgn.DeleteObject();
    }
    if (!(game.VoteRule() > 0.5) || IsEmptyRgn(m_rgn))
        FindFromTriangles(game);
    if (!m_rgn.IsValid())
        m_rgn.CreateRectRgn(0, 0, 0, 0);
    game.FindParetoSet();
    if (const std::unique_ptr<CRgn> pareto = game.GetParetoSetRgn(); pareto && pareto->IsValid())
        m_rgn.CombineRgn(m_rgn, *pareto, RGN_AND);
}

void CVotingGame::FindHeart(int samples) {
    if (!m_stale.IsStale(EConcept::Heart))
        return;
    ConceptsState().heart.Find(*this, samples);
    m_stale.MarkFresh(EConcept::Heart);
}

std::unique_ptr<CRgn> CVotingGame::GetHeartRgn(int samples) {
    FindHeart(samples);
    try {
        return std::make_unique<CRgn>(ConceptsState().heart.Rgn());
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating heart region");
        return nullptr;
    }
}

CFRect CVotingGame::GetHeartBounds(int samples) {
    FindHeart(samples);
    return RegionBounds(ConceptsState().heart.Rgn(), m_gridMap);
}

double CVotingGame::GetHeartArea(int samples) {
    FindHeart(samples);
    return RgnArea(ConceptsState().heart.Rgn(), m_gridMap);
}

int CVotingGame::IsInsideHeart(const CFPoint& point, int samples) {
    FindHeart(samples);
    const QPoint cell = m_gridMap.WorldToCell(point);
    return ConceptsState().heart.Rgn().PtInRegion(cell.x(), cell.y()) ? 1 : 0;
}
