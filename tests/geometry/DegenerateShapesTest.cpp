#include "geometry/FCircle.h"
#include "geometry/FPolygon.h"
#include "geometry/FRect.h"
#include "geometry/FTriangle.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

bool Finite(const CFPoint& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

/// Points of a shape of size v about (v, v): all at the origin for 0, none a finite point
/// when v is not a finite number.
void ExpectPointsOfSize(const std::vector<CFPoint>& points, double v, const char* shape) {
    for (const CFPoint& point : points) {
        if (v == 0.0)
            EXPECT_EQ(point, CFPoint(0, 0)) << shape;
        else
            EXPECT_FALSE(Finite(point)) << shape << " at " << point.x << ", " << point.y;
    }
}

double PolygonArea(const CFPolygon& polygon) {
    const std::vector<CFPoint>& p = polygon.Points();
    double twice = 0.0;
    for (size_t i = 0; i < p.size(); ++i)
        twice += p[i].x * p[(i + 1) % p.size()].y - p[(i + 1) % p.size()].x * p[i].y;
    return std::fabs(twice) / 2;
}

} // namespace

// Every shape and region operation on zero sizes, coincident points and coordinates that are
// not numbers: nothing may crash, nothing may report a memory failure, and each gives what a
// shape of no size or no place has: the origin for zero, no finite point otherwise, no area
// and no cells.
TEST(DegenerateShapesTest, NoOperationFailsOnDegenerateInput) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CGridMap map;
    map.Set(SEdges{0, 100, 100, 0}, SIntRect{0, 0, 400, 400});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double v : {0.0, nan, inf, -inf}) {
        SCOPED_TRACE(v);
        const CFPoint p(v, v);
        const CFCircle circle(p, v);
        ASSERT_EQ(circle.GetPoints(16).size(), 16u);
        ExpectPointsOfSize(circle.GetPoints(16), v, "circle");
        ASSERT_EQ(CFEllipse(p, v, v, v).GetPoints(16).size(), 16u);
        ExpectPointsOfSize(CFEllipse(p, v, v, v).GetPoints(16), v, "ellipse");
        const CFRect rect(v, v, v, v);
        ASSERT_EQ(rect.GetPoints(12).size(), 12u);
        ExpectPointsOfSize(rect.GetPoints(12), v, "rectangle");
        ExpectPointsOfSize({rect.GetNearestPoint(p), rect.GetFarthestPoint(p)}, v, "rectangle");
        const CFTriangle fromPoints(p, p, CFPoint(1, 1));
        EXPECT_TRUE(fromPoints.IsDegenerate());
        EXPECT_EQ(fromPoints.GetPoints(1, 0, 0).size(), 1u);
        const CFLine line = CFLine::FromSlopePoint(v, p);
        const CFTriangle fromLines(line, line, CFLine::FromSlopeIntercept(1, 0));
        EXPECT_TRUE(fromLines.IsDegenerate());
        EXPECT_EQ(fromLines.GetPoints(3, 3, 3).size(), 9u);
        EXPECT_EQ(CFRhombus(p, v, v, v).GetPoints(9).size(), 9u);
        const CFPolygon polygon(std::vector<CFPoint>{p, p, p, CFPoint(1, 0)});
        EXPECT_FALSE(polygon.FindConvexHull().has_value());
        EXPECT_FALSE(polygon.Contains(CFPoint(0.5, 0.25))) << "a polygon without area";
        EXPECT_EQ(
            PolygonArea(ClipRectByLine(rect, CFLine::FromSlopeIntercept(1, 0), CFPoint(1, 1), 0)),
            0.0)
            << "a rectangle of no size keeps no area";
        const double clipped = PolygonArea(ClipRectByLine(CFRect(0, 10, 10, 0), line, p, 0));
        EXPECT_TRUE(clipped == 0.0 || clipped == 100.0) << clipped;
        const CFLineSeg meeting = IntersectCircles(circle, circle);
        EXPECT_EQ(meeting.GetP1(), CFPoint(0, 0)) << "one circle twice shares its centre";
        EXPECT_EQ(meeting.GetP2(), CFPoint(0, 0));
        CRgn rgn;
        CreateCircleRgn(rgn, circle, map, 32);
        EXPECT_TRUE(IsEmptyRgn(rgn));
        EXPECT_TRUE(CreatePolygonRgn(rgn, CFPolygon(circle.GetPoints(8)), map));
        EXPECT_TRUE(IsEmptyRgn(rgn));
        EXPECT_EQ(RandomCellInRgn(rgn), QPoint(0, 0)) << "no cell to draw";
        TransformRgn(rgn, SXForm{v, 0, 0, v, v, v});
        EXPECT_TRUE(IsEmptyRgn(rgn));
        const CMappedRegion mapped(CRegion(0, 0), v, map, p);
        EXPECT_EQ(mapped.GetArea(), 0.0);
        EXPECT_FALSE(mapped.PtInRegion(p));
        EXPECT_FALSE(mapped.PtInRegion(CFPoint(50, 50)));
        mapped.GetRandomPoint();
    }
    EXPECT_TRUE(platform.MessageTexts().empty());
}
