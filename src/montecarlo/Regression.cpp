#include "montecarlo/Regression.h"

#include "model/Member.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kZeroSpread = 1e-7;
constexpr double kWiden = 0.001;

struct SSums {
    double n = 0.0, x = 0.0, y = 0.0, xx = 0.0, yy = 0.0, xy = 0.0;
};

SSums Sums(const std::vector<CMember*>& members) {
    SSums s;
    s.n = static_cast<double>(members.size());
    for (const CMember* member : members) {
        const CFPoint& p = member->IdealPoint();
        s.x += p.x;
        s.y += p.y;
        s.xx += p.x * p.x;
        s.yy += p.y * p.y;
        s.xy += p.x * p.y;
    }
    return s;
}

bool StrictlyInside(const CFPoint& p, const SEdges& e) {
    return e.left < p.x && p.x < e.right && e.bottom < p.y && p.y < e.top;
}

} // namespace

SFitLine FitIdealPoints(const std::vector<CMember*>& members, SRegression& stats) {
    const size_t count = members.size();
    if (count <= 1)
        return {};
    const SSums s = Sums(members);
    double dx = s.n * s.xx - s.x * s.x;
    double dy = s.n * s.yy - s.y * s.y;
    const double r = s.n * s.xy - s.x * s.y;
    if (dx == 0.0)
        dx = kZeroSpread;
    if (dy == 0.0)
        dy = kZeroSpread;
    const double b = r / dx;
    const double a = (s.y - s.x * b) / s.n;
    double ssr = 0.0;
    double c = 0.0;
    for (const CMember* member : members) {
        const CFPoint& p = member->IdealPoint();
        const double e = p.y - a - b * p.x;
        ssr += e * e;
        c += p.y == 0.0 ? 1.0 : e * e / (p.y * p.y);
    }
    if (count > 2) {
        c /= s.n - 1.0;
        ssr /= s.n - 2.0;
    }
    stats.mean = CFPoint(s.x / s.n, s.y / s.n);
    stats.r = r / std::sqrt(dy * dx);
    stats.b = b;
    stats.a = a;
    stats.sigmaB = std::sqrt(s.n * ssr / dx);
    stats.sigmaA = std::sqrt(s.xx * ssr / dx);
    stats.chi = c;
    return {b, a};
}

std::optional<SStatSegment> ClipStatLine(const SFitLine& line, const SEdges& window) {
    if (!std::isfinite(line.slope) || !std::isfinite(line.intercept))
        return std::nullopt;
    // The stretch of h for which the line's v stays between the window's bottom and top.
    double low = window.left;
    double high = window.right;
    if (line.slope == 0.0) {
        if (line.intercept < window.bottom || line.intercept > window.top)
            return std::nullopt;
    } else {
        double h1 = (window.bottom - line.intercept) / line.slope;
        double h2 = (window.top - line.intercept) / line.slope;
        if (h1 > h2)
            std::swap(h1, h2);
        low = std::max(low, h1);
        high = std::min(high, h2);
    }
    if (!(low <= high))
        return std::nullopt;
    const SStatSegment segment{CFPoint(low, line.intercept + line.slope * low),
                               CFPoint(high, line.intercept + line.slope * high)};
    const SEdges widened{window.left - kWiden, window.right + kWiden, window.top + kWiden,
                         window.bottom - kWiden};
    if (!StrictlyInside(segment.from, widened) || !StrictlyInside(segment.to, widened))
        return std::nullopt;
    return segment;
}

SRegressionDisplay RegressionDisplay(const SRegression& s, const SEdges& window) {
    const auto through = [&s](double slope) {
        return SFitLine{slope, s.mean.y - slope * s.mean.x};
    };
    SRegressionDisplay display;
    display.regression = ClipStatLine({s.b, s.a}, window);
    display.slopeErrorUpper = ClipStatLine(through(s.b + s.sigmaB), window);
    display.slopeErrorLower = ClipStatLine(through(s.b - s.sigmaB), window);
    display.corridorUpper = ClipStatLine({s.b + s.sigmaB, s.a + s.sigmaA}, window);
    display.corridorLower = ClipStatLine({s.b - s.sigmaB, s.a - s.sigmaA}, window);
    return display;
}
