#pragma once

#include "geometry/FLine.h"
#include "geometry/FPoint.h"
#include "geometry/FRect.h"

#include <optional>
#include <span>
#include <vector>

/// The outcome of an operation that may refuse its arguments.
enum class EGeoStatus { Ok, InvalidParameter };

/// Sorts points ascending by x, then y, then z, in place (NaN coordinates sort last). Fewer
/// than two points are refused.
EGeoStatus SortPoints(std::span<CFPoint> points);

/// A polygon: an ordered, growable array of vertices.
class CFPolygon {
public:
    CFPolygon() = default;
    CFPolygon(const CFPoint* points, int count);
    explicit CFPolygon(std::vector<CFPoint> points) : m_points(std::move(points)) {}

    /// The n vertices centre + r (cos 2 pi k / n, sin 2 pi k / n); empty for n <= 0.
    static CFPolygon Regular(const CFPoint& center, double radius, int n);

    int Count() const { return static_cast<int>(m_points.size()); }
    const CFPoint& operator[](int index) const { return m_points[static_cast<size_t>(index)]; }
    CFPoint& operator[](int index) { return m_points[static_cast<size_t>(index)]; }
    const std::vector<CFPoint>& Points() const { return m_points; }
    void Add(const CFPoint& point) { m_points.push_back(point); }

    /// Whether a point is a vertex (within 1e-8) or lies inside by the even-odd rule.
    bool Contains(const CFPoint& point) const;

    /// The convex hull, counter-clockwise from the lowest (then leftmost) point, by gift
    /// wrapping over the points sorted by angle about it; none for fewer than three distinct
    /// points, non-finite coordinates or a memory failure.
    std::optional<CFPolygon> FindConvexHull() const;

private:
    std::vector<CFPoint> m_points;
};

/// The part of a rectangle on one side of a line. Mode 0 keeps the part that does not contain
/// `point`; mode 1 does the same but only when the point lies strictly inside the rectangle.
/// Other modes, and mode 1 with the point elsewhere, give an empty polygon. A line that does not
/// cut the rectangle keeps all of it when the rectangle lies strictly on the far side from the
/// point, and nothing otherwise.
CFPolygon ClipRectByLine(const CFRect& rect, const CFLine& line, const CFPoint& point, int mode);
