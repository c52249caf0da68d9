#include "concepts/TriangleCover.h"

#include "geometry/GeoAlloc.h"
#include "geometry/Region.h"

#include <algorithm>
#include <array>
#include <cstdint>

/// Walks an edge from a to b (a above b) row by row, giving on each row the least integer x
/// that the edge counts for: the crossing point rounded up. The crossing is kept as an exact
/// quotient and remainder, so each row costs two additions instead of a division.
class CEdgeWalk {
public:
    CEdgeWalk(const QPoint& a, const QPoint& b, std::int64_t y) : m_x(a.x()), m_dy(b.y() - a.y()) {
        const std::int64_t dx = b.x() - a.x();
        Split(dx, m_stepQ, m_stepR);
        Split((y - a.y()) * dx, m_q, m_r);
    }
    std::int64_t X() const { return m_x + m_q + (m_r != 0 ? 1 : 0); }
    void Next() {
        m_q += m_stepQ;
        m_r += m_stepR;
        if (m_r >= m_dy) {
            m_r -= m_dy;
            ++m_q;
        }
    }

private:
    /// value = q dy + r with 0 <= r < dy.
    void Split(std::int64_t value, std::int64_t& q, std::int64_t& r) const {
        q = value / m_dy;
        r = value % m_dy;
        if (r < 0) {
            r += m_dy;
            --q;
        }
    }

    std::int64_t m_x;
    std::int64_t m_dy;
    std::int64_t m_q = 0;
    std::int64_t m_r = 0;
    std::int64_t m_stepQ = 0;
    std::int64_t m_stepR = 0;
};

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
    const auto [least, most] = std::minmax({v[0].x(), v[1].x(), v[2].x()});
    if (y0 >= y1 || cross == 0 || most < m_window.left || least >= m_window.right)
        return;
    // Rows follow the half-open rule top <= y < bottom of each edge: the long edge runs from
    // the top vertex to the bottom one, the short side changes at the middle vertex.
    CEdgeWalk longEdge(v[0], v[2], y0);
    const std::int64_t middle = std::clamp<std::int64_t>(v[1].y(), y0, y1);
    if (y0 < middle) {
        CEdgeWalk upper(v[0], v[1], y0);
        AddRows(longEdge, upper, y0, middle);
    }
    if (middle < y1) {
        CEdgeWalk lower(v[1], v[2], middle);
        AddRows(longEdge, lower, middle, y1);
    }
}

void CTriangleCover::AddRows(CEdgeWalk& first, CEdgeWalk& second, std::int64_t from,
                             std::int64_t to) {
    for (std::int64_t y = from; y < to; ++y, first.Next(), second.Next()) {
        const std::int64_t x0 = std::clamp<std::int64_t>(first.X() - m_window.left, 0, m_width);
        const std::int64_t x1 = std::clamp<std::int64_t>(second.X() - m_window.left, 0, m_width);
        if (x0 == x1)
            continue;
        int* row = m_starts.data() + (y - m_window.top) * (m_width + 1);
        ++row[std::min(x0, x1)];
        --row[std::max(x0, x1)];
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
