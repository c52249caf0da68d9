#include "geometry/EllipseCells.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

/// The ellipse as the quadratic form u^2 + w^2 < 1 of the offsets from its centre:
/// u = dx px - dy py, w = dx wx + dy wy.
template <class Real> struct SForm {
    Real px = 0, py = 0, wx = 0, wy = 0;
    bool usable = false;

    SForm(Real px_, Real py_, Real wx_, Real wy_)
        : px(px_), py(py_), wx(wx_), wy(wy_), usable(true) {}
    explicit SForm(const SCellEllipse& e) {
        const Real a = std::fabs(static_cast<Real>(e.semiX));
        const Real b = std::fabs(static_cast<Real>(e.semiY));
        if (!(a > 0) || !(b > 0) || !std::isfinite(a) || !std::isfinite(b))
            return;
        px = e.cosTurn / a;
        py = e.sinTurn / a;
        wx = e.sinTurn / b;
        wy = e.cosTurn / b;
        usable = std::isfinite(px) && std::isfinite(py) && std::isfinite(wx) && std::isfinite(wy);
    }
    bool Inside(Real dx, Real dy) const {
        const Real u = dx * px - dy * py;
        const Real w = dx * wx + dy * wy;
        return u * u + w * w < 1;
    }
};

/// Whether doubles hold the ellipse's form and its squares without overflow or underflow;
/// other shapes (members millions of millions away, needles of atomic width) are worked in
/// extended precision, which holds every finite shape.
bool FitsDoubles(const SCellEllipse& e, const CGridMap& map) {
    constexpr double big = 1e100, small = 1e-100;
    const double a = std::fabs(e.semiX), b = std::fabs(e.semiY);
    const double reach =
        std::max({std::fabs(e.centre.x), std::fabs(e.centre.y), a, b,
                  std::fabs(map.WorldWindow().left), std::fabs(map.WorldWindow().right),
                  std::fabs(map.WorldWindow().top), std::fabs(map.WorldWindow().bottom)});
    return reach < big && a > small && b > small && a * 1e50 > reach && b * 1e50 > reach;
}

/// The same test with the world window's reach found once: the largest of the ellipse's own
/// numbers, then of it and the window's (a number that is not one never wins either way).
bool FitsDoubles(const SCellEllipse& e, double worldReach) {
    constexpr double big = 1e100, small = 1e-100;
    const double a = std::fabs(e.semiX), b = std::fabs(e.semiY);
    const double reach =
        std::max(std::max({std::fabs(e.centre.x), std::fabs(e.centre.y), a, b}), worldReach);
    return reach < big && a > small && b > small && a * 1e50 > reach && b * 1e50 > reach;
}

/// One row of the grid: where its cell centres lie and how they step along it.
template <class Real> struct SRow {
    Real dy = 0;     ///< the row's offset from the centre
    Real x0 = 0;     ///< the issue-space x of column 0
    Real unit = 0;   ///< issue-space width of one column
    Real centre = 0; ///< the ellipse centre's x
    Real slack = 0;  ///< how far, in columns, rounding may move a crossing found from the roots
};

template <class Real>
bool InRow(const SForm<Real>& form, const SRow<Real>& row, const CGridMap& map, int x, int y) {
    // The same point the per-cell rule takes (a row's cells share their y), so both give the
    // same answer.
    return form.Inside(static_cast<Real>(map.CellToWorld(x, y).x) - row.centre, row.dy);
}

/// Whether a column position found from the roots lies so near a whole column that rounding
/// could put the cell on either side; only then is the cell tested itself.
template <class Real> bool NearWhole(Real position, Real slack) {
    return std::fabs(position - std::nearbyint(position)) < slack;
}

/// The columns of one row whose centres lie inside, as [lo, hi]; lo > hi for none.
template <class Real>
std::pair<int, int> RowColumns(const SForm<Real>& form, const SRow<Real>& row, const CGridMap& map,
                               int y, int left, int right) {
    // u = px dx + u0, w = wx dx + w0: a quadratic A dx^2 + B dx + C < 0 in the offset dx.
    const Real u0 = -row.dy * form.py, w0 = row.dy * form.wy;
    const Real A = form.px * form.px + form.wx * form.wx;
    const Real B = 2 * (form.px * u0 + form.wx * w0);
    const Real C = u0 * u0 + w0 * w0 - 1;
    const Real disc = B * B - 4 * A * C;
    if (!(A > 0) || !(disc >= 0) || !(row.unit > 0))
        return {1, 0};
    const Real root = std::sqrt(disc);
    const Real base = row.x0 - row.centre;
    const Real from = ((-B - root) / (2 * A) - base) / row.unit;
    const Real to = ((-B + root) / (2 * A) - base) / row.unit;
    if (!std::isfinite(from) || !std::isfinite(to) || from > to)
        return {1, 0};
    int lo =
        static_cast<int>(std::clamp<Real>(std::ceil(from), left, static_cast<Real>(right) + 1));
    int hi = static_cast<int>(std::clamp<Real>(std::floor(to), static_cast<Real>(left) - 1, right));
    const auto in = [&](int x) { return InRow(form, row, map, x, y); };
    if (!NearWhole(from, row.slack) && !NearWhole(to, row.slack))
        return {lo, hi};
    while (lo <= hi && !in(lo))
        ++lo;
    while (hi >= lo && !in(hi))
        --hi;
    if (lo > hi)
        return {1, 0};
    while (lo > left && in(lo - 1))
        --lo;
    while (hi < right && in(hi + 1))
        ++hi;
    return {lo, hi};
}

/// The rows within the window that an ellipse reaching `reach` above and below its centre can
/// touch: its vertical extent mapped to rows and widened by one on each side.
std::pair<int, int> RowsWithin(double centreY, double reach, const CGridMap& map,
                               const SIntRect& window) {
    const int a = map.WorldToRow(centreY - reach);
    const int b = map.WorldToRow(centreY + reach);
    const int top = std::max(window.top, std::min(a, b) - 1);
    const int bottom = std::min(window.bottom - 1, std::max(a, b) + 1);
    return {top, bottom};
}

/// The rows the ellipse can reach, within the window.
std::pair<int, int> RowRange(const SCellEllipse& e, const CGridMap& map, const SIntRect& window) {
    return RowsWithin(e.centre.y, std::hypot(e.semiY * e.cosTurn, e.semiX * e.sinTurn), map,
                      window);
}

template <class Real>
bool CellInForm(const SCellEllipse& ellipse, const CGridMap& map, int x, int y) {
    const SForm<Real> form(ellipse);
    if (!form.usable)
        return false;
    const CFPoint p = map.CellToWorld(x, y);
    return form.Inside(static_cast<Real>(p.x) - ellipse.centre.x,
                       static_cast<Real>(p.y) - ellipse.centre.y);
}

/// What every row of one ellipse shares: its form, the rows it can reach within the window and
/// the row record with the slack its roots carry.
template <class Real> struct SRowSetup {
    SForm<Real> form;
    SRow<Real> row;
    int top = 0;
    int bottom = -1;
    /// The issue-space y of the first and last row.
    double topY = 0.0;
    double bottomY = 0.0;

    SRowSetup(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window)
        : form(ellipse) {
        if (!form.usable || window.right <= window.left || window.bottom <= window.top)
            return;
        std::tie(top, bottom) = RowRange(ellipse, map, window);
        Finish(ellipse, map.CellToWorld(0, 0).x, map.UnitX(), map.CellToWorld(0, top).y,
               map.CellToWorld(0, bottom).y);
    }
    /// A form whose rows the caller finds.
    explicit SRowSetup(const SForm<Real>& form_) : form(form_) {}
    /// The same from the grid's numbers kept for every ellipse.
    SRowSetup(const SCellEllipse& ellipse, const CEllipseGrid& grid) : form(ellipse) {
        const SIntRect& window = grid.Window();
        if (!form.usable || window.right <= window.left || window.bottom <= window.top)
            return;
        std::tie(top, bottom) = RowRange(ellipse, grid.Map(), window);
        Finish(ellipse, grid.ColumnZeroX(), grid.Map().UnitX(), grid.RowY(top), grid.RowY(bottom));
    }
    void Finish(const SCellEllipse& ellipse, double x0, double unit, double firstY, double lastY) {
        row = SRow<Real>{0, x0, unit, ellipse.centre.x, 0};
        // The roots carry the rounding of the numbers they are made of, relative to their size.
        topY = firstY;
        bottomY = lastY;
        const Real size = std::fabs(row.x0) + std::fabs(ellipse.centre.x) +
                          std::fabs(ellipse.centre.y) + std::fabs(ellipse.semiX) +
                          std::fabs(ellipse.semiY) + std::fabs(topY) + std::fabs(bottomY);
        row.slack = Real(1e-6) + 1024 * std::numeric_limits<Real>::epsilon() * size / row.unit;
    }

    std::pair<int, int> Columns(const SCellEllipse& ellipse, const CGridMap& map,
                                const SIntRect& window, int y) {
        row.dy = static_cast<Real>(map.CellToWorld(0, y).y) - ellipse.centre.y;
        return RowColumns(form, row, map, y, window.left, window.right - 1);
    }
};

template <class Real>
void AppendRuns(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window,
                std::vector<SCellRun>& runs) {
    SRowSetup<Real> setup(ellipse, map, window);
    for (int y = setup.top; y <= setup.bottom; ++y) {
        const auto [lo, hi] = setup.Columns(ellipse, map, window, y);
        if (lo <= hi)
            runs.push_back({y, lo, hi + 1});
    }
}

} // namespace

bool CellInEllipse(const SCellEllipse& ellipse, const CGridMap& map, int x, int y) {
    return FitsDoubles(ellipse, map) ? CellInForm<double>(ellipse, map, x, y)
                                     : CellInForm<long double>(ellipse, map, x, y);
}

void AppendEllipseRuns(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window,
                       std::vector<SCellRun>& runs) {
    if (FitsDoubles(ellipse, map))
        AppendRuns<double>(ellipse, map, window, runs);
    else
        AppendRuns<long double>(ellipse, map, window, runs);
}

CRgn EllipseCellRgn(const SCellEllipse& ellipse, const CGridMap& map) {
    // Row by row through the quick crossings, which give the same runs as AppendEllipseRuns
    // (the reference) and take the region's own row computation wherever they are not sure.
    const SIntRect window = RegionWindow(map);
    const CEllipseRows rows(ellipse, map, window);
    std::vector<SCellRun> runs;
    for (int y = std::max(rows.Top(), window.top); y <= std::min(rows.Bottom(), window.bottom - 1);
         ++y) {
        const auto [lo, hi] = rows.Columns(y);
        if (lo <= hi)
            runs.push_back({y, lo, hi + 1});
    }
    return RgnFromRuns(runs);
}

CEllipseGrid::CEllipseGrid(const CGridMap& map, const SIntRect& window)
    : m_map(&map), m_window(window), m_x0(map.CellToWorld(0, 0).x) {
    const SEdges& world = map.WorldWindow();
    m_worldReach = std::max({std::fabs(world.left), std::fabs(world.right), std::fabs(world.top),
                             std::fabs(world.bottom)});
    for (int y = window.top; y < window.bottom; ++y)
        m_rowY.push_back(map.CellToWorld(0, y).y);
}

CEllipseRows::CEllipseRows(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window)
    : m_ellipse(ellipse), m_map(&map), m_window(window), m_doubles(FitsDoubles(ellipse, map)) {
    if (m_doubles) {
        const SRowSetup<double> setup(ellipse, map, window);
        const double form[4] = {setup.form.px, setup.form.py, setup.form.wx, setup.form.wy};
        Keep(setup.top, setup.bottom, setup.row.slack, setup.row.x0, form, setup.topY,
             setup.bottomY, setup.top <= setup.bottom ? map.WorldToCell(ellipse.centre) : QPoint());
    } else {
        const SRowSetup<long double> setup(ellipse, map, window);
        m_quickRows.top = setup.top;
        m_quickRows.bottom = setup.bottom;
    }
}

CEllipseRows::CEllipseRows(const SCellEllipse& ellipse, const CEllipseGrid& grid,
                           const QPoint& centreCell)
    : m_ellipse(ellipse), m_map(&grid.Map()), m_window(grid.Window()),
      m_doubles(FitsDoubles(ellipse, grid.WorldReach())) {
    if (m_doubles) {
        const SRowSetup<double> setup(ellipse, grid);
        const double form[4] = {setup.form.px, setup.form.py, setup.form.wx, setup.form.wy};
        Keep(setup.top, setup.bottom, setup.row.slack, setup.row.x0, form, setup.topY,
             setup.bottomY, centreCell);
    } else {
        const SRowSetup<long double> setup(ellipse, grid.Map(), grid.Window());
        m_quickRows.top = setup.top;
        m_quickRows.bottom = setup.bottom;
    }
}

std::pair<int, int> CEllipseRows::ExactColumns(int y) const {
    if (y < m_quickRows.top || y > m_quickRows.bottom)
        return {1, 0};
    if (!m_doubles)
        return SRowSetup<long double>(m_ellipse, *m_map, m_window)
            .Columns(m_ellipse, *m_map, m_window, y);
    // The setup's form and row record, kept from the constructor.
    const SForm<double> form(m_form[0], m_form[1], m_form[2], m_form[3]);
    SRow<double> row{0, m_x0, m_map->UnitX(), m_ellipse.centre.x, m_slack};
    row.dy = m_map->CellToWorld(0, y).y - m_ellipse.centre.y;
    return RowColumns(form, row, *m_map, y, m_window.left, m_window.right - 1);
}

std::pair<int, int> CEllipseRows::SettledColumns(int y, double rowY) const {
    const SQuickEllipseRows& q = m_quickRows;
    if (!m_doubles || !q.usable || y < q.top || y > q.bottom)
        return ExactColumns(y);
    const double dy = rowY - q.centreY;
    const double t = q.t0 - dy * dy * q.t1;
    if (!(t > q.tolerance))
        return ExactColumns(y);
    const double r = std::sqrt(t);
    const double mid = q.base + q.slope * dy;
    const double from = mid - r, to = mid + r;
    // Wide enough that the cells beside a crossing's own column lie a whole column inside and
    // outside, and far enough inside the window that no cut applies: the region's way then
    // walks from the cells its roots give to the same ends.
    if (!(to - from > 3.0) || !(from > m_window.left + 1.0) || !(to < m_window.right - 2.0))
        return ExactColumns(y);
    const SForm<double> form(m_form[0], m_form[1], m_form[2], m_form[3]);
    SRow<double> row{0, m_x0, m_map->UnitX(), m_ellipse.centre.x, m_slack};
    row.dy = rowY - m_ellipse.centre.y;
    const auto in = [&](int x) { return InRow(form, row, *m_map, x, y); };
    const double fromWhole = WholeNearest(from), toWhole = WholeNearest(to);
    const int fromColumn = static_cast<int>(fromWhole), toColumn = static_cast<int>(toWhole);
    const int lo = std::fabs(from - fromWhole) > SQuickEllipseRows::kMargin
                       ? static_cast<int>(std::floor(from)) + 1
                       : (in(fromColumn) ? fromColumn : fromColumn + 1);
    const int hi = std::fabs(to - toWhole) > SQuickEllipseRows::kMargin
                       ? static_cast<int>(std::floor(to))
                       : (in(toColumn) ? toColumn : toColumn - 1);
    return {lo, hi};
}

void CEllipseRows::Store(int top, int bottom, double slack, double x0, const double form[4]) {
    m_quickRows.top = top;
    m_quickRows.bottom = bottom;
    m_slack = slack;
    m_x0 = x0;
    for (int k = 0; k < 4; ++k)
        m_form[k] = form[k];
}

void CEllipseRows::Keep(int top, int bottom, double slack, double x0, const double form[4],
                        double topY, double bottomY, const QPoint& centreCell) {
    Store(top, bottom, slack, x0, form);
    if (top <= bottom)
        PrepareQuick(form[0], form[1], form[2], form[3], topY, bottomY, centreCell);
}

namespace {

/// The quick form's numbers that stay along the rows: along a row dy from the centre,
/// u^2 + w^2 = 1 is A dx^2 + 2 k dy dx + C = 0 with A = px^2 + wx^2, k = wx wy - px py, and its
/// discriminant reduces to A - (dy / (a b))^2, where 1 / (a b) = px wy + wx py.
void SolveQuick(double px, double py, double wx, double wy, double unit, double centreX, double x0,
                SQuickEllipseRows& q, double& a) {
    a = px * px + wx * wx;
    const double k = wx * wy - px * py;
    const double m = (px * wy + wx * py) * (px * wy + wx * py);
    q.base = (centreX - x0) / unit;
    q.slope = -k / (a * unit);
    q.t0 = 1.0 / (a * unit * unit);
    q.t1 = m / (a * a * unit * unit);
}

} // namespace

SEllipseShape EllipseShape(const SCellEllipse& unitEllipse, const CEllipseGrid& grid) {
    SEllipseShape shape;
    const SForm<double> form(unitEllipse);
    const double unit = grid.Map().UnitX();
    if (!form.usable || !FitsDoubles(unitEllipse, grid.WorldReach()) || !(unit > 0))
        return shape;
    SQuickEllipseRows q;
    double a = 0.0;
    SolveQuick(form.px, form.py, form.wx, form.wy, unit, unitEllipse.centre.x, grid.ColumnZeroX(),
               q, a);
    shape.base = q.base;
    shape.slope = q.slope;
    shape.t1 = q.t1;
    shape.t0 = q.t0;
    shape.rootT0 = std::sqrt(q.t0);
    shape.reach = std::hypot(unitEllipse.semiY * unitEllipse.cosTurn,
                             unitEllipse.semiX * unitEllipse.sinTurn);
    shape.usable = a > 0 && std::isfinite(shape.t0) && std::isfinite(shape.t1) &&
                   std::isfinite(shape.slope) && std::isfinite(shape.reach);
    return shape;
}

CEllipseRows::CEllipseRows(const SCellEllipse& ellipse, const CEllipseGrid& grid,
                           const QPoint& centreCell, const SEllipseShape& shape)
    : m_ellipse(ellipse), m_map(&grid.Map()), m_window(grid.Window()),
      m_doubles(FitsDoubles(ellipse, grid.WorldReach())) {
    const SForm<double> form(ellipse);
    const double size = ellipse.semiX;
    const SIntRect& window = m_window;
    if (!m_doubles || !shape.usable || !form.usable || !(size > 0) || window.right <= window.left ||
        window.bottom <= window.top) {
        *this = CEllipseRows(ellipse, grid, centreCell);
        return;
    }
    // The rows as RowRange finds them, the reach scaled from the shape's.
    const auto [top, bottom] = RowsWithin(ellipse.centre.y, size * shape.reach, *m_map, window);
    SRowSetup<double> setup(form);
    setup.Finish(ellipse, grid.ColumnZeroX(), m_map->UnitX(), grid.RowY(top), grid.RowY(bottom));
    const double kept[4] = {form.px, form.py, form.wx, form.wy};
    Store(top, bottom, setup.row.slack, setup.row.x0, kept);
    if (top > bottom)
        return;
    SQuickEllipseRows& q = m_quickRows;
    q.centreY = ellipse.centre.y;
    q.base = shape.base;
    q.slope = shape.slope;
    q.t0 = shape.t0 * size * size;
    q.t1 = shape.t1;
    FinishQuick(setup.topY, setup.bottomY, shape.rootT0 * size, centreCell);
}

void CEllipseRows::PrepareQuick(double px, double py, double wx, double wy, double topY,
                                double bottomY, const QPoint& centre) {
    SQuickEllipseRows& q = m_quickRows;
    q.centreY = m_ellipse.centre.y;
    double a = 0.0;
    SolveQuick(px, py, wx, wy, m_map->UnitX(), m_ellipse.centre.x, m_x0, q, a);
    FinishQuick(topY, bottomY, a > 0 ? std::sqrt(q.t0) : 0.0, centre);
    q.usable = q.usable && a > 0;
}

void CEllipseRows::FinishQuick(double topY, double bottomY, double rootT0, const QPoint& centre) {
    SQuickEllipseRows& q = m_quickRows;
    const double unit = m_map->UnitX();
    // The rounding under the root and in the crossings grows with the numbers involved, at
    // most those of the farthest row the ellipse reaches.
    const double reach = std::max(std::fabs(topY - q.centreY), std::fabs(bottomY - q.centreY));
    const double scale = q.t0 + q.t1 * reach * reach + q.slope * q.slope * reach * reach;
    q.tolerance = 1e-6 * scale + 1e-9;
    q.usable = unit > 0 && std::isfinite(scale) && scale < 1e10 &&
               std::fabs(q.base) + std::fabs(q.slope) * reach + rootT0 < 1e8;
    const double radius = std::min(std::fabs(m_ellipse.semiX), std::fabs(m_ellipse.semiY));
    // The sum of a cell's sides is at least its diagonal.
    m_holdsCell = radius > std::fabs(m_map->UnitX()) + std::fabs(m_map->UnitY()) &&
                  centre.x() >= m_window.left + 2 && centre.x() < m_window.right - 2 &&
                  centre.y() >= m_window.top + 2 && centre.y() < m_window.bottom - 2;
}
