#include "geometry/EllipseCells.h"

#include <algorithm>
#include <cmath>

namespace {

using Real = long double;

/// The ellipse as the quadratic form u^2 + w^2 < 1 of the offsets from its centre:
/// u = dx px - dy py, w = dx wx + dy wy. Extended precision keeps the form finite for every
/// finite shape.
struct SForm {
    Real px = 0, py = 0, wx = 0, wy = 0;
    bool usable = false;

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

/// One row of the grid: where its cell centres lie and how they step along it.
struct SRow {
    Real dy;     ///< the row's offset from the centre
    Real x0;     ///< the issue-space x of column 0
    Real unit;   ///< issue-space width of one column
    Real centre; ///< the ellipse centre's x
};

bool InRow(const SForm& form, const SRow& row, const CGridMap& map, int x, int y) {
    // The same point the per-cell rule takes (a row's cells share their y), so both give the
    // same answer.
    return form.Inside(static_cast<Real>(map.CellToWorld(x, y).x) - row.centre, row.dy);
}

/// The columns of one row whose centres lie inside, as [lo, hi]; lo > hi for none.
std::pair<int, int> RowColumns(const SForm& form, const SRow& row, const CGridMap& map, int y,
                               int left, int right) {
    // u = px dx + u0, w = wx dx + w0: a quadratic A dx^2 + B dx + C < 0 in the offset dx.
    const Real u0 = -row.dy * form.py, w0 = row.dy * form.wy;
    const Real A = form.px * form.px + form.wx * form.wx;
    const Real B = 2 * (form.px * u0 + form.wx * w0);
    const Real C = u0 * u0 + w0 * w0 - 1;
    const Real disc = B * B - 4 * A * C;
    if (!(A > 0) || !(disc >= 0) || !(row.unit > 0))
        return {1, 0};
    const Real root = std::sqrt(disc);
    const Real low = (-B - root) / (2 * A), high = (-B + root) / (2 * A);
    const Real base = row.x0 - row.centre;
    const Real first = std::ceil((low - base) / row.unit);
    const Real last = std::floor((high - base) / row.unit);
    int lo = static_cast<int>(std::clamp<Real>(first, left, static_cast<Real>(right) + 1));
    int hi = static_cast<int>(std::clamp<Real>(last, static_cast<Real>(left) - 1, right));
    const auto in = [&](int x) { return InRow(form, row, map, x, y); };
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

/// The rows the ellipse can reach, within the window: its vertical extent mapped to rows and
/// widened by one on each side.
std::pair<int, int> RowRange(const SCellEllipse& e, const CGridMap& map, const SIntRect& window) {
    const double reach = std::hypot(e.semiY * e.cosTurn, e.semiX * e.sinTurn);
    const int a = map.WorldToCell(CFPoint(e.centre.x, e.centre.y - reach)).y();
    const int b = map.WorldToCell(CFPoint(e.centre.x, e.centre.y + reach)).y();
    const int top = std::max(window.top, std::min(a, b) - 1);
    const int bottom = std::min(window.bottom - 1, std::max(a, b) + 1);
    return {top, bottom};
}

} // namespace

bool CellInEllipse(const SCellEllipse& ellipse, const CGridMap& map, int x, int y) {
    const SForm form(ellipse);
    if (!form.usable)
        return false;
    const CFPoint p = map.CellToWorld(x, y);
    return form.Inside(static_cast<Real>(p.x) - ellipse.centre.x,
                       static_cast<Real>(p.y) - ellipse.centre.y);
}

void AppendEllipseRuns(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window,
                       std::vector<SCellRun>& runs) {
    const SForm form(ellipse);
    if (!form.usable || window.right <= window.left || window.bottom <= window.top)
        return;
    const auto [top, bottom] = RowRange(ellipse, map, window);
    SRow row{0, map.CellToWorld(0, 0).x, map.UnitX(), ellipse.centre.x};
    for (int y = top; y <= bottom; ++y) {
        row.dy = static_cast<Real>(map.CellToWorld(0, y).y) - ellipse.centre.y;
        const auto [lo, hi] = RowColumns(form, row, map, y, window.left, window.right - 1);
        if (lo <= hi)
            runs.push_back({y, lo, hi + 1});
    }
}

CRgn EllipseCellRgn(const SCellEllipse& ellipse, const CGridMap& map) {
    std::vector<SCellRun> runs;
    AppendEllipseRuns(ellipse, map, RegionWindow(map), runs);
    return RgnFromRuns(runs);
}
