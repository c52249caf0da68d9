#include "concepts/ParetoSet.h"

#include "concepts/ConceptsState.h"
#include "geometry/GeoAlloc.h"
#include "geometry/RgnHelpers.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/CollinearBody.h"

#include <memory>
#include <new>

namespace {

/// Under relative plurality abstaining members have no say, so they do not widen the set.
bool Counted(const CVotingGame& game, const CMember& member) {
    return game.AbsolutePlurality() || member.PrefType() != PREF_ABSTAIN;
}

/// The hull of points on one line (or at one point): the two ends of their segment, or the one
/// point; none for points in general position.
std::optional<CFPolygon> CollinearEnds(const std::vector<CFPoint>& points) {
    std::vector<std::pair<CFPoint, double>> weighed;
    for (const CFPoint& p : points)
        weighed.emplace_back(p, 1.0);
    const std::optional<SCollinearBody> body = CollinearPoints(weighed);
    if (!body)
        return std::nullopt;
    const CFPoint first = body->positions.front().point;
    if (body->Coincident())
        return CFPolygon(std::vector<CFPoint>{first});
    return CFPolygon(std::vector<CFPoint>{first, body->positions.back().point});
}

} // namespace

bool CParetoSet::Find(const CVotingGame& game) {
    try {
        int counted = 0;
        for (const CMember* member : game.Members())
            counted += Counted(game, *member) ? 1 : 0;
        if (counted < 2)
            return true;
        std::vector<CFPoint> points;
        try {
            CheckGeoAllocation(static_cast<std::size_t>(counted));
            points.reserve(static_cast<std::size_t>(counted));
            for (const CMember* member : game.Members())
                if (Counted(game, *member))
                    points.push_back(member->IdealPoint());
        } catch (const std::bad_alloc&) {
            MessageBoxOk("FindParetoSet: ideal point array not allocated");
            points.clear();
        }
        if (!points.empty()) {
            // Members on one line have a segment for their hull, which has no inside.
            if (std::optional<CFPolygon> ends = CollinearEnds(points))
                m_polygon = std::move(*ends);
            else if (std::optional<CFPolygon> hull = CFPolygon(std::move(points)).FindConvexHull())
                m_polygon = std::move(*hull);
            else
                MessageBoxOk("FindParetoSet: convex hull not generated");
        }
        RebuildRegion(game);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating pareto set");
        return false;
    }
    return true;
}

void CParetoSet::RebuildRegion(const CVotingGame& game) {
    try {
        CheckGeoAllocation(static_cast<std::size_t>(m_polygon.Count()));
    } catch (const std::bad_alloc&) {
        MessageBoxOk("FindParetoSet: convex hull point array not allocated");
        return;
    }
    // The segment (or point) of members on one line: its cells are those it passes through.
    if (m_polygon.Count() == 1 || m_polygon.Count() == 2) {
        m_rgn = SegmentCells(game.GridMap(), m_polygon.Points().front(), m_polygon.Points().back());
        return;
    }
    CRgn rebuilt;
    if (CreatePolygonRgn(rebuilt, m_polygon, game.GridMap()))
        m_rgn = std::move(rebuilt);
}

bool CParetoSet::Contains(const CVotingGame& game, const CFPoint& point) const {
    if (m_polygon.Contains(point))
        return true;
    for (const CMember* member : game.Members())
        if (member->IdealPoint().x == point.x && member->IdealPoint().y == point.y)
            return true;
    return false;
}

void SConceptsStateDeleter::operator()(SConceptsState* state) const {
    delete state;
}

SConceptsState& CVotingGame::ConceptsState() {
    if (!m_conceptsState)
        m_conceptsState.reset(new SConceptsState);
    return *m_conceptsState;
}

void CVotingGame::FindParetoSet() {
    if (m_stale.IsStale(EConcept::ParetoSet) && ConceptsState().pareto.Find(*this))
        m_stale.MarkFresh(EConcept::ParetoSet);
}

CFPolygon CVotingGame::GetParetoSet() {
    FindParetoSet();
    return ConceptsState().pareto.Polygon();
}

std::unique_ptr<CRgn> CVotingGame::GetParetoSetRgn() {
    FindParetoSet();
    try {
        return std::make_unique<CRgn>(ConceptsState().pareto.Rgn());
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating pareto set region");
        return nullptr;
    }
}

int CVotingGame::IsInsideParetoSet(const CFPoint& point) {
    FindParetoSet();
    return ConceptsState().pareto.Contains(*this, point) ? 1 : 0;
}

double CVotingGame::GetParetoSetArea() {
    FindParetoSet();
    return RgnArea(ConceptsState().pareto.Rgn(), m_gridMap);
}
