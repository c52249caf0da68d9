#pragma once

#include "geometry/FPoint.h"

#include <vector>

/// An infinite line in slope-intercept form; lines steeper than 1e7 are kept as vertical lines
/// through their x-intercept. Segments derive from it and may stand in for it.
class CFLine {
public:
    /// The horizontal line through the origin.
    CFLine() { Derive(); }
    /// The line through two points (vertical when they share their x coordinate).
    CFLine(const CFPoint& a, const CFPoint& b) { SetTwoPoints(a, b); }
    virtual ~CFLine() = default;
    CFLine(const CFLine&) = default;
    CFLine& operator=(const CFLine&) = default;

    /// The line of slope m through a point.
    static CFLine FromSlopePoint(double m, const CFPoint& point);
    /// The line y = m x + c.
    static CFLine FromSlopeIntercept(double m, double c);
    /// The line through a point at an angle (radians, counter-clockwise from the x axis).
    static CFLine FromPointAngle(const CFPoint& point, double angle);

    void SetSlopePoint(double m, const CFPoint& point);
    void SetSlopeIntercept(double m, double c);
    void SetTwoPoints(const CFPoint& a, const CFPoint& b);
    void SetPointAngle(const CFPoint& point, double angle);

    /// The line through a point at right angles to this one.
    CFLine Perpendicular(const CFPoint& point) const;

    virtual double GetSlope() const { return m_slope; }
    virtual double GetYIntercept() const { return m_yIntercept; }
    /// Where the line crosses the x axis; 1e9 for a horizontal line.
    virtual double GetXIntercept() const { return m_xIntercept; }
    /// pi/2 for a vertical line, atan(slope) otherwise.
    virtual double GetAngle() const;
    /// Whether the two lines run in the same direction (within 1e-8).
    virtual bool IsParallel(const CFLine& other) const;
    /// Parallel and crossing the axis at the same place (within 1e-8).
    bool IsCoincident(const CFLine& other) const;

    bool IsVertical() const { return m_vertical; }
    /// The foot of the perpendicular from the origin (for a vertical line: (x-intercept, 0)).
    const CFPoint& GetFoot() const { return m_foot; }
    /// The direction (1, slope), or (0, 1) for a vertical line.
    const CFPoint& GetDirection() const { return m_direction; }
    /// Positive on one side of the line, negative on the other, 0 on it.
    double Side(const CFPoint& point) const;

private:
    void SetVertical(double x);
    void Derive();

    bool m_vertical = false;
    double m_slope = 0.0;
    double m_xIntercept = 1e9;
    double m_yIntercept = 0.0;
    CFPoint m_foot;
    CFPoint m_direction;
};

/// A line segment from P1 to P2, carrying the line through them.
class CFLineSeg : public CFLine {
public:
    /// The all-zero segment.
    CFLineSeg() = default;
    CFLineSeg(const CFPoint& p1, const CFPoint& p2);

    const CFPoint& GetP1() const { return m_p1; }
    const CFPoint& GetP2() const { return m_p2; }
    /// The planar length.
    double GetLength() const;
    /// Segments compare by the angle between them; other lines by slope.
    bool IsParallel(const CFLine& other) const override;

    /// n points towards P2, P2 last and P1 left out; none for n < 1.
    std::vector<CFPoint> GetPoints(int n) const;
    /// Appends n points as GetPoints does, into a buffer that already has room for them.
    void AppendPoints(std::vector<CFPoint>& points, int n) const;
    /// The point of the segment nearest to a point.
    CFPoint NearestPoint(const CFPoint& point) const;
    /// The end point farther from a point (P1 unless P2 is strictly farther).
    CFPoint FartherEnd(const CFPoint& point) const;

private:
    CFPoint m_p1;
    CFPoint m_p2;
};

/// The point where two lines meet; (0, 0, 0) when they are both vertical or share a slope.
CFPoint IntersectLines(const CFLine& a, const CFLine& b);

/// The signed angle between two segments (arcsin of the normalised cross product); 0 when
/// either has no length.
double SegmentAngle(const CFLineSeg& a, const CFLineSeg& b);
