#include "geometry/EllipseRowBatch.h"

#include <algorithm>
#include <cmath>

#if defined(__GNUC__) && defined(__x86_64__) && defined(__linux__)
// Machines with wider vector units take four ellipses at a time.
#define QUELTA_WIDE_VECTORS __attribute__((target_clones("avx2", "default")))
#else
#define QUELTA_WIDE_VECTORS
#endif

namespace {

/// The floor of a number well inside +-2^51, in additions alone (under the usual rounding to
/// nearest), so that it runs several numbers at a time on any vector unit.
inline double Floor(double x) {
    constexpr double shift = 6755399441055744.0; // 1.5 * 2^52
    const double nearest = (x + shift) - shift;
    return nearest > x ? nearest - 1.0 : nearest;
}

/// The decisions of SQuickEllipseRows::Columns for every ellipse of one row, written without
/// branches so that the compiler runs several ellipses at a time: lo and hi are the columns
/// where `certain` is 1, and 1 and 0 where the row holds no cell of the ellipse.
QUELTA_WIDE_VECTORS
void DecideRow(std::size_t n, double y, double rowY, double windowLeft, double windowRight,
               const double* __restrict top, const double* __restrict bottom,
               const double* __restrict usable, const double* __restrict centreY,
               const double* __restrict base, const double* __restrict slope,
               const double* __restrict t0, const double* __restrict t1,
               const double* __restrict tolerance, double* __restrict lo,
               double* __restrict hi, double* __restrict certain) {
    constexpr double margin = SQuickEllipseRows::kMargin;
    for (std::size_t k = 0; k < n; ++k) {
        const double dy = rowY - centreY[k];
        const double t = t0[k] - dy * dy * t1[k];
        const double r = std::sqrt(t > 0.0 ? t : 0.0);
        const double mid = base[k] + slope[k] * dy;
        const double from = mid - r, to = mid + r;
        const double fromFloor = Floor(from), toFloor = Floor(to);
        const double fromPart = from - fromFloor, toPart = to - toFloor;
        const double nearest =
            std::min(std::min(fromPart, 1.0 - fromPart), std::min(toPart, 1.0 - toPart));
        const double tol = tolerance[k];
        const double within = (y >= top[k] ? 1.0 : 0.0) * (y <= bottom[k] ? 1.0 : 0.0);
        const double inside = within * usable[k];
        const double open = t > tol ? inside : 0.0;
        const double closed = t < -tol ? inside : 0.0;
        const double first = std::min(std::max(fromFloor + 1.0, windowLeft), windowRight);
        const double last = std::min(std::max(toFloor, windowLeft - 1.0), windowRight - 1.0);
        lo[k] = open != 0.0 ? first : 1.0;
        hi[k] = open != 0.0 ? last : 0.0;
        certain[k] = (1.0 - within) + closed + (nearest > margin ? open : 0.0);
    }
}

} // namespace

void CEllipseRowBatch::Clear() {
    m_rows.clear();
    for (auto* doubles : {&m_top, &m_bottom, &m_usable, &m_centreY, &m_base, &m_slope, &m_t0,
                          &m_t1, &m_tolerance})
        doubles->clear();
    m_lo.clear();
    m_hi.clear();
    m_certain.clear();
}

void CEllipseRowBatch::Add(const SQuickEllipseRows& rows) {
    m_rows.push_back(rows);
    m_top.push_back(rows.top);
    m_bottom.push_back(rows.bottom);
    m_usable.push_back(rows.usable ? 1.0 : 0.0);
    m_centreY.push_back(rows.centreY);
    m_base.push_back(rows.base);
    m_slope.push_back(rows.slope);
    m_t0.push_back(rows.t0);
    m_t1.push_back(rows.t1);
    m_tolerance.push_back(rows.tolerance);
    m_lo.push_back(1.0);
    m_hi.push_back(0.0);
    m_certain.push_back(0.0);
}

void CEllipseRowBatch::Row(int y, double rowY, int windowLeft, int windowRight) {
    DecideRow(Size(), y, rowY, windowLeft, windowRight, m_top.data(), m_bottom.data(),
              m_usable.data(), m_centreY.data(), m_base.data(), m_slope.data(), m_t0.data(),
              m_t1.data(), m_tolerance.data(), m_lo.data(), m_hi.data(), m_certain.data());
}
