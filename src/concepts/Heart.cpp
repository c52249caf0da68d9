#include "concepts/Heart.h"

#include "concepts/ConceptRegions.h"
#include "concepts/ConceptsState.h"
#include "concepts/EnclosedCells.h"
#include "concepts/TriangleCover.h"
#include "geometry/FTriangle.h"
#include "geometry/RgnHelpers.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/CollinearBody.h"
#include "preferences/QuotaLines.h"

#include <cmath>
#include <new>

namespace {

/// Where every two quota lines meet, as the triangle of three lines places its vertices: the
/// triangle of lines i < j < k has the corners of (j, k), (i, k) and (i, j), so each corner and
/// each coincidence test is worked out once per pair instead of once per triple.
class CLineCorners {
public:
    CLineCorners(const std::vector<CQuotaLine>& lines, const CGridMap& map)
        : m_n(lines.size()), m_corner(m_n * m_n), m_cell(m_n * m_n), m_coincident(m_n * m_n) {
        for (std::size_t p = 0; p < m_n; ++p)
            for (std::size_t q = p + 1; q < m_n; ++q) {
                // Vertex 2 of a triangle of lines is where its first two lines meet.
                const CFLineSeg& a = lines[p].segment;
                const CFLineSeg& b = lines[q].segment;
                const std::size_t at = p * m_n + q;
                m_corner[at] = CFTriangle(a, b, b).GetVertex(2);
                m_cell[at] = map.WorldToCell(m_corner[at]);
                m_coincident[at] = a.IsCoincident(b) ? 1 : 0;
            }
    }

    /// Whether lines i < j < k bound a triangle (the triangle's own degeneracy test).
    bool Bound(std::size_t i, std::size_t j, std::size_t k) const {
        if (m_coincident[i * m_n + j] || m_coincident[i * m_n + k] || m_coincident[j * m_n + k])
            return false;
        const CFPoint& v0 = m_corner[j * m_n + k];
        const CFPoint& v1 = m_corner[i * m_n + k];
        const CFPoint& v2 = m_corner[i * m_n + j];
        for (const CFPoint* v : {&v0, &v1, &v2})
            if (!std::isfinite(v->x) || !std::isfinite(v->y))
                return false;
        return !(v0 == v1 || v1 == v2 || v2 == v0);
    }
    void AddTriangle(CTriangleCover& cover, std::size_t i, std::size_t j, std::size_t k) const {
        cover.Add(m_cell[j * m_n + k], m_cell[i * m_n + k], m_cell[i * m_n + j]);
    }

private:
    std::size_t m_n;
    std::vector<CFPoint> m_corner;
    std::vector<QPoint> m_cell;
    std::vector<char> m_coincident;
};

} // namespace

CRgn QuotaLineTriangles(CVotingGame& game, const SIntRect& window) {
    const std::vector<CQuotaLine> lines = game.GetQuotaLines();
    const CLineCorners corners(lines, game.GridMap());
    CTriangleCover cover(window);
    const std::size_t d = lines.size();
    for (std::size_t i = 0; i < d; ++i)
        for (std::size_t j = i + 1; j < d; ++j)
            for (std::size_t k = j + 1; k < d; ++k)
                if (corners.Bound(i, j, k))
                    corners.AddTriangle(cover, i, j, k);
    return cover.Rgn();
}

void CHeart::FindFromTriangles(CVotingGame& game, EHeartCells cells) {
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
        m_rgn = cells == EHeartCells::CornerCells
                    ? QuotaLineTriangles(game, window)
                    : CellsEnclosedByLines(QuotaLinesInCells(game), window);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CreatePolygonRgn: memory exception");
    }
}

void CHeart::Find(CVotingGame& game, int samples, EHeartCells cells) {
    if (game.Members().empty())
        return;
    // On one line the majority core is never empty, and the heart is the core.
    if (const std::optional<SCollinearBody> body = CollinearBody(game)) {
        m_rgn = CollinearCoreCells(*body, game.VoteQuota(), game.GridMap());
        return;
    }
    if (game.VoteRule() > 0.5) {
        game.FindCore(samples);
        const std::unique_ptr<CRgn> core = game.GetCoreRgn(samples);
        if (core && !IsEmptyRgn(*core))
            m_rgn = *core;
        else
            m_rgn.DeleteObject();
    }
    if (!(game.VoteRule() > 0.5) || IsEmptyRgn(m_rgn))
        FindFromTriangles(game, cells);
    if (!m_rgn.IsValid())
        m_rgn.CreateRectRgn(0, 0, 0, 0);
    game.FindParetoSet();
    if (const std::unique_ptr<CRgn> pareto = game.GetParetoSetRgn(); pareto && pareto->IsValid())
        m_rgn.CombineRgn(m_rgn, *pareto, RGN_AND);
}

CRgn ExactHeartRgn(CVotingGame& game, int samples) {
    CHeart heart;
    heart.Find(game, samples, EHeartCells::StrictlyInside);
    return heart.Rgn();
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
