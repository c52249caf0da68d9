#include "geometry/RegionOutline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>

namespace {

// Directions on the grid, clockwise as seen on the chart (rows grow downwards): a right turn
// adds one.
enum EDirection : int { East = 0, South = 1, West = 2, North = 3 };
constexpr std::array<int, 4> kStepX = {1, 0, -1, 0};
constexpr std::array<int, 4> kStepY = {0, 1, 0, -1};

/// The region's cells on a grid compressed to the distinct edges of its rectangles: each
/// compressed cell is a rectangle of cells wholly in or wholly out of the region, with a
/// border of empty cells all round so that no lookup leaves the grid.
class CCompressedCells {
public:
    explicit CCompressedCells(const std::vector<SIntRect>& rects) {
        for (const SIntRect& r : rects) {
            m_xs.insert(m_xs.end(), {r.left, r.right});
            m_ys.insert(m_ys.end(), {r.top, r.bottom});
        }
        for (std::vector<int>* edges : {&m_xs, &m_ys}) {
            std::sort(edges->begin(), edges->end());
            edges->erase(std::unique(edges->begin(), edges->end()), edges->end());
        }
        // Compressed cell i spans edges i - 1 to i; cells 0 and size() are the border.
        m_width = static_cast<int>(m_xs.size()) + 1;
        m_height = static_cast<int>(m_ys.size()) + 1;
        m_inside.assign(static_cast<size_t>(m_width) * m_height, 0);
        for (const SIntRect& r : rects)
            for (int y = Index(m_ys, r.top) + 1; y <= Index(m_ys, r.bottom); ++y)
                for (int x = Index(m_xs, r.left) + 1; x <= Index(m_xs, r.right); ++x)
                    m_inside[Cell(x, y)] = 1;
    }

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Inside(int x, int y) const {
        return x >= 0 && y >= 0 && x < m_width && y < m_height && m_inside[Cell(x, y)] != 0;
    }
    size_t Cell(int x, int y) const { return static_cast<size_t>(y) * m_width + x; }
    /// The grid corner of a compressed corner (the top-left corner of the compressed cell of
    /// the same numbers; corners on the region's edges are never on the border's far side).
    QPoint Corner(const QPoint& corner) const {
        return {m_xs[corner.x() - 1], m_ys[corner.y() - 1]};
    }

private:
    static int Index(const std::vector<int>& edges, int value) {
        return static_cast<int>(std::lower_bound(edges.begin(), edges.end(), value) -
                                edges.begin());
    }

    std::vector<int> m_xs;
    std::vector<int> m_ys;
    int m_width = 0;
    int m_height = 0;
    std::vector<uint8_t> m_inside;
};

// Compressed corner (x, y) is the top-left corner of compressed cell (x, y); its four cells
// are (x - 1, y - 1), (x, y - 1), (x - 1, y) and (x, y).

/// The sides of cells in the region whose neighbour is not, as directed edges keyed by their
/// start corner, with the region on the right of each as seen on the chart.
std::vector<uint8_t> BoundaryEdges(const CCompressedCells& cells) {
    std::vector<uint8_t> edges(static_cast<size_t>(cells.Width() + 1) * (cells.Height() + 1), 0);
    const auto add = [&](int x, int y, int direction) {
        edges[static_cast<size_t>(y) * (cells.Width() + 1) + x] |= 1 << direction;
    };
    for (int y = 0; y < cells.Height(); ++y)
        for (int x = 0; x < cells.Width(); ++x) {
            if (!cells.Inside(x, y))
                continue;
            if (!cells.Inside(x, y - 1))
                add(x, y, East);
            if (!cells.Inside(x + 1, y))
                add(x + 1, y, South);
            if (!cells.Inside(x, y + 1))
                add(x + 1, y + 1, West);
            if (!cells.Inside(x - 1, y))
                add(x, y + 1, North);
        }
    return edges;
}

/// A ring traced on the compressed grid: its corners and the cell on the right of its first
/// edge.
struct STracedRing {
    std::vector<QPoint> corners;
    QPoint cell;
};

/// The cell on the right of an edge leaving corner (x, y) in a direction.
QPoint CellRightOf(int x, int y, int direction) {
    static constexpr std::array<int, 4> dx = {0, -1, -1, 0};
    static constexpr std::array<int, 4> dy = {0, 0, -1, -1};
    return {x + dx[direction], y + dy[direction]};
}

/// Follows the edges from one edge until it comes round again, consuming them. Where two
/// pieces meet at a corner the ring turns right, staying with the cell it follows.
STracedRing TraceRing(std::vector<uint8_t>& unused, const std::vector<uint8_t>& edges, int stride,
                      int x, int y, int direction) {
    STracedRing ring{{}, CellRightOf(x, y, direction)};
    const int startX = x;
    const int startY = y;
    const int startDirection = direction;
    do {
        unused[static_cast<size_t>(y) * stride + x] &= ~(1 << direction);
        const int nextX = x + kStepX[direction];
        const int nextY = y + kStepY[direction];
        const uint8_t out = edges[static_cast<size_t>(nextY) * stride + nextX];
        int next = direction;
        for (const int turn : {1, 0, 3})
            if (out & (1 << ((direction + turn) % 4))) {
                next = (direction + turn) % 4;
                break;
            }
        if (next != direction)
            ring.corners.emplace_back(nextX, nextY);
        x = nextX;
        y = nextY;
        direction = next;
    } while (x != startX || y != startY || direction != startDirection);
    // The ring starts at its last corner so that it ends where it began.
    std::rotate(ring.corners.begin(), ring.corners.end() - 1, ring.corners.end());
    ring.corners.push_back(ring.corners.front());
    return ring;
}

/// Twice the signed area of a closed ring of grid corners (positive when clockwise on the chart).
long long TwiceArea(const std::vector<QPoint>& ring) {
    long long sum = 0;
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        sum += static_cast<long long>(ring[i].x()) * ring[i + 1].y() -
               static_cast<long long>(ring[i + 1].x()) * ring[i].y();
    return sum;
}

/// Labels the pieces of cells joined by their sides: each cell's piece number, -1 outside.
std::vector<int> LabelPieces(const CCompressedCells& cells) {
    std::vector<int> labels(static_cast<size_t>(cells.Width()) * cells.Height(), -1);
    int next = 0;
    std::vector<QPoint> stack;
    for (int y = 0; y < cells.Height(); ++y)
        for (int x = 0; x < cells.Width(); ++x) {
            if (!cells.Inside(x, y) || labels[cells.Cell(x, y)] >= 0)
                continue;
            stack.emplace_back(x, y);
            labels[cells.Cell(x, y)] = next;
            while (!stack.empty()) {
                const QPoint cell = stack.back();
                stack.pop_back();
                for (int d = 0; d < 4; ++d) {
                    const int nx = cell.x() + kStepX[d];
                    const int ny = cell.y() + kStepY[d];
                    if (cells.Inside(nx, ny) && labels[cells.Cell(nx, ny)] < 0) {
                        labels[cells.Cell(nx, ny)] = next;
                        stack.emplace_back(nx, ny);
                    }
                }
            }
            ++next;
        }
    return labels;
}

/// Every ring of the compressed grid in the order of its first corner, row by row.
std::vector<STracedRing> TraceRings(const CCompressedCells& cells) {
    const std::vector<uint8_t> edges = BoundaryEdges(cells);
    std::vector<uint8_t> unused = edges;
    const int stride = cells.Width() + 1;
    std::vector<STracedRing> rings;
    for (int y = 0; y <= cells.Height(); ++y)
        for (int x = 0; x < stride; ++x)
            for (int d = 0; d < 4; ++d)
                if (unused[static_cast<size_t>(y) * stride + x] & (1 << d))
                    rings.push_back(TraceRing(unused, edges, stride, x, y, d));
    return rings;
}

/// A closed ring cut into closed loops that pass each corner once: where the ring comes back to
/// a corner it passed, the stretch in between is a loop of its own. The last loop keeps the
/// ring's first corner.
std::vector<std::vector<QPoint>> SplitAtRepeatedCorners(const std::vector<QPoint>& ring) {
    std::vector<std::vector<QPoint>> loops;
    std::vector<QPoint> path;
    std::map<std::pair<int, int>, size_t> onPath;
    for (size_t i = 0; i + 1 < ring.size(); ++i) {
        const QPoint corner = ring[i];
        const auto seen = onPath.find({corner.x(), corner.y()});
        if (seen == onPath.end()) {
            onPath[{corner.x(), corner.y()}] = path.size();
            path.push_back(corner);
            continue;
        }
        std::vector<QPoint> loop(path.begin() + static_cast<std::ptrdiff_t>(seen->second),
                                 path.end());
        loop.push_back(corner);
        for (size_t k = seen->second + 1; k < path.size(); ++k)
            onPath.erase({path[k].x(), path[k].y()});
        path.resize(seen->second + 1);
        loops.push_back(std::move(loop));
    }
    path.push_back(path.front());
    loops.push_back(std::move(path));
    return loops;
}

} // namespace

std::vector<SCellPolygon> TraceCellOutline(const CRgn& rgn) {
    const CCompressedCells cells(rgn.GetRegionData());
    const std::vector<int> pieces = LabelPieces(cells);
    std::vector<SCellPolygon> polygons;
    std::map<int, size_t> polygonOfPiece;
    std::vector<std::pair<int, TRing<QPoint>>> holes;
    for (const STracedRing& traced : TraceRings(cells)) {
        const int piece = pieces[cells.Cell(traced.cell.x(), traced.cell.y())];
        // A piece's outline that touches itself at a corner (cells around a gap that meets
        // the outside only at that corner) is its outer ring and a hole touching it there, as
        // shapes with simple rings have it; the loops of a hole are holes touching each other.
        for (const std::vector<QPoint>& loop : SplitAtRepeatedCorners(traced.corners)) {
            TRing<QPoint> ring;
            for (const QPoint& corner : loop)
                ring.push_back(cells.Corner(corner));
            if (TwiceArea(loop) > 0) {
                polygonOfPiece[piece] = polygons.size();
                polygons.push_back({std::move(ring), {}});
            } else {
                holes.emplace_back(piece, std::move(ring));
            }
        }
    }
    // Every hole lies inside the outer ring of the piece whose cells it follows.
    for (auto& [piece, ring] : holes)
        polygons[polygonOfPiece.at(piece)].holes.push_back(std::move(ring));
    return polygons;
}

double RingArea(const TRing<CFPoint>& ring) {
    double sum = 0.0;
    for (size_t i = 0; i + 1 < ring.size(); ++i)
        sum += ring[i].x * ring[i + 1].y - ring[i + 1].x * ring[i].y;
    return sum / 2.0;
}

namespace {

/// A ring of grid corners in issue coordinates, turned to run anticlockwise (`outer`) or
/// clockwise.
TRing<CFPoint> IssueRing(const TRing<QPoint>& corners, const CGridMap& map, bool outer) {
    TRing<CFPoint> ring;
    ring.reserve(corners.size());
    for (const QPoint& corner : corners)
        ring.push_back(map.CellToWorld(corner));
    if ((RingArea(ring) < 0.0) == outer)
        std::reverse(ring.begin(), ring.end());
    return ring;
}

} // namespace

std::vector<SIssuePolygon> TraceRegionOutline(const CRgn& rgn, const CGridMap& map) {
    std::vector<SIssuePolygon> polygons;
    for (const SCellPolygon& cells : TraceCellOutline(rgn)) {
        SIssuePolygon polygon{IssueRing(cells.outer, map, true), {}};
        for (const TRing<QPoint>& hole : cells.holes)
            polygon.holes.push_back(IssueRing(hole, map, false));
        polygons.push_back(std::move(polygon));
    }
    return polygons;
}

double OutlineArea(const std::vector<SIssuePolygon>& polygons) {
    double area = 0.0;
    for (const SIssuePolygon& polygon : polygons) {
        area += std::abs(RingArea(polygon.outer));
        for (const TRing<CFPoint>& hole : polygon.holes)
            area -= std::abs(RingArea(hole));
    }
    return area;
}
