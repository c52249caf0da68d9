#pragma once

#include "geometry/CellRuns.h"
#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <algorithm>
#include <cmath>

#include <utility>
#include <vector>

/// An ellipse of the issue space: its centre, its semi-axes along its own x and y axes, and the
/// turn of those axes. A point P lies in its own axes at qx = dx cos - dy sin,
/// qy = dx sin + dy cos, with (dx, dy) = P - centre.
struct SCellEllipse {
    CFPoint centre;
    double semiX = 0.0;
    double semiY = 0.0;
    double cosTurn = 1.0;
    double sinTurn = 0.0;
};

/// The cell rule of every shape whose boundary is known exactly: a cell belongs when its
/// centre, the issue-space point of the cell, lies strictly inside the ellipse,
/// (qx / semiX)^2 + (qy / semiY)^2 < 1. An ellipse with a semi-axis that is 0 or not a number
/// holds no cell.
bool CellInEllipse(const SCellEllipse& ellipse, const CGridMap& map, int x, int y);

/// Appends the cells of the rule within the window, one run per row: each row solves the
/// ellipse's equation for its two crossings and the ends are confirmed cell by cell.
void AppendEllipseRuns(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window,
                       std::vector<SCellRun>& runs);

/// The region of the rule within the map's region window (an empty region when no cell
/// belongs).
CRgn EllipseCellRgn(const SCellEllipse& ellipse, const CGridMap& map);

/// The whole number nearest x, ties to even (std::nearbyint under the usual rounding), for x
/// well inside +-2^51, in additions alone: inline, and several at a time on a vector unit.
inline double WholeNearest(double x) {
    constexpr double shift = 6755399441055744.0; // 1.5 * 2^52
    return (x + shift) - shift;
}

/// The quick form of an ellipse's rows: the crossings of the row dy above its centre lie at the
/// columns base + slope dy -+ sqrt(t0 - t1 dy^2). Within `tolerance` of 0 under the root, or
/// nearer than kMargin to a whole column, rounding could tell a different cell than the
/// region's own way, and the row is taken that way instead.
struct SQuickEllipseRows {
    static constexpr double kMargin = 1.0 / 65536;

    bool usable = false;
    int top = 0;
    int bottom = -1;
    double centreY = 0.0;
    double base = 0.0;
    double slope = 0.0;
    double t0 = 0.0;
    double t1 = 0.0;
    double tolerance = 0.0;

    /// The columns lo .. hi of row y (lo > hi for none) within the window's columns
    /// windowLeft .. windowRight - 1; false when the row has to be taken exactly.
    bool Columns(int y, double rowY, int windowLeft, int windowRight, int& lo, int& hi) const {
        const double dy = rowY - centreY;
        const double t = t0 - dy * dy * t1;
        const double r = std::sqrt(t > 0.0 ? t : 0.0);
        const double mid = base + slope * dy;
        return Decide(y, t, mid - r, mid + r, windowLeft, windowRight, lo, hi);
    }
    /// The same from the value under the root and the crossings found elsewhere.
    bool Decide(int y, double t, double from, double to, int windowLeft, int windowRight, int& lo,
                int& hi) const {
        lo = 1;
        hi = 0;
        if (y < top || y > bottom)
            return true;
        if (!usable || t <= tolerance)
            return usable && t < -tolerance;
        const int fromFloor = FloorInt(from), toFloor = FloorInt(to);
        const double fromPart = from - fromFloor, toPart = to - toFloor;
        lo = std::clamp(fromFloor + 1, windowLeft, windowRight);
        hi = std::clamp(toFloor, windowLeft - 1, windowRight - 1);
        return fromPart > kMargin && fromPart < 1 - kMargin && toPart > kMargin &&
               toPart < 1 - kMargin;
    }

private:
    /// The floor of a number well inside the range of int.
    static int FloorInt(double value) {
        const int truncated = static_cast<int>(value);
        return truncated - (value < truncated ? 1 : 0);
    }
};

/// What the rows of every ellipse over one map and window share, found once for all of them:
/// the issue-space x of column 0, the issue-space y of every row of the window and the reach of
/// the map's world window.
class CEllipseGrid {
public:
    CEllipseGrid(const CGridMap& map, const SIntRect& window);

    const CGridMap& Map() const { return *m_map; }
    const SIntRect& Window() const { return m_window; }
    /// map.CellToWorld(0, 0).x.
    double ColumnZeroX() const { return m_x0; }
    /// map.CellToWorld(0, y).y, looked up for the rows of the window.
    double RowY(int y) const {
        return y >= m_window.top && y < m_window.bottom
                   ? m_rowY[static_cast<std::size_t>(y - m_window.top)]
                   : m_map->CellToWorld(0, y).y;
    }
    /// The largest distance of the world window's edges from 0.
    double WorldReach() const { return m_worldReach; }

private:
    const CGridMap* m_map;
    SIntRect m_window;
    double m_x0 = 0.0;
    double m_worldReach = 0.0;
    std::vector<double> m_rowY;
};

/// What the quick rows of ellipses that differ only in size keep: about one centre, with one
/// ratio of the axes and one turn, slope, t1 and base stay, and t0 and the reach of the rows grow
/// with the size (the first semi-axis) and its square. Taken from the ellipse of size 1.
struct SEllipseShape {
    bool usable = false;
    double base = 0.0;
    double slope = 0.0;
    double t1 = 0.0;
    /// t0 and its root, and the vertical reach, at size 1.
    double t0 = 0.0;
    double rootT0 = 0.0;
    double reach = 0.0;
};
SEllipseShape EllipseShape(const SCellEllipse& unitEllipse, const CEllipseGrid& grid);

/// The cells of an ellipse one row at a time, exactly the runs AppendEllipseRuns gives within the
/// window: from the quick form where it is certain, the region's own way otherwise.
class CEllipseRows {
public:
    CEllipseRows(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window);
    /// The same rows from what the grid keeps for every ellipse over it; `centreCell` is
    /// map.WorldToCell(ellipse.centre), found once by a caller whose centres stay.
    CEllipseRows(const SCellEllipse& ellipse, const CEllipseGrid& grid, const QPoint& centreCell);
    /// The same rows of an ellipse of the shape, its semiX the shape's size: the quick form is
    /// scaled from the shape's instead of solved again.
    CEllipseRows(const SCellEllipse& ellipse, const CEllipseGrid& grid, const QPoint& centreCell,
                 const SEllipseShape& shape);

    /// The rows that can hold cells, Top() .. Bottom() (none when Top() > Bottom()).
    int Top() const { return m_quickRows.top; }
    int Bottom() const { return m_quickRows.bottom; }
    /// Whether some cell of the window certainly belongs: the ellipse holds a disc about its
    /// centre wider than a cell's diagonal, and the centre lies inside the window.
    bool SurelyHoldsCell() const { return m_holdsCell; }
    const SQuickEllipseRows& Quick() const { return m_quickRows; }

    /// The columns lo .. hi of row y (lo > hi for none); `rowY` is the issue-space y of the
    /// row's cells, map.CellToWorld(0, y).y.
    std::pair<int, int> Columns(int y, double rowY) const {
        int lo = 1, hi = 0;
        if (m_quickRows.Columns(y, rowY, m_window.left, m_window.right, lo, hi))
            return {lo, hi};
        return ExactColumns(y);
    }
    /// The same with the row's issue-space y taken from the map.
    std::pair<int, int> Columns(int y) const { return Columns(y, m_map->CellToWorld(0, y).y); }
    /// The columns of row y taken the region's way.
    std::pair<int, int> ExactColumns(int y) const;
    /// The same columns as ExactColumns, found from the quick crossings where the row is wide
    /// and inside the window: a crossing near a whole column leaves only the cell on that
    /// column in doubt, which is tested itself (every other row is taken the region's way).
    std::pair<int, int> SettledColumns(int y, double rowY) const;

private:
    /// Keeps the double setup's form, rows and slack (the rows topY .. bottomY, the centre's
    /// cell) and prepares the quick form when some row is left.
    void Keep(int top, int bottom, double slack, double x0, const double form[4], double topY,
              double bottomY, const QPoint& centreCell);
    /// Keeps the rows, the slack, column 0's x and the form.
    void Store(int top, int bottom, double slack, double x0, const double form[4]);
    void PrepareQuick(double px, double py, double wx, double wy, double topY, double bottomY,
                      const QPoint& centreCell);
    /// The quick form's tolerance and usability from its numbers, and whether a cell surely
    /// belongs, for the rows topY .. bottomY.
    void FinishQuick(double topY, double bottomY, double rootT0, const QPoint& centreCell);

    SCellEllipse m_ellipse;
    const CGridMap* m_map;
    SIntRect m_window;
    bool m_doubles = true;
    double m_slack = 0.0;
    /// The region's form of the ellipse (px, py, wx, wy) and the issue-space x of column 0.
    double m_form[4] = {0.0, 0.0, 0.0, 0.0};
    double m_x0 = 0.0;
    bool m_holdsCell = false;
    SQuickEllipseRows m_quickRows;
};
