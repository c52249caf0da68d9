#include "document/Agenda.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "montecarlo/RandomDeviates.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class AgendaTest : public ::testing::Test {
protected:
    void Polygon(double radius, int members) {
        ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{radius, members, "Tradeoff"}));
        doc.Game().SetStatusQuo(CFPoint(20, 30));
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

} // namespace

TEST_F(AgendaTest, TwoRunsFollowTheSamePathOfWinningPoints) {
    Polygon(30, 5);
    const CFPoint start = doc.Game().StatusQuo();
    int unrelated = 99;
    UniformDeviate(unrelated); // the shared generator is in use elsewhere between the runs
    const std::vector<CFPoint> first = RunAgenda(doc, {6});
    ASSERT_EQ(first.size(), 7u);
    EXPECT_EQ(first.front(), start);
    EXPECT_EQ(doc.Game().StatusQuo(), first.back());
    EXPECT_EQ(doc.Game().VetoSwitch(), 1);
    EXPECT_EQ(doc.AgendaPath(), first);
    EXPECT_EQ(platform.WaitCursorDepth(), 0);
    for (size_t i = 1; i < first.size(); ++i)
        EXPECT_NE(first[i], first[i - 1]) << "each step moves into the win set, step " << i;
    doc.Game().SetStatusQuo(start);
    UniformDeviate(unrelated);
    EXPECT_EQ(RunAgenda(doc, {6}), first);
}

TEST_F(AgendaTest, EachStepLiesOnThePreviousWinSet) {
    Polygon(30, 5);
    const std::vector<CFPoint> path = RunAgenda(doc, {4});
    doc.Game().SetStatusQuo(path[0]);
    ASSERT_EQ(path.size(), 5u);
    const CGridMap& map = doc.Game().GridMap();
    for (size_t i = 1; i < path.size(); ++i) {
        // The nearest win-set point lies on the edge of a winning cell: the cell it falls in,
        // or one beside it, belongs to the win set.
        const CRgn& winSet = doc.Game().GetWinSet().GetRgn();
        ASSERT_FALSE(winSet.IsEmpty()) << "step " << i;
        const QPoint cell = map.WorldToCell(path[i]);
        bool winning = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                winning = winning || winSet.PtInRegion(cell.x() + dx, cell.y() + dy);
        EXPECT_TRUE(winning) << "step " << i << " at " << path[i].x << ", " << path[i].y;
        // And a quota of members (circles about their ideal points) is nearer to it than to the
        // status quo it replaced, but for the width of a cell.
        const double cellWidth = std::hypot(map.UnitX(), map.UnitY());
        int nearer = 0;
        for (const CMember* member : doc.Game().Members())
            nearer += member->IdealPoint().Distance(path[i]) <
                      member->IdealPoint().Distance(path[i - 1]) + cellWidth;
        EXPECT_GE(nearer, doc.Game().VoteQuota()) << "step " << i;
        doc.Game().SetStatusQuo(path[i]);
    }
}

TEST_F(AgendaTest, EmptyWinSetRepeatsTheStatusQuo) {
    Polygon(30, 3);
    for (const char* id : {"XX0", "XX1", "XX2"})
        doc.SetMemberPreference(id, 7); // every member abstains: no point reaches the quota
    ASSERT_TRUE(doc.Game().GetWinSet().GetRgn().IsEmpty());
    EXPECT_EQ(RunAgenda(doc, {3}), std::vector<CFPoint>(4, CFPoint(20, 30)));
}

TEST_F(AgendaTest, NothingHappensWithoutIterationsOrMembers) {
    Polygon(30, 5);
    doc.SetModifiedFlag(false);
    for (const int iterations : {0, -5}) {
        EXPECT_TRUE(RunAgenda(doc, {iterations}).empty()) << iterations;
        EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(20, 30));
        EXPECT_EQ(doc.Game().VetoSwitch(), 0);
        EXPECT_FALSE(doc.IsModified());
    }
    ASSERT_TRUE(NewWhiteboard(doc));
    EXPECT_TRUE(RunAgenda(doc, {5}).empty());
    doc.ResetScenario();
    EXPECT_TRUE(RunAgenda(doc, {5}).empty()) << "no committee at all";
}
