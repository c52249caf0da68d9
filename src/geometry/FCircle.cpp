#include "geometry/FCircle.h"

#include "geometry/PointBuffer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::vector<CFPoint> CFCircle::GetPoints(int n) const {
    const std::size_t count = n < 2 ? 1 : static_cast<std::size_t>(n);
    return MakePointBuffer(count, "floatgeo.CFCircle.GetPoints: memory exception",
                           [&](std::vector<CFPoint>& points) {
                               if (n < 2) {
                                   points.push_back(center);
                                   return;
                               }
                               const double step = 2 * std::numbers::pi / n;
                               double theta = 0.0;
                               for (int k = 0; k < n; ++k) {
                                   points.emplace_back(center.x + radius * std::cos(theta),
                                                       center.y + radius * std::sin(theta));
                                   theta += step;
                               }
                           });
}

CFEllipse CFEllipse::FromFoci(const CFPoint& f1, const CFPoint& f2, double e) {
    CFEllipse ellipse;
    ellipse.center = CFPoint((f1.x + f2.x) / 2, (f1.y + f2.y) / 2);
    const double halfC = std::hypot(f2.x - f1.x, f2.y - f1.y) / 2;
    if (halfC > 0.0 && e > 0.0 && e < 1.0) {
        ellipse.a = halfC / e;
        ellipse.b = ellipse.a * std::sqrt(1 - e * e);
        ellipse.angle = std::atan2(f2.y - f1.y, f2.x - f1.x);
    }
    return ellipse;
}

std::vector<CFPoint> CFEllipse::GetPoints(int n) const {
    if (n <= 0)
        return {};
    return MakePointBuffer(static_cast<std::size_t>(n),
                           "floatgeo.CFEllipse.GetPoints: memory exception",
                           [&](std::vector<CFPoint>& points) {
                               const double cosPhi = std::cos(angle);
                               const double sinPhi = std::sin(angle);
                               const double step = 2 * std::numbers::pi / n;
                               double t = 0.0;
                               for (int k = 0; k < n; ++k) {
                                   const double u = a * std::cos(t);
                                   const double v = b * std::sin(t);
                                   points.emplace_back(center.x + u * cosPhi - v * sinPhi,
                                                       center.y + u * sinPhi + v * cosPhi);
                                   t += step;
                               }
                           });
}

CFLineSeg IntersectCircles(const CFCircle& first, const CFCircle& second) {
    const CFPoint& c1 = first.center;
    const CFPoint& c2 = second.center;
    const double r1 = first.radius;
    const double r2 = second.radius;
    const double d = std::hypot(c2.x - c1.x, c2.y - c1.y);
    // Circles sharing their centre meet everywhere or nowhere; neither is a segment.
    if (!(d > 0.0) || !std::isfinite(d) || !std::isfinite(r1) || !std::isfinite(r2))
        return CFLineSeg();
    if (d > r1 + r2 || d < std::fabs(r1 - r2))
        return CFLineSeg();
    if (d == std::fabs(r1 - r2) || d == r1 + r2) {
        const double along = (d == r1 + r2 || r1 > r2) ? r1 : -r1;
        const CFPoint touch(c1.x + along / d * (c2.x - c1.x), c1.y + along / d * (c2.y - c1.y));
        return CFLineSeg(touch, touch);
    }
    const double h = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
    // Rounding may leave h a hair beyond r1 for nearly tangent circles.
    const double q = std::sqrt(std::max(0.0, r1 * r1 - h * h));
    const CFPoint base(c1.x + h / d * (c2.x - c1.x), c1.y + h / d * (c2.y - c1.y));
    const double ox = q / d * (c2.y - c1.y);
    const double oy = q / d * -(c2.x - c1.x);
    return CFLineSeg(CFPoint(base.x + ox, base.y + oy), CFPoint(base.x - ox, base.y - oy));
}
