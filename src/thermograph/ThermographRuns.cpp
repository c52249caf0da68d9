#include "thermograph/ThermographRuns.h"

#include "geometry/Rgn.h"
#include "geometry/RgnHelpers.h"
#include "preferences/PreferredRgn.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

void MergeAdjacent(std::vector<SCellRun>& runs) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        if (kept > 0 && runs[kept - 1].y == runs[i].y && runs[kept - 1].x1 >= runs[i].x0)
            runs[kept - 1].x1 = std::max(runs[kept - 1].x1, runs[i].x1);
        else
            runs[kept++] = runs[i];
    }
    runs.resize(kept);
}

/// The smallest integer at or above a / b for b > 0.
long long CeilDiv(long long a, long long b) {
    return a >= 0 ? (a + b - 1) / b : -((-a) / b);
}

/// One edge stepped row by row: the first cell at or right of the edge's crossing of row y.
struct SEdgeStep {
    long long x;
    long long remainder;
    long long stepX;
    long long stepRemainder;
    long long height;

    SEdgeStep(const QPoint& low, const QPoint& high) : height(high.y() - low.y()) {
        const long long dx = high.x() - low.x();
        x = low.x();
        remainder = 0;
        stepX = dx >= 0 ? dx / height : -CeilDiv(-dx, height);
        stepRemainder = dx - stepX * height;
    }
    /// Moves to the next row: x stays the ceiling of the exact crossing.
    void Step() {
        x += stepX;
        remainder -= stepRemainder;
        if (remainder < 0) {
            remainder += height;
            ++x;
        }
    }
};

} // namespace

std::vector<SCellRun> RegionRuns(const CRgn& rgn) {
    std::vector<SCellRun> runs;
    for (const SIntRect& rect : rgn.GetRegionData())
        for (int y = rect.top; y < rect.bottom; ++y)
            runs.push_back({y, rect.left, rect.right});
    std::sort(runs.begin(), runs.end(), [](const SCellRun& a, const SCellRun& b) {
        return a.y != b.y ? a.y < b.y : a.x0 < b.x0;
    });
    MergeAdjacent(runs);
    return runs;
}

void ScanPolygon(const std::vector<QPoint>& corners, std::vector<SCellRun>& runs,
                 std::vector<int>& scratch) {
    runs.clear();
    if (corners.size() < 3)
        return;
    int top = corners[0].y(), bottom = corners[0].y();
    for (const QPoint& p : corners) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    // scratch holds, per row, its crossings as (x * 2 + direction bit), counted then filled.
    const std::size_t rows = static_cast<std::size_t>(bottom - top);
    std::vector<int> start(rows + 1, 0);
    const std::size_t n = corners.size();
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint& a = corners[i];
        const QPoint& b = corners[(i + 1) % n];
        for (int y = std::min(a.y(), b.y()); y < std::max(a.y(), b.y()); ++y)
            ++start[static_cast<std::size_t>(y - top) + 1];
    }
    for (std::size_t r = 0; r < rows; ++r)
        start[r + 1] += start[r];
    scratch.assign(static_cast<std::size_t>(start[rows]), 0);
    std::vector<int> fill(start.begin(), start.end() - 1);
    for (std::size_t i = 0; i < n; ++i) {
        const QPoint& a = corners[i];
        const QPoint& b = corners[(i + 1) % n];
        if (a.y() == b.y())
            continue;
        const bool down = b.y() > a.y();
        SEdgeStep step(down ? a : b, down ? b : a);
        for (int y = std::min(a.y(), b.y()); y < std::max(a.y(), b.y()); ++y, step.Step())
            scratch[static_cast<std::size_t>(fill[static_cast<std::size_t>(y - top)]++)] =
                static_cast<int>(step.x * 2 + (down ? 1 : 0));
    }
    for (std::size_t r = 0; r < rows; ++r) {
        int* first = scratch.data() + start[r];
        int* last = scratch.data() + start[r + 1];
        std::sort(first, last);
        int winding = 0;
        for (int* c = first; c < last; ++c) {
            const int before = winding;
            winding += (*c & 1) ? 1 : -1;
            const int x = *c >> 1;
            if (before == 0 && winding != 0)
                runs.push_back({top + static_cast<int>(r), x, x});
            else if (before != 0 && winding == 0)
                runs.back().x1 = x;
        }
    }
    runs.erase(std::remove_if(runs.begin(), runs.end(),
                              [](const SCellRun& run) { return run.x1 <= run.x0; }),
               runs.end());
    MergeAdjacent(runs);
}

CMemberRuns::CMemberRuns(const CMember& member)
    : m_copy(member), m_direct(member.PrefType() == PREF_TRADEOFF && member.Rational() == 0 &&
                               member.Probabilistic() == 0) {}

bool CMemberRuns::BuildDirect(const CFPoint& statusQuo, const CGridMap& map) {
    // The member's trade-off ellipse about the ideal point through the status quo, stretched by
    // the salience and turned by the complementarity's angle: its cells by the exact rule, or
    // its inscribed polygon scanned here.
    const PreferenceSpec& spec = m_copy.Preference();
    const CFPoint& ideal = m_copy.IdealPoint();
    const SCellEllipse ellipse =
        TradeOffEllipse(ideal, statusQuo, spec.salience, spec.complementarity);
    const SIntRect window = RegionWindow(map);
    m_runs.clear();
    if (m_copy.PrefVertices() <= 0) {
        AppendEllipseRuns(ellipse, map, window, m_runs);
    } else {
        m_corners.clear();
        for (const CFPoint& corner : TradeOffOutline(ellipse, m_copy.PrefVertices())) {
            const QPoint cell = map.WorldToCell(corner);
            // An outline the region window cuts is left to the member's own builder.
            if (cell.x() < window.left || cell.x() >= window.right || cell.y() < window.top ||
                cell.y() >= window.bottom)
                return false;
            m_corners.push_back(cell);
        }
        ScanPolygon(m_corners, m_runs, m_scratch);
    }
    if (m_runs.empty()) {
        CRgn marker;
        CreatePointMarker(marker, map.WorldToCell(ideal));
        m_runs = RegionRuns(marker);
    }
    m_valid = true;
    return true;
}

void CMemberRuns::Build(const CFPoint& statusQuo, const CGridMap& map) {
    if (m_direct && BuildDirect(statusQuo, map))
        return;
    m_copy.Adopt(statusQuo, map);
    m_valid = m_copy.PreferredRgn().IsValid();
    m_runs = RegionRuns(m_copy.PreferredRgn());
}

bool CMemberRuns::Prefers(const CFPoint& point, const CGridMap& map) const {
    if (!m_valid || m_copy.PrefType() == PREF_ABSTAIN)
        return false;
    if (m_copy.PrefType() == PREF_ABSOLUTE) {
        const CFPoint& ideal = m_copy.IdealPoint();
        return std::fabs(point.x - ideal.x) <= 0.00000001 &&
               std::fabs(point.y - ideal.y) <= 0.00000001;
    }
    const QPoint cell = map.WorldToCell(point);
    auto run = std::lower_bound(m_runs.begin(), m_runs.end(), cell,
                                [](const SCellRun& r, const QPoint& p) {
                                    return r.y != p.y() ? r.y < p.y() : r.x1 <= p.x();
                                });
    return run != m_runs.end() && run->y == cell.y() && run->x0 <= cell.x() && cell.x() < run->x1;
}

bool CMemberRuns::MatchesMemberRegion(const CMember& member) {
    if (!m_direct)
        return true;
    if (!BuildDirect(member.StatusQuo(), member.GridMap()))
        return true;
    return member.PreferredRgn().IsValid() && m_runs == RegionRuns(member.PreferredRgn());
}
