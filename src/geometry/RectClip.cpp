#include "geometry/FList.h"
#include "geometry/FPolygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

/// Narrows the parameter range [lo, hi] of base + t * direction to the slab [min, max].
bool ClipToSlab(double base, double direction, double min, double max, double& lo, double& hi) {
    if (direction == 0.0)
        return base >= min && base <= max;
    double t0 = (min - base) / direction;
    double t1 = (max - base) / direction;
    if (t1 < t0)
        std::swap(t0, t1);
    lo = std::max(lo, t0);
    hi = std::min(hi, t1);
    return true;
}

/// Where the line crosses the rectangle's boundary; none when it misses it or only touches it.
std::optional<std::pair<CFPoint, CFPoint>> ClipLine(const CFRect& rect, const CFLine& line) {
    const CFPoint base =
        line.IsVertical() ? CFPoint(line.GetXIntercept(), 0.0) : CFPoint(0.0, line.GetYIntercept());
    const CFPoint& direction = line.GetDirection();
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
    if (!ClipToSlab(base.x, direction.x, std::min(rect.left, rect.right),
                    std::max(rect.left, rect.right), lo, hi) ||
        !ClipToSlab(base.y, direction.y, std::min(rect.bottom, rect.top),
                    std::max(rect.bottom, rect.top), lo, hi) ||
        !(lo < hi))
        return std::nullopt;
    const CFPoint e1(base.x + lo * direction.x, base.y + lo * direction.y);
    const CFPoint e2(base.x + hi * direction.x, base.y + hi * direction.y);
    if (e1 == e2)
        return std::nullopt;
    return std::make_pair(e1, e2);
}

bool SamePolar(const CFPoint& a, const CFPoint& b) {
    return std::fabs(a.x - b.x) <= 1e-8 && std::fabs(a.y - b.y) <= 1e-8;
}

using CPolarList = CFList<CFPoint>;

/// The first node holding the polar point `target`.
CPolarList::SNode* Find(const CPolarList& list, const CFPoint& target) {
    CPolarList::SNode* node = list.Head();
    for (int i = 0; i < list.Count(); ++i, node = node->next)
        if (SamePolar(*node->item, target))
            return node;
    return nullptr;
}

/// The walk forward from `from` to `to`, as the original points whose indices the polar
/// points carry in z.
CFPolygon Walk(const CPolarList& list, const CFPoint& from, const CFPoint& to,
               const std::array<CFPoint, 6>& originals) {
    CFPolygon part;
    CPolarList::SNode* node = Find(list, from);
    for (int i = 0; node && i < list.Count(); ++i, node = node->next) {
        part.Add(originals[static_cast<std::size_t>(node->item->z)]);
        if (i > 0 && SamePolar(*node->item, to))
            break;
    }
    return part;
}

CFPolygon WholeOrNothing(const CFRect& rect, const CFLine& line, const CFPoint& point) {
    const double rectSide = line.Side(rect.GetCenter());
    const double pointSide = line.Side(point);
    if ((rectSide > 0 && pointSide < 0) || (rectSide < 0 && pointSide > 0)) {
        const std::array<CFPoint, 4> corners = {rect.GetCorner(0), rect.GetCorner(1),
                                                rect.GetCorner(2), rect.GetCorner(3)};
        return CFPolygon(corners.data(), 4);
    }
    return CFPolygon();
}

bool StrictlyInside(const CFRect& rect, const CFPoint& p) {
    return p.x > std::min(rect.left, rect.right) && p.x < std::max(rect.left, rect.right) &&
           p.y > std::min(rect.bottom, rect.top) && p.y < std::max(rect.bottom, rect.top);
}

} // namespace

CFPolygon ClipRectByLine(const CFRect& rect, const CFLine& line, const CFPoint& point, int mode) {
    if ((mode != 0 && mode != 1) || (mode == 1 && !StrictlyInside(rect, point)))
        return CFPolygon();
    const auto ends = ClipLine(rect, line);
    if (!ends)
        return WholeOrNothing(rect, line, point);
    const CFPoint m = rect.GetCenter();
    std::array<CFPoint, 6> originals = {rect.GetCorner(0), rect.GetCorner(1), rect.GetCorner(2),
                                        rect.GetCorner(3), ends->first,       ends->second};
    std::array<CFPoint, 6> polar;
    for (std::size_t i = 0; i < polar.size(); ++i) {
        const CFPoint& p = originals[i];
        polar[i] = CFPoint(std::atan2(p.y - m.y, p.x - m.x), std::hypot(p.x - m.x, p.y - m.y),
                           static_cast<double>(i));
    }
    CFPoint e1 = polar[4];
    CFPoint e2 = polar[5];
    if (e2.x < e1.x)
        std::swap(e1, e2);
    SortPoints(polar);
    CPolarList list;
    for (CFPoint& p : polar)
        if (!list.Add(&p))
            return CFPolygon();
    CFPolygon part = Walk(list, e1, e2, originals);
    if (part.Contains(point))
        part = Walk(list, e2, e1, originals);
    return part;
}
