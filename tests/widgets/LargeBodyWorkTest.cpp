#include "app/ChartActions.h"
#include "app/ChartFit.h"
#include "app/MainWindow.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "model/VotingGame.h"
#include "montecarlo/MonteCarloSettings.h"
#include "preferences/Yolk.h"
#include "views/LongConcepts.h"

#include <QAction>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

/// A generated body of `members` on an 80 x 80 chart with the win set and the yolk shown.
void MakeBody(CQueltaDoc& doc, int members) {
    doc.SetConfigPath("");
    SMonteCarloSettings settings;
    settings.members = members;
    settings.seed = -7;
    ASSERT_EQ(NewMonteCarlo(doc, "Body", settings, 0), EMonteCarloResult::Generated);
    doc.Config().szChart = {80, 80};
    doc.UpdateGridMap();
    doc.Config().flagWinSet = 1;
    doc.Config().flagYolk = 1;
}

/// A body of thousands of members computes its win set and yolk on the worker thread, where a
/// minute's work leaves the window responsive with its progress bar and Cancel, and the chart
/// the window paints afterwards finds them computed, the same as a computation on the spot.
TEST(LargeBodyWorkTest, ShownConceptsOfALargeBodyAreComputedOnTheWorker) {
    CQueltaDoc doc;
    MakeBody(doc, static_cast<int>(kLargeBody));
    CQueltaFrame frame(doc);
    frame.ChartActions().Fit().Action()->setChecked(false);
    frame.show();
    int lockedTicks = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout,
                     [&] { lockedTicks += !frame.centralWidget()->isEnabled(); });
    watch.start(1);
    frame.RefreshViews();
    EXPECT_GT(lockedTicks, 0) << "the window was locked while the worker computed";
    EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::WinSet));
    EXPECT_FALSE(doc.Game().Stale().IsStale(EConcept::Yolk));
    EXPECT_TRUE(frame.centralWidget()->isEnabled());

    lockedTicks = 0;
    frame.RefreshViews();
    EXPECT_EQ(lockedTicks, 0) << "a chart that is ready asks for no work";

    CQueltaDoc onTheSpot;
    MakeBody(onTheSpot, static_cast<int>(kLargeBody));
    EXPECT_EQ(doc.Game().GetWinSetArea(), onTheSpot.Game().GetWinSetArea());
    EXPECT_EQ(doc.Game().GetYolk().radius, onTheSpot.Game().GetYolk().radius);
}

TEST(LargeBodyWorkTest, DuringALiveDragEveryConceptOfALargeBodyWaitsForTheRelease) {
    CQueltaDoc small, large;
    MakeBody(small, 50);
    MakeBody(large, static_cast<int>(kLargeBody));
    small.Game().GetWinSetArea();
    EXPECT_FALSE(LongConceptPending(small, &DisplayConfig::flagWinSet));
    EXPECT_TRUE(LongConceptPending(large, &DisplayConfig::flagWinSet));
    CLargeBodyChart chart;
    EXPECT_FALSE(chart.Pending(small)) << "a small body paints its concepts on the spot";
    ASSERT_TRUE(chart.Pending(large));
    chart.Pending(large)->compute();
    EXPECT_FALSE(chart.Pending(large)) << "ready for what it shows";
    large.Config().flagPetal = 1;
    EXPECT_TRUE(chart.Pending(large)) << "another display asks again";
    large.SetStatusQuo(CFPoint(40, 45));
    std::optional<SLongConcept> work = chart.Pending(large);
    ASSERT_TRUE(work);
    EXPECT_TRUE(work->missing());
    work->withdraw();
    EXPECT_EQ(large.Config().flagWinSet, 0) << "a cancelled run hides what it did not compute";
}

} // namespace
