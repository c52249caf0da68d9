#pragma once

#include "geometry/FLine.h"
#include "geometry/FPoint.h"

#include <vector>

/// A circle: centre and radius.
class CFCircle {
public:
    CFPoint center;
    double radius = 0.0;

    CFCircle() = default;
    CFCircle(const CFPoint& c, double r) : center(c), radius(r) {}

    /// n boundary points counter-clockwise from the one right of the centre; fewer than 2
    /// asked for gives the centre alone.
    std::vector<CFPoint> GetPoints(int n) const;
};

/// An ellipse: centre, semi-axis a along the orientation angle, semi-axis b across it.
class CFEllipse {
public:
    CFPoint center;
    double a = 0.0;
    double b = 0.0;
    double angle = 0.0;

    CFEllipse() = default;
    CFEllipse(const CFPoint& c, double semiA, double semiB, double orientation)
        : center(c), a(semiA), b(semiB), angle(orientation) {}

    /// The ellipse with foci f1 and f2 and eccentricity e; all-zero axes when the foci
    /// coincide or e does not describe an ellipse (0 < e < 1).
    static CFEllipse FromFoci(const CFPoint& f1, const CFPoint& f2, double e);

    /// n boundary points counter-clockwise from the end of axis a; none for n <= 0.
    std::vector<CFPoint> GetPoints(int n) const;
};

/// The segment between the intersection points of two circles: both ends at the touching
/// point for tangent circles, all zero when the circles do not meet or share their centre.
CFLineSeg IntersectCircles(const CFCircle& first, const CFCircle& second);
