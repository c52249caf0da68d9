#include "geometry/FRect.h"

#include "geometry/FLine.h"
#include "geometry/PointBuffer.h"

#include <array>
#include <cmath>

namespace {

constexpr const char* kGetPointsFailure = "floatgeo.CFRect.GetPoints: memory exception";

/// Walks `count` points from `start` by (dx, dy) per step.
void AppendSide(std::vector<CFPoint>& points, int count, CFPoint start, double dx, double dy) {
    for (int k = 0; k < count; ++k) {
        points.push_back(start);
        start.x += dx;
        start.y += dy;
    }
}

double Step(double extent, int count) {
    return count < 1 ? 0.0 : extent / count;
}

/// The best of the points that the sides (left, top, right, bottom) offer; the first side
/// keeps a tie, since only a strictly better distance replaces the current offer.
template <class Better>
CFPoint BestOffer(const CFRect& rect, const CFPoint& point,
                  CFPoint (CFLineSeg::*offer)(const CFPoint&) const, Better better) {
    const std::array<CFLineSeg, 4> sides = {CFLineSeg(rect.GetCorner(0), rect.GetCorner(3)),
                                            CFLineSeg(rect.GetCorner(3), rect.GetCorner(2)),
                                            CFLineSeg(rect.GetCorner(2), rect.GetCorner(1)),
                                            CFLineSeg(rect.GetCorner(1), rect.GetCorner(0))};
    CFPoint best = (sides[0].*offer)(point);
    double bestDistance = point.Distance(best);
    for (std::size_t i = 1; i < sides.size(); ++i) {
        const CFPoint candidate = (sides[i].*offer)(point);
        const double distance = point.Distance(candidate);
        if (better(distance, bestDistance)) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

CFPoint CFRect::GetCorner(int index) const {
    switch (index) {
    case 0:
        return CFPoint(left, bottom);
    case 1:
        return CFPoint(right, bottom);
    case 2:
        return CFPoint(right, top);
    case 3:
        return CFPoint(left, top);
    default:
        return GetCenter();
    }
}

CFPoint CFRect::GetCenter() const {
    return CFPoint((left + right) / 2, (bottom + top) / 2);
}

void CFRect::Offset(double dx, double dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
}

std::vector<CFPoint> CFRect::GetPoints(int nLeft, int nBottom, int nRight, int nTop) const {
    const long long total = static_cast<long long>(nLeft) + nBottom + nRight + nTop;
    if (total <= 0)
        return {};
    if (total <= 4) {
        return MakePointBuffer(static_cast<std::size_t>(total), kGetPointsFailure,
                               [&](std::vector<CFPoint>& points) {
                                   if (total == 1)
                                       points.push_back(GetCenter());
                                   else
                                       for (int k = 0; k < total; ++k)
                                           points.push_back(GetCorner(k));
                               });
    }
    // A negative count takes no points, so only the positive counts need room.
    const auto positive = [](int n) { return n > 0 ? static_cast<std::size_t>(n) : 0; };
    const std::size_t count =
        positive(nLeft) + positive(nBottom) + positive(nRight) + positive(nTop);
    const double height = top - bottom;
    const double width = right - left;
    return MakePointBuffer(count, kGetPointsFailure, [&](std::vector<CFPoint>& points) {
        AppendSide(points, nLeft, CFPoint(left, top), 0.0, -Step(height, nLeft));
        AppendSide(points, nBottom, CFPoint(left, bottom), Step(width, nBottom), 0.0);
        AppendSide(points, nRight, CFPoint(right, bottom), 0.0, Step(height, nRight));
        AppendSide(points, nTop, CFPoint(right, top), -Step(width, nTop), 0.0);
    });
}

std::vector<CFPoint> CFRect::GetPoints(int n) const {
    // Magnitudes keep an inverted rectangle from cancelling the perimeter to zero.
    const double width = std::fabs(right - left);
    const double height = std::fabs(top - bottom);
    const double perimeter = 2 * (width + height);
    if (width == 0.0 || height == 0.0 || !std::isfinite(perimeter)) {
        const int k = n / 4;
        return GetPoints(k, k, k, n - 3 * k);
    }
    const int g = static_cast<int>(std::trunc(n * height / perimeter));
    const int w = static_cast<int>(std::trunc(n * width / perimeter));
    const int rem = ((n - 2 * (g + w)) % 4 + 4) % 4;
    switch (rem) {
    case 0:
        return GetPoints(g, w, g, w);
    case 1:
        return GetPoints(g, w + 1, g, w);
    case 2:
        return GetPoints(g, w + 1, g, w + 1);
    default:
        return GetPoints(g, w + 1, g + 1, w + 1);
    }
}

CFPoint CFRect::GetNearestPoint(const CFPoint& point) const {
    return BestOffer(*this, point, &CFLineSeg::NearestPoint,
                     [](double distance, double best) { return distance < best; });
}

CFPoint CFRect::GetFarthestPoint(const CFPoint& point) const {
    return BestOffer(*this, point, &CFLineSeg::FartherEnd,
                     [](double distance, double best) { return distance > best; });
}
