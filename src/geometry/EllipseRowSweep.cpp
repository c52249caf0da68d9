#include "geometry/EllipseRowSweep.h"

#include <algorithm>
#include <cmath>

#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
// Machines with wider vector units take four ellipses at a time.
#define QUELTA_WIDE_VECTORS __attribute__((target_clones("avx512f", "avx2", "default")))
#else
#define QUELTA_WIDE_VECTORS
#endif

namespace {

/// The floor of a number well inside +-2^51, in additions alone (under the usual rounding to
/// nearest), so that it runs several numbers at a time on any vector unit.
inline double Floor(double x) {
    const double nearest = WholeNearest(x);
    return nearest > x ? nearest - 1.0 : nearest;
}

/// The decisions of SQuickEllipseRows::Columns for ellipses that reach the row, written without
/// branches so that the compiler runs several ellipses at a time. The columns are offsets from
/// `left` cut to 0 .. width, as whole numbers of doubles (exact well inside 2^51), so the
/// cutting gives the same cells as cutting the columns to the swept ones and taking the offsets;
/// no cell gives 0 .. 0.
QUELTA_WIDE_VECTORS
void SweepRow(std::size_t n, double rowY, double left, double width,
              const double* __restrict usable, const double* __restrict centreY,
              const double* __restrict base, const double* __restrict slope,
              const double* __restrict t0, const double* __restrict t1,
              const double* __restrict tolerance, std::int32_t* __restrict from,
              std::int32_t* __restrict to, std::int32_t* __restrict certain) {
    constexpr double margin = SQuickEllipseRows::kMargin;
    // The offset of the column after a floor.
    const double next = 1.0 - left;
    // Whole blocks of lanes, so that no ellipse is left to a loop of one at a time.
    if (n % CEllipseRowSweep::kLanes != 0)
        __builtin_unreachable();
    for (std::size_t k = 0; k < n; ++k) {
        const double dy = rowY - centreY[k];
        const double t = t0[k] - dy * dy * t1[k];
        const double r = std::sqrt(t > 0.0 ? t : 0.0);
        const double mid = base[k] + slope[k] * dy;
        const double a = mid - r, b = mid + r;
        // The whole columns nearest the crossings give their floors and how near they lie: the
        // distance to the nearest whole column is the least of the part above the floor and
        // the part below the next, exactly.
        const double aNearest = WholeNearest(a), bNearest = WholeNearest(b);
        const double aFloor = aNearest > a ? aNearest - 1.0 : aNearest;
        const double bFloor = bNearest > b ? bNearest - 1.0 : bNearest;
        const double nearest = std::min(std::fabs(a - aNearest), std::fabs(b - bNearest));
        const double tol = tolerance[k];
        const double open = t > tol ? usable[k] : 0.0;
        const double closed = t < -tol ? usable[k] : 0.0;
        // Whole numbers all, so the sums are exact in either order.
        const double x0 = std::min(std::max(aFloor + next, 0.0), width);
        const double x1 = std::min(std::max(bFloor + next, 0.0), width);
        const double holds = x0 < x1 ? open : 0.0;
        from[k] = static_cast<std::int32_t>(holds != 0.0 ? x0 : 0.0);
        to[k] = static_cast<std::int32_t>(holds != 0.0 ? x1 : 0.0);
        certain[k] = static_cast<std::int32_t>(closed + (nearest > margin ? open : 0.0));
    }
}

/// The widened columns of CEllipseRowSweep::WidenRow, without branches like SweepRow's: twice
/// the rounding the quick form allows under the root and at the crossings.
QUELTA_WIDE_VECTORS
void WidenedRow(std::size_t n, double rowY, double left, double width,
                const double* __restrict usable, const double* __restrict centreY,
                const double* __restrict base, const double* __restrict slope,
                const double* __restrict t0, const double* __restrict t1,
                const double* __restrict tolerance, std::int32_t* __restrict from,
                std::int32_t* __restrict to, std::int32_t* __restrict certain) {
    constexpr double margin = 2 * SQuickEllipseRows::kMargin;
    if (n % CEllipseRowSweep::kLanes != 0)
        __builtin_unreachable();
    for (std::size_t k = 0; k < n; ++k) {
        const double dy = rowY - centreY[k];
        const double t = t0[k] - dy * dy * t1[k] + 2 * tolerance[k];
        const double r = std::sqrt(t > 0.0 ? t : 0.0) + margin;
        const double mid = base[k] + slope[k] * dy;
        const double x0 = std::min(std::max(Floor(mid - r) - left, 0.0), width);
        const double x1 = std::min(std::max(Floor(mid + r) + 1.0 - left, 0.0), width);
        const bool held = t > 0.0 && x0 < x1;
        // An ellipse whose quick form cannot tell may hold any column.
        from[k] = static_cast<std::int32_t>(usable[k] == 0.0 ? 0.0 : held ? x0 : 0.0);
        to[k] = static_cast<std::int32_t>(usable[k] == 0.0 ? width : held ? x1 : 0.0);
        certain[k] = 1;
    }
}

} // namespace

void CEllipseRowSweep::Start(int left, int right, int top, int bottom) {
    m_left = left;
    m_right = std::max(right, left);
    m_top = top;
    m_bottom = std::max(bottom, top);
    m_added.clear();
    m_joining.assign(static_cast<std::size_t>(m_bottom - m_top), -1);
    m_leaving.assign(m_joining.size(), -1);
    m_next = 0;
    m_pending = -1;
    m_count = 0;
    m_shown = 0;
}

void CEllipseRowSweep::Add(const SQuickEllipseRows& rows, int tag, std::int64_t weight) {
    // An ellipse whose rows miss the band never joins.
    if (rows.top > rows.bottom || rows.bottom < m_top || rows.top >= m_bottom || m_top == m_bottom)
        return;
    const int e = static_cast<int>(m_added.size());
    const std::size_t joins = static_cast<std::size_t>(std::max(rows.top, m_top) - m_top);
    const std::size_t leaves =
        static_cast<std::size_t>(std::min(rows.bottom, m_bottom - 1) - m_top);
    m_added.push_back({rows, tag, weight, m_joining[joins], m_leaving[leaves], 0});
    m_joining[joins] = e;
    m_leaving[leaves] = e;
    // Room for whole blocks of lanes; the lanes past the last entry hold numbers that are
    // worked like any other and never read.
    const std::size_t room = Blocks(m_added.size());
    if (m_usable.size() < room) {
        for (auto* doubles : {&m_usable, &m_centreY, &m_base, &m_slope, &m_t0, &m_t1, &m_tolerance})
            doubles->resize(room);
        for (auto* ints : {&m_tag, &m_entry})
            ints->resize(room);
        for (auto* ints : {&m_from, &m_to, &m_certain})
            ints->resize(room);
        m_weight.resize(room);
    }
}

void CEllipseRowSweep::Join(int e) {
    SAdded& added = m_added[static_cast<std::size_t>(e)];
    const SQuickEllipseRows& rows = added.rows;
    const std::size_t k = m_count++;
    added.slot = k;
    m_usable[k] = rows.usable ? 1.0 : 0.0;
    m_centreY[k] = rows.centreY;
    m_base[k] = rows.base;
    m_slope[k] = rows.slope;
    m_t0[k] = rows.t0;
    m_t1[k] = rows.t1;
    m_tolerance[k] = rows.tolerance;
    m_tag[k] = added.tag;
    m_weight[k] = added.weight;
    m_entry[k] = e;
}

void CEllipseRowSweep::Leave(int e) {
    // The last entry takes the place of the one that leaves.
    const std::size_t k = m_added[static_cast<std::size_t>(e)].slot;
    const std::size_t last = --m_count;
    for (auto* doubles : {&m_usable, &m_centreY, &m_base, &m_slope, &m_t0, &m_t1, &m_tolerance})
        (*doubles)[k] = (*doubles)[last];
    m_tag[k] = m_tag[last];
    m_weight[k] = m_weight[last];
    m_entry[k] = m_entry[last];
    m_added[static_cast<std::size_t>(m_entry[k])].slot = k;
}

void CEllipseRowSweep::JoinAt(int row) {
    for (int e = m_joining[static_cast<std::size_t>(row)]; e >= 0;
         e = m_added[static_cast<std::size_t>(e)].nextJoining)
        Join(e);
}

void CEllipseRowSweep::LeaveAfter(int row) {
    for (int e = m_leaving[static_cast<std::size_t>(row)]; e >= 0;
         e = m_added[static_cast<std::size_t>(e)].nextLeaving)
        Leave(e);
}

void CEllipseRowSweep::Row(int y, double rowY) {
    const int rows = m_bottom - m_top;
    const int row = y - m_top;
    // The ellipses whose last row was the one before leave now, those of rows left out join
    // and leave at once.
    if (m_pending >= 0)
        LeaveAfter(m_pending);
    m_pending = -1;
    for (; m_next < row && m_next < rows; ++m_next) {
        JoinAt(m_next);
        LeaveAfter(m_next);
    }
    m_shown = 0;
    if (row < m_next || row >= rows)
        return;
    JoinAt(row);
    m_next = row + 1;
    m_pending = row;
    SweepRow(Blocks(m_count), rowY, m_left, m_right - m_left, m_usable.data(), m_centreY.data(),
             m_base.data(), m_slope.data(), m_t0.data(), m_t1.data(), m_tolerance.data(),
             m_from.data(), m_to.data(), m_certain.data());
    m_shown = m_count;
}

void CEllipseRowSweep::WidenRow(double rowY) {
    WidenedRow(Blocks(m_shown), rowY, m_left, m_right - m_left, m_usable.data(), m_centreY.data(),
               m_base.data(), m_slope.data(), m_t0.data(), m_t1.data(), m_tolerance.data(),
               m_from.data(), m_to.data(), m_certain.data());
}

std::pair<int, int> CEllipseRowSweep::Cut(int lo, int hi) const {
    const int from = std::max(lo, m_left) - m_left;
    const int to = std::min(hi + 1, m_right) - m_left;
    return from < to ? std::pair(from, to) : std::pair(0, 0);
}
