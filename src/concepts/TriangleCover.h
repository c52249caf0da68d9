#pragma once

#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <QPoint>

#include <cstdint>
#include <vector>

class CEdgeWalk;

/// The union of many grid triangles inside a window of cells, counted row by row. A triangle
/// covers exactly the cells a winding polygon region through its three corners covers: cell
/// (x, y) when the point (x, y) lies inside, edges closed on the left and top and open on the
/// right and bottom. Adding a triangle costs one step per row it spans, however wide it is,
/// which is what makes the union of hundreds of thousands of triangles affordable.
class CTriangleCover {
public:
    /// An empty cover of the window's cells (left <= x < right, top <= y < bottom).
    explicit CTriangleCover(const SIntRect& window);

    /// Adds the cells of the triangle that lie in the window.
    void Add(const QPoint& a, const QPoint& b, const QPoint& c);
    /// The covered cells as a region (always a region, possibly empty).
    CRgn Rgn() const;

private:
    void AddRows(CEdgeWalk& first, CEdgeWalk& second, std::int64_t from, std::int64_t to);

    SIntRect m_window;
    int m_width = 0;
    // Per row, +1 where a covered run starts and -1 where it ends (one column of slack).
    std::vector<int> m_starts;
};
