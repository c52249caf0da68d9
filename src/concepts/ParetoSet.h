#pragma once

#include "geometry/FPoint.h"
#include "geometry/FPolygon.h"
#include "geometry/Rgn.h"

class CVotingGame;

/// The Pareto set: the convex hull of the counted members' ideal points, as an issue-space
/// polygon and as a region of the chart grid.
class CParetoSet {
public:
    /// Rebuilds the hull and its region; true when the result may be marked fresh (false only
    /// after a memory failure that was reported).
    bool Find(const CVotingGame& game);

    const CFPolygon& Polygon() const { return m_polygon; }
    const CRgn& Rgn() const { return m_rgn; }
    /// Whether the hull holds the point or the point is exactly some member's ideal point.
    bool Contains(const CVotingGame& game, const CFPoint& point) const;

private:
    void RebuildRegion(const CVotingGame& game);

    CFPolygon m_polygon;
    CRgn m_rgn;
};
