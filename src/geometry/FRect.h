#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"

#include <vector>

/// A rectangle of issue-space coordinates (top is the larger y); also a plain bounding box.
class CFRect {
public:
    double left = 0.0;
    double right = 0.0;
    double top = 0.0;
    double bottom = 0.0;

    CFRect() = default;
    CFRect(double l, double r, double t, double b) : left(l), right(r), top(t), bottom(b) {}
    explicit CFRect(const SEdges& edges)
        : left(edges.left), right(edges.right), top(edges.top), bottom(edges.bottom) {}
    SEdges ToEdges() const { return {left, right, top, bottom}; }

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    /// Corner 0 (left, bottom), 1 (right, bottom), 2 (right, top), 3 (left, top); any other
    /// index gives the centre.
    CFPoint GetCorner(int index) const;
    CFPoint GetCenter() const;
    /// Moves the rectangle by (dx, dy).
    void Offset(double dx, double dy);

    /// Boundary points, counter-clockwise from the top-left corner, with the given number of
    /// points on the left, bottom, right and top sides.
    std::vector<CFPoint> GetPoints(int nLeft, int nBottom, int nRight, int nTop) const;
    /// About n boundary points spread over the sides in proportion to their lengths.
    std::vector<CFPoint> GetPoints(int n) const;

    /// The point of the boundary nearest to a point.
    CFPoint GetNearestPoint(const CFPoint& point) const;
    /// The point of the boundary farthest from a point (always a corner).
    CFPoint GetFarthestPoint(const CFPoint& point) const;

    bool operator==(const CFRect&) const = default;
};
