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

// Every shape and region operation on zero sizes, coincident points and coordinates that are
// not numbers: nothing may crash, nothing may report a memory failure, and the operations with
// a defined empty result give it.
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
        EXPECT_EQ(circle.GetPoints(16).size(), 16u);
        EXPECT_EQ(CFEllipse(p, v, v, v).GetPoints(16).size(), 16u);
        const CFRect rect(v, v, v, v);
        EXPECT_EQ(rect.GetPoints(12).size(), 12u);
        rect.GetNearestPoint(p);
        rect.GetFarthestPoint(p);
        const CFTriangle fromPoints(p, p, CFPoint(1, 1));
        EXPECT_TRUE(fromPoints.IsDegenerate());
        fromPoints.GetPoints(1, 0, 0);
        const CFLine line = CFLine::FromSlopePoint(v, p);
        const CFTriangle fromLines(line, line, CFLine::FromSlopeIntercept(1, 0));
        EXPECT_TRUE(fromLines.IsDegenerate());
        EXPECT_EQ(fromLines.GetPoints(3, 3, 3).size(), 9u);
        EXPECT_EQ(CFRhombus(p, v, v, v).GetPoints(9).size(), 9u);
        const CFPolygon polygon(std::vector<CFPoint>{p, p, p, CFPoint(1, 0)});
        EXPECT_FALSE(polygon.FindConvexHull().has_value());
        polygon.Contains(p);
        ClipRectByLine(CFRect(0, 10, 10, 0), line, p, 0);
        ClipRectByLine(rect, CFLine::FromSlopeIntercept(1, 0), CFPoint(1, 1), 0);
        IntersectCircles(circle, circle);
        CRgn rgn;
        CreateCircleRgn(rgn, circle, map, 32);
        CreatePolygonRgn(rgn, CFPolygon(circle.GetPoints(8)), map);
        IsEmptyRgn(rgn);
        RandomCellInRgn(rgn);
        TransformRgn(rgn, SXForm{v, 0, 0, v, v, v});
        const CMappedRegion mapped(CRegion(0, 0), v, map, p);
        EXPECT_EQ(mapped.GetArea(), 0.0);
        mapped.GetRandomPoint();
        mapped.PtInRegion(p);
    }
    EXPECT_TRUE(platform.MessageTexts().empty());
}
