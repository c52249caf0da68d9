#include "geometry/FList.h"
#include "geometry/FPoint.h"
#include "geometry/GeoAlloc.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(FListTest, AddAppendsAtTheTailOfACircle) {
    std::vector<CFPoint> points = {{1, 0}, {2, 0}, {3, 0}};
    CFList<CFPoint> list;
    EXPECT_EQ(list.Head(), nullptr);
    for (CFPoint& p : points)
        EXPECT_TRUE(list.Add(&p));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Head()->item, &points[0]);
    EXPECT_EQ(list.Head()->prev->item, &points[2]) << "the head's previous node is the tail";
    EXPECT_EQ(list.Head()->next->next->next, list.Head());
    EXPECT_EQ(list.Head()->prev->prev->prev, list.Head());
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(points[1], CFPoint(2, 0)) << "the items are not the list's to free";
}

TEST(FListTest, AddReportsAMemoryFailureAndKeepsTheList) {
    CRecordingPlatform platform;
    CScopedPlatform scope(platform);
    CScopedGeoAllocationLimit limit(1);
    CFPoint a;
    CFPoint b;
    CFList<CFPoint> list;
    EXPECT_TRUE(list.Add(&a));
    EXPECT_FALSE(list.Add(&b));
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Head()->next, list.Head());
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{"floatgeo.CFList.Add: memory exception"});
}
