#pragma once

#include "geometry/CellRuns.h"
#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "model/Member.h"

#include <QPoint>

#include <vector>

class CRgn;

/// The cells of a region as runs sorted by row, then column, adjacent runs merged.
std::vector<SCellRun> RegionRuns(const CRgn& rgn);

/// The cells of a polygon with integer corners under the winding rule, as the platform's
/// polygon regions hold them: a cell (x, y) belongs when the point (x, y) lies inside, edges
/// counting from their upper end and a row's crossing taking the cells from the first column
/// at or right of it. `scratch` keeps its memory between calls.
void ScanPolygon(const std::vector<QPoint>& corners, std::vector<SCellRun>& runs,
                 std::vector<int>& scratch);

/// A member's preferred-to region about a trial status quo, as row runs. Plain trade-off
/// members take their ellipse's cells (or scan its polygon) directly, without a platform
/// region; every other member is a private copy that rebuilds its own region about the trial
/// point.
class CMemberRuns {
public:
    explicit CMemberRuns(const CMember& member);

    /// Whether the region is scanned from the outline here.
    bool Direct() const { return m_direct; }
    /// Leaves the region to the member's own builder from now on.
    void UseMemberBuilder() { m_direct = false; }
    /// Rebuilds the runs about a status quo.
    void Build(const CFPoint& statusQuo, const CGridMap& map);
    /// Whether the member has a region about the trial status quo (it may be empty).
    bool Valid() const { return m_valid; }
    const std::vector<SCellRun>& Runs() const { return m_runs; }
    /// Whether the member prefers the point to the trial status quo.
    bool Prefers(const CFPoint& point, const CGridMap& map) const;
    /// The member about the trial status quo (kept up to date only off the direct path).
    const CMember& Adopted() const { return m_copy; }
    /// Whether the direct scan gives the member's own region about its own status quo.
    bool MatchesMemberRegion(const CMember& member);

private:
    bool BuildDirect(const CFPoint& statusQuo, const CGridMap& map);

    CMember m_copy;
    bool m_direct = false;
    bool m_valid = false;
    std::vector<SCellRun> m_runs;
    std::vector<QPoint> m_corners;
    std::vector<int> m_scratch;
};
