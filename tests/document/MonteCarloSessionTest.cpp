#include "document/MonteCarloSession.h"
#include "document/DocumentDialogs.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "document/TextLines.h"
#include "model/Member.h"
#include "montecarlo/RandomDeviates.h"
#include "platform/HeadlessPlatform.h"
#include "platform/WorkerThread.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using EKind = SMonteCarloAction::EKind;

class MonteCarloSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRandomDeviates();
        doc.SetConfigPath("");
        ASSERT_TRUE(NewBlankScenario(doc, "MonteCarlo"));
    }
    void TearDown() override { ResetRandomDeviates(); }

    std::string SettingsPath() const { return dir.filePath("queltamc.txt").toStdString(); }
    static SMonteCarloSettings Uniform(int members, int seed = -1) {
        SMonteCarloSettings s;
        s.members = members;
        s.seed = seed;
        return s;
    }
    const std::vector<CMember*>& Members() { return doc.Game().Members(); }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scoped{platform};
    CQueltaDoc doc;
};

TEST_F(MonteCarloSessionTest, RunningAgainAfterDiscardContinuesFromTheSeedShown) {
    CMonteCarloSession session(doc, SettingsPath());
    session.SetSettings(Uniform(5));
    ASSERT_TRUE(session.Run());
    const std::vector<CFPoint> first = session.DrawnPoints();
    const int shownSeed = session.Settings().seed;
    EXPECT_EQ(first.size(), 5u);
    EXPECT_NE(shownSeed, -1) << "the generator's state is written back";
    EXPECT_TRUE(Members().empty()) << "drawn points are no members before Retain";
    EXPECT_FALSE(session.CanRun());
    EXPECT_FALSE(session.Run()) << "Run is not offered while points wait";
    EXPECT_EQ(session.DrawnPoints(), first);

    session.Discard();
    EXPECT_TRUE(session.DrawnPoints().empty());
    EXPECT_TRUE(session.CanRun());
    ASSERT_TRUE(session.Run());
    const std::vector<CFPoint> second = session.DrawnPoints();

    // The two runs together are one draw of ten from the same start.
    ResetRandomDeviates();
    SMonteCarloSettings once = Uniform(10);
    const SMonteCarloDraw both = RunMonteCarloDraw(once, doc.ScaleBox());
    ASSERT_EQ(both.points.size(), 10u);
    EXPECT_EQ(std::vector<CFPoint>(both.points.begin(), both.points.begin() + 5), first);
    EXPECT_EQ(std::vector<CFPoint>(both.points.begin() + 5, both.points.end()), second);
    EXPECT_EQ(session.Settings().seed, once.seed);
}

TEST_F(MonteCarloSessionTest, RetainAddsTheDrawnPointsAsMembersOfTheChosenModel) {
    CMonteCarloSession session(doc, SettingsPath());
    session.SetSettings(Uniform(0));
    ASSERT_TRUE(session.Run());
    session.Retain();
    EXPECT_TRUE(Members().empty()) << "a count of 0 draws and retains nothing";

    SMonteCarloSettings settings = Uniform(4, 11);
    settings.preferenceModel = "City Block";
    session.SetSettings(settings);
    ASSERT_TRUE(session.Run());
    const std::vector<CFPoint> drawn = session.DrawnPoints();
    session.Retain();
    EXPECT_TRUE(session.DrawnPoints().empty());
    EXPECT_TRUE(session.CanRun());
    EXPECT_EQ(session.Settings().prefType, 4);
    ASSERT_EQ(Members().size(), 4u);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(Members()[i]->IdealPoint(), drawn[i]);
        EXPECT_EQ(Members()[i]->PrefType(), 4);
    }
    ASSERT_TRUE(session.Run());
    session.Retain();
    ASSERT_EQ(Members().size(), 8u);
    EXPECT_EQ(Members()[7]->MemberID(), "XX7") << "generated IDs go on counting";
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE) << "only OK marks the scenario";
}

TEST_F(MonteCarloSessionTest, ResetRestoresTheDefaultsAndRefusedSettingsDrawNothing) {
    CMonteCarloSession session(doc, SettingsPath());
    SMonteCarloSettings settings = Uniform(12, 99);
    settings.preferenceModel = "Unified";
    settings.distributionV = MC_NORMAL;
    settings.meanV = 40;
    settings.stdDevV = 5;
    session.SetSettings(settings);
    session.Reset();
    EXPECT_EQ(session.Settings(), SMonteCarloSettings{});

    settings.stdDevV = -1;
    session.SetSettings(settings);
    EXPECT_FALSE(session.Run());
    EXPECT_TRUE(session.CanRun());
    EXPECT_TRUE(session.DrawnPoints().empty());
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{"\"Std Dev\" must be a number of 0 or more."});
}

TEST_F(MonteCarloSessionTest, AStoppedDrawKeepsOnlyThePointsItReached) {
    CMonteCarloSession session(doc, SettingsPath());
    session.SetSettings(Uniform(50));
    platform.RequestCancelAfter(3);
    ASSERT_TRUE(session.Run());
    EXPECT_EQ(session.DrawnPoints().size(), 4u) << "Escape after the fourth candidate";
    for (const CFPoint& point : session.DrawnPoints())
        EXPECT_NE(point, CFPoint(0.0, 0.0));

    platform.RequestCancelAfter(-1);
    session.Discard();
    SMonteCarloSettings far = Uniform(2, 5);
    far.distributionH = MC_NORMAL;
    far.meanH = 1e6;
    far.stdDevH = 1;
    session.SetSettings(far);
    ASSERT_TRUE(session.Run());
    EXPECT_TRUE(session.DrawnPoints().empty());
    ASSERT_EQ(platform.MessageTexts().size(), 1u);
    EXPECT_NE(platform.MessageTexts()[0].find("Only 0 of 2 members"), std::string::npos);
}

TEST_F(MonteCarloSessionTest, OkStoresTheSettingsAndCancelLeavesTheBlankScenario) {
    ASSERT_TRUE(WriteMonteCarloSettings(Uniform(3, 21), SettingsPath()));
    platform.QueueDialogAnswer<SMonteCarloButtons>(
        SMonteCarloButtons{{{EKind::Run, {}}, {EKind::Ok, {}}}});
    ASSERT_TRUE(NewMonteCarloCommand(doc, SettingsPath()));
    EXPECT_EQ(Members().size(), 3u) << "the dialog opens with the stored settings";
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    EXPECT_TRUE(doc.IsModified());
    const SMonteCarloSettings stored = ReadMonteCarloSettings(SettingsPath());
    EXPECT_EQ(stored.members, 3);
    EXPECT_NE(stored.seed, 21) << "the seed the draw left is stored";
    EXPECT_TRUE(doc.DrawnPoints().empty());

    QFile::remove(QString::fromStdString(SettingsPath()));
    SMonteCarloSettings edited = Uniform(6);
    platform.QueueDialogAnswer<SMonteCarloButtons>(
        SMonteCarloButtons{{{EKind::Edit, edited}, {EKind::Run, {}}, {EKind::Cancel, {}}}});
    platform.QueueAnswer(EMsgAnswer::No); // do not save the first scenario
    EXPECT_FALSE(NewMonteCarloCommand(doc, SettingsPath()));
    EXPECT_EQ(doc.Header().scenarioName, "MonteCarlo");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    EXPECT_TRUE(Members().empty());
    EXPECT_TRUE(doc.DrawnPoints().empty()) << "the chart no longer shows the draw";
    EXPECT_FALSE(QFile::exists(QString::fromStdString(SettingsPath())))
        << "only OK writes the file";

    // A sequence that ends without either button ends as Cancel.
    platform.QueueDialogAnswer<SMonteCarloButtons>(
        SMonteCarloButtons{{{EKind::Edit, edited}, {EKind::Run, {}}}});
    EXPECT_FALSE(NewMonteCarloCommand(doc, SettingsPath()));
    EXPECT_TRUE(doc.DrawnPoints().empty());
}

/// Settings whose horizontal normal distribution often leaves the box, so that candidates and
/// accepted points differ.
SMonteCarloSettings SpillingOver(int members, int seed) {
    SMonteCarloSettings s;
    s.members = members;
    s.seed = seed;
    s.distributionH = MC_NORMAL;
    s.meanH = 20;
    s.stdDevH = 40;
    return s;
}

/// Settings whose points fall inside the box about once in seventeen thousand candidates (the
/// two coordinates of a point come from one normal pair, so their tails go together): a full
/// draw would take most of a minute.
SMonteCarloSettings Rare(int seed) {
    SMonteCarloSettings s = SpillingOver(kMaxGeneratedMembers, seed);
    s.distributionV = MC_NORMAL;
    s.meanH = s.meanV = -250;
    s.stdDevH = s.stdDevV = 100;
    return s;
}

TEST_F(MonteCarloSessionTest, ADrawOnAWorkerThreadEndsAsTheSynchronousRun) {
    CMonteCarloSession session(doc, SettingsPath());
    session.SetSettings(SpillingOver(400, 17));
    std::optional<SMonteCarloRequest> request = session.BeginRun();
    ASSERT_TRUE(request);
    EXPECT_TRUE(session.IsDrawing());
    EXPECT_FALSE(session.CanRun());
    EXPECT_FALSE(session.BeginRun()) << "one draw at a time";
    EXPECT_FALSE(session.Run());
    SMonteCarloProgress progress;
    SMonteCarloDraw draw;
    RunOnWorkerThread([&] { draw = request->Draw(&progress); });
    EXPECT_EQ(progress.accepted.load(), 400);
    EXPECT_GT(draw.candidates, 400) << "the distribution spills over the box";
    session.FinishRun(*request, std::move(draw));
    EXPECT_FALSE(session.IsDrawing());
    EXPECT_FALSE(session.CanRun()) << "the points wait for Retain or Discard";
    const std::vector<CFPoint> threaded = session.DrawnPoints();
    const int threadedSeed = session.Settings().seed;

    session.Discard();
    session.SetSettings(SpillingOver(400, 17));
    ResetRandomDeviates();
    ASSERT_TRUE(session.Run());
    EXPECT_EQ(session.DrawnPoints(), threaded);
    EXPECT_EQ(session.Settings().seed, threadedSeed);
    EXPECT_TRUE(platform.MessageTexts().empty());
}

TEST_F(MonteCarloSessionTest, AStoppedThreadedDrawKeepsThePointsAndSeedItReached) {
    // The watcher stops the draw once some points are in; where exactly it stops is up to the
    // threads, so the synchronous run is stopped at the same candidate to compare.
    CMonteCarloSession session(doc, SettingsPath());
    session.SetSettings(Rare(3));
    std::optional<SMonteCarloRequest> request = session.BeginRun();
    ASSERT_TRUE(request);
    SMonteCarloProgress progress;
    SMonteCarloDraw draw;
    std::thread worker([&] { draw = request->Draw(&progress); });
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (progress.accepted.load() < 20 && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::yield();
    progress.stop = true;
    worker.join();
    ASSERT_TRUE(draw.cancelled);
    ASSERT_LT(draw.accepted, kMaxGeneratedMembers);
    const std::int64_t candidates = draw.candidates;
    const int accepted = draw.accepted;
    session.FinishRun(*request, std::move(draw));
    const std::vector<CFPoint> stopped = session.DrawnPoints();
    const int stoppedSeed = session.Settings().seed;
    EXPECT_EQ(stopped.size(), static_cast<std::size_t>(accepted));
    EXPECT_FALSE(session.CanRun());
    EXPECT_TRUE(platform.MessageTexts().empty()) << "a stop is no failure";

    session.Discard();
    session.SetSettings(Rare(3));
    ResetRandomDeviates();
    platform.RequestCancelAfter(static_cast<int>(candidates - 1));
    ASSERT_TRUE(session.Run());
    platform.RequestCancelAfter(-1);
    EXPECT_EQ(session.DrawnPoints(), stopped);
    EXPECT_EQ(session.Settings().seed, stoppedSeed);

    session.Retain();
    EXPECT_EQ(Members().size(), stopped.size()) << "only the points reached become members";
}

} // namespace
