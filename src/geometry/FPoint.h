#pragma once

#include <cmath>

/// Rounds to the nearest integer, halves away from zero (how points become grid cells). Values
/// beyond any chart (and NaN) are held at +-2^29 so that cell arithmetic cannot overflow.
inline int Nearest(double value) {
    constexpr double limit = 536870912.0;
    if (!(value > -limit))
        return -static_cast<int>(limit);
    if (value > limit)
        return static_cast<int>(limit);
    // The whole part and the exact rest beside it, as std::lround takes them, without a call.
    const int whole = static_cast<int>(value);
    const double rest = value - whole;
    return whole + (rest >= 0.5 ? 1 : 0) - (rest <= -0.5 ? 1 : 0);
}

/// An issue-space point: x horizontal, y vertical, z always 0 but honoured by comparisons.
struct CFPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    CFPoint() = default;
    CFPoint(double px, double py, double pz = 0.0) : x(px), y(py), z(pz) {}

    /// Equal when every coordinate differs by at most 1e-8.
    bool operator==(const CFPoint& other) const {
        return std::fabs(x - other.x) <= 1e-8 && std::fabs(y - other.y) <= 1e-8 &&
               std::fabs(z - other.z) <= 1e-8;
    }
    bool operator!=(const CFPoint& other) const { return !(*this == other); }

    /// Planar distance, or 1e9 when the points lie in different z planes.
    double Distance(const CFPoint& other) const {
        if (std::fabs(z - other.z) >= 1e-8)
            return 1e9;
        return std::hypot(x - other.x, y - other.y);
    }
};
