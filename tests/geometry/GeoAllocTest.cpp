#include "geometry/GeoAlloc.h"
#include "geometry/FCircle.h"
#include "geometry/FList.h"
#include "geometry/FPolygon.h"
#include "geometry/FRect.h"
#include "geometry/FTriangle.h"
#include "geometry/Region.h"
#include "geometry/RgnHelpers.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <string>
#include <vector>

namespace {

struct SFailureCase {
    std::string message;
    std::function<bool()> failsCleanly; // runs the operation under a limit of 5 elements
};

CGridMap UnitMap() {
    CGridMap map;
    map.Set(SEdges{0, 100, 100, 0}, SEdges{0, 101, 101, 0});
    return map;
}

} // namespace

// Each operation, pushed past the allocation limit, shows its own text and gives no result.
TEST(GeoAllocTest, EveryMemoryFailureShowsItsTextAndGivesNoResult) {
    const CRegion bands = [] {
        CRegion grid(11, 3);
        for (int i = 0; i < 11; i += 2)
            grid.At(i, 0) = 1;
        return grid;
    }();
    CRgn stairs;
    stairs.CreatePolygonRgn({{0, 0}, {20, 0}, {0, 20}}, WINDING);
    const CFPolygon square(std::vector<CFPoint>{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {2, 2}, {3, 0}});
    const std::vector<SFailureCase> cases = {
        {"floatgeo.CFRect.GetPoints: memory exception",
         [] { return CFRect(0, 1, 1, 0).GetPoints(6).empty(); }},
        {"floatgeo.CFCircle.GetPoints: memory exception",
         [] { return CFCircle(CFPoint(), 1).GetPoints(6).empty(); }},
        {"floatgeo.CFEllipse.GetPoints: memory exception",
         [] { return CFEllipse(CFPoint(), 1, 1, 0).GetPoints(6).empty(); }},
        {"floatgeo.CFLineSeg.GetPoints: memory exception",
         [] { return CFLineSeg(CFPoint(), CFPoint(1, 1)).GetPoints(6).empty(); }},
        {"floatgeo.CFTriangle.GetPoints: memory exception",
         [] {
             return CFTriangle({0, 0}, {1, 0}, {0, 1}).GetPoints(2, 2, 2).empty();
         }},
        {"floatgeo.CFRhombus.GetPoints: memory exception",
         [] { return CFRhombus(CFPoint(), 1, 1, 0).GetPoints(6).empty(); }},
        {"floatgeo.CFPolygon.FindConvexHull: memory exception allocating convex hull",
         [&] { return !square.FindConvexHull().has_value(); }},
        {"floatgeo.CFList.Add: memory exception",
         [] {
             CFPoint items[6];
             CFList<CFPoint> list;
             for (CFPoint& item : items)
                 if (!list.Add(&item))
                     return list.Count() == 5;
             return false;
         }},
        {"CRegion::GetRgn - memory exception creating region",
         [&] {
             long long count = 0;
             // Six bands fit five: what was gathered before the failure is kept.
             return bands.GetRgn(0.5, QPoint(), count).CellCount() == 5 && count == 5;
         }},
        {"CreatePolygonRgn: memory exception",
         [] {
             CRgn target;
             return !CreatePolygonRgn(target, CFPolygon::Regular({50, 50}, 9, 6), UnitMap()) &&
                    !target.IsValid();
         }},
        {"memory exception",
         [&] {
             return TransformRgn(stairs, SXForm{2, 0, 0, 2, 0, 0}) == 0;
         }},
    };
    for (const SFailureCase& c : cases) {
        SCOPED_TRACE(c.message);
        CRecordingPlatform platform;
        CScopedPlatform scope(platform);
        CScopedGeoAllocationLimit limit(5);
        EXPECT_TRUE(c.failsCleanly());
        EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{c.message});
    }
    CScopedGeoAllocationLimit limit(5);
    CRegion grid;
    EXPECT_THROW(grid.Allocate(2, 3), std::bad_alloc) << "a grid failure goes to the caller";
}
