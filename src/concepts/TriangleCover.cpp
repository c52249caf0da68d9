#include "concepts/TriangleCover.h"

#include "geometry/GeoAlloc.h"
#include "geometry/Region.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

/// The least integer x that an edge from a to b counts for on row y: the crossing point,
/// rounded up, computed exactly in integers.
std::int64_t CeilCrossing(const QPoint& a, const QPoint& b, std::int64_t y) {
    const std::int64_t dy = b.y() - a.y();
    const std::int64_t num = (y - a.y()) * static_cast<std::int64_t>(b.x() - a.x());
    // x = a.x + num / dy, with dy > 0.
    std::int64_t q = num / dy;
    if (num % dy != 0 && num > 0)
        ++q;
    return a.x() + q;
}

} // namespace

CTriangleCover::CTriangleCover(const SIntRect& window)
    : m_window(window), m_width(std::max(0, window.right - window.left)) {
    const std::size_t rows = static_cast<std::size_t>(std::max(0, window.bottom - window.top));
    CheckGeoAllocation(rows * static_cast<std::size_t>(m_width + 1));
    m_starts.assign(rows * static_cast<std::size_t>(m_width + 1), 0);
}

void CTriangleCover::Add(const QPoint& a, const QPoint& b, const QPoint& c) {
    std::array<QPoint, 3> v = {a, b, c};
    std::sort(v.begin(), v.end(), [](const QPoint& p, const QPoint& q) { return p.y() < q.y(); });
    const std::int64_t y0 = std::max<std::int64_t>(v[0].y(), m_window.top);
    const std::int64_t y1 = std::min<std::int64_t>(v[2].y(), m_window.bottom);
    const std::int64_t cross =
        static_cast<std::int64_t>(v[1].x() - v[0].x()) * (v[2].y() - v[0].y()) -
        static_cast<std::int64_t>(v[1].y() - v[0].y()) * (v[2].x() - v[0].x());
    if (y0 >= y1 || cross == 0)
        return;
    for (std::int64_t y = y0; y < y1; ++y) {
        // The long edge runs from the top vertex to the bottom one; the short side changes at
        // the middle vertex. Rows follow the half-open rule top <= y < bottom of each edge.
        const std::int64_t longX = CeilCrossing(v[0], v[2], y);
        const std::int64_t shortX =
            y < v[1].y() ? CeilCrossing(v[0], v[1], y) : CeilCrossing(v[1], v[2], y);
        std::int64_t from = std::min(longX, shortX) - m_window.left;
        std::int64_t to = std::max(longX, shortX) - m_window.left;
        from = std::clamp<std::int64_t>(from, 0, m_width);
        to = std::clamp<std::int64_t>(to, 0, m_width);
        if (from >= to)
            continue;
        int* row = m_starts.data() + (y - m_window.top) * (m_width + 1);
        ++row[from];
        --row[to];
    }
}

CRgn CTriangleCover::Rgn() const {
    const int rows = std::max(0, m_window.bottom - m_window.top);
    CRegion grid(rows, m_width + 1);
    for (int y = 0; y < rows; ++y) {
        const int* starts = m_starts.data() + static_cast<std::size_t>(y) * (m_width + 1);
        double* values = grid.Row(y);
        int depth = 0;
        for (int x = 0; x < m_width; ++x) {
            depth += starts[x];
            values[x] = depth > 0 ? 1.0 : 0.0;
        }
    }
    long long count = 0;
    CRgn rgn = grid.GetRgn(0.5, QPoint(0, 0), count);
    rgn.OffsetRgn(m_window.left, m_window.top);
    return rgn;
}
