#include "concepts/EnclosedCells.h"

#include "geometry/GeoAlloc.h"
#include "geometry/Region.h"
#include "model/VotingGame.h"
#include "preferences/QuotaLines.h"

#include <algorithm>
#include <cmath>
#include <numeric>

SCellLine SCellLine::Through(double x1, double y1, double x2, double y2) {
    double a = -(y2 - y1), b = x2 - x1;
    const double length = std::hypot(a, b);
    a /= length;
    b /= length;
    if (b < 0 || (b == 0 && a < 0)) {
        a = -a;
        b = -b;
    }
    return {a, b, a * x1 + b * y1};
}

namespace {

/// What the lines of one direction show a point: all on its negative side (0), all on its
/// positive side (1), some on each (2).
int GroupState(int positive, int size) {
    return positive == 0 ? 0 : (positive == size ? 1 : 2);
}

/// Whether the normals of a sequence of direction groups (in turning order) fit in no closed
/// half-plane, from the group states, the number of neighbouring groups whose states differ and
/// the mixed groups (where one is). A closed half-plane holds the normals of every group on one
/// side of its edge pointing one way and of every group on the other side pointing the other
/// way; only the group along its edge may point both ways. Fewer than three directions make no
/// triangle.
bool Decide(const std::vector<int>& states, std::size_t changes, std::size_t mixed,
            std::size_t mixedAt) {
    const std::size_t n = states.size();
    if (n < 3)
        return false;
    if (mixed >= 2)
        return true;
    if (mixed == 0 || mixedAt == 0 || mixedAt == n - 1)
        return changes >= 2;
    return changes > 2 || states[mixedAt - 1] == states[mixedAt + 1];
}

bool Encloses(const std::vector<int>& states) {
    std::size_t changes = 0, mixed = 0, mixedAt = 0;
    for (std::size_t g = 0; g < states.size(); ++g) {
        if (states[g] == 2) {
            ++mixed;
            mixedAt = g;
        }
        if (g > 0 && states[g] != states[g - 1])
            ++changes;
    }
    return Decide(states, changes, mixed, mixedAt);
}

/// The lines of the cell plane grouped by direction, with the side a moving point sees each
/// group on; the enclosure test is kept up to date as single lines change side.
class CSideSweep {
public:
    CSideSweep(const std::vector<SCellLine>& lines, double parallel) : m_group(lines.size()) {
        std::vector<std::size_t> order(lines.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        const auto angle = [&](std::size_t i) { return std::atan2(lines[i].b, lines[i].a); };
        std::sort(order.begin(), order.end(),
                  [&](std::size_t p, std::size_t q) { return angle(p) < angle(q); });
        for (std::size_t r = 0; r < order.size(); ++r) {
            if (r == 0 || angle(order[r]) - angle(order[r - 1]) > parallel)
                m_size.push_back(0);
            m_group[order[r]] = m_size.size() - 1;
            ++m_size.back();
        }
        m_positive.assign(m_size.size(), 0);
        m_state.assign(m_size.size(), 0);
    }

    /// Starts over with every line on its negative side.
    void Reset() {
        std::fill(m_positive.begin(), m_positive.end(), 0);
        std::fill(m_state.begin(), m_state.end(), 0);
        m_changes = 0;
        m_mixed = 0;
        m_mixedSum = 0;
    }
    void SetPositive(std::size_t line, bool positive) {
        const std::size_t g = m_group[line];
        m_positive[g] += positive ? 1 : -1;
        const int state = GroupState(m_positive[g], m_size[g]);
        if (state == m_state[g])
            return;
        const std::size_t last = m_size.size() - 1;
        if (g > 0)
            m_changes -= m_state[g - 1] != m_state[g];
        if (g < last)
            m_changes -= m_state[g + 1] != m_state[g];
        if (m_state[g] == 2) {
            --m_mixed;
            m_mixedSum -= g;
        }
        m_state[g] = state;
        if (state == 2) {
            ++m_mixed;
            m_mixedSum += g;
        }
        if (g > 0)
            m_changes += m_state[g - 1] != m_state[g];
        if (g < last)
            m_changes += m_state[g + 1] != m_state[g];
    }
    /// The enclosure test for the current sides (the mixed group, when it is the only one, is
    /// the sum of the mixed groups' positions).
    bool Encloses() const { return Decide(m_state, m_changes, m_mixed, m_mixedSum); }

    /// The enclosure test at one point from scratch, each line's side taken from its equation
    /// (lines within `close` of the point count as through it and are left out).
    bool EnclosesAt(const std::vector<SCellLine>& lines, double x, double y, double close) const {
        std::vector<int> size(m_size.size(), 0), count(m_size.size(), 0);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const double side = lines[i].Offset(x, y);
            if (std::fabs(side) <= close)
                continue;
            ++size[m_group[i]];
            count[m_group[i]] += side > 0;
        }
        std::vector<int> states;
        for (std::size_t g = 0; g < size.size(); ++g)
            if (size[g] > 0)
                states.push_back(GroupState(count[g], size[g]));
        return ::Encloses(states);
    }

private:
    std::vector<std::size_t> m_group;
    std::vector<int> m_size;
    std::vector<int> m_positive;
    std::vector<int> m_state;
    std::size_t m_changes = 0;
    std::size_t m_mixed = 0;
    std::size_t m_mixedSum = 0;
};

struct SCrossing {
    double x;
    std::size_t line;
};

} // namespace

CRgn CellsEnclosedByLines(const std::vector<SCellLine>& lines, const SIntRect& window,
                          double parallel) {
    // A line's side at a cell is taken from the order of the row's crossings, except where the
    // line passes so close that its equation may say otherwise (or that the cell is on it);
    // there the cell is decided from every line's equation.
    constexpr double kClose = 1e-9;
    const int rows = std::max(0, window.bottom - window.top);
    const int width = std::max(0, window.right - window.left);
    CheckGeoAllocation(static_cast<std::size_t>(rows) * static_cast<std::size_t>(width + 1));
    CRegion grid(rows, width + 1);
    CSideSweep sweep(lines, parallel);
    std::vector<char> positive(lines.size());
    std::vector<char> close(static_cast<std::size_t>(width));
    std::vector<SCrossing> crossings;
    for (int r = 0; r < rows; ++r) {
        const double y = window.top + r;
        sweep.Reset();
        crossings.clear();
        std::fill(close.begin(), close.end(), 0);
        const auto markClose = [&](double from, double to) {
            const double first = std::max(std::ceil(from - window.left), 0.0);
            const double last = std::min(std::floor(to - window.left), width - 1.0);
            for (double c = first; c <= last; ++c)
                close[static_cast<std::size_t>(c)] = 1;
        };
        // Far to the left every line shows the side its normal's x part turns away from; a
        // line along the row shows one side all the way.
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const SCellLine& l = lines[i];
            positive[i] = l.a == 0 ? (l.b * y > l.c) : (l.a < 0);
            if (positive[i])
                sweep.SetPositive(i, true);
            if (l.a != 0) {
                const double x = (l.c - l.b * y) / l.a, reach = kClose / std::fabs(l.a);
                crossings.push_back({x, i});
                markClose(x - reach, x + reach);
            } else if (std::fabs(l.b * y - l.c) < kClose) {
                markClose(window.left, window.right);
            }
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const SCrossing& p, const SCrossing& q) { return p.x < q.x; });
        std::size_t next = 0;
        double* values = grid.Row(r);
        for (int column = 0; column < width; ++column) {
            const double x = window.left + column;
            for (; next < crossings.size() && crossings[next].x < x; ++next) {
                const std::size_t i = crossings[next].line;
                positive[i] = !positive[i];
                sweep.SetPositive(i, positive[i]);
            }
            const bool inside = close[static_cast<std::size_t>(column)]
                                    ? sweep.EnclosesAt(lines, x, y, kClose)
                                    : sweep.Encloses();
            values[column] = inside ? 1.0 : 0.0;
        }
    }
    long long count = 0;
    CRgn rgn = grid.GetRgn(0.5, QPoint(0, 0), count);
    rgn.OffsetRgn(window.left, window.top);
    return rgn;
}

std::vector<SCellLine> QuotaLinesInCells(CVotingGame& game) {
    const CGridMap& map = game.GridMap();
    const CFPoint origin = map.CellToWorld(0, 0);
    const CFPoint unitX = map.CellToWorld(1, 0), unitY = map.CellToWorld(0, 1);
    const auto cellX = [&](double x) { return (x - origin.x) / (unitX.x - origin.x); };
    const auto cellY = [&](double y) { return (y - origin.y) / (unitY.y - origin.y); };
    std::vector<SCellLine> cells;
    for (const CQuotaLine& line : game.GetQuotaLines()) {
        const CFPoint& p = line.segment.GetP1();
        const CFPoint& q = line.segment.GetP2();
        const double x1 = cellX(p.x), y1 = cellY(p.y), x2 = cellX(q.x), y2 = cellY(q.y);
        if (x1 != x2 || y1 != y2)
            cells.push_back(SCellLine::Through(x1, y1, x2, y2));
    }
    return cells;
}
