#include "document/ScenarioGenerators.h"
#include "document/DocumentLog.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "model/Member.h"
#include "montecarlo/RandomDeviates.h"
#include "platform/HeadlessPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ScenarioGeneratorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRandomDeviates();
        ASSERT_TRUE(OpenDocumentLog(doc, LogPath()));
        doc.Log().SetLogging(true);
    }
    void TearDown() override { ResetRandomDeviates(); }

    std::string LogPath() const { return dir.filePath("quelta.log").toStdString(); }
    /// The log's lines after the date line.
    std::vector<std::string> LogLines() const {
        std::string text, cause;
        EXPECT_TRUE(ReadTextFile(LogPath(), text, cause));
        std::vector<std::string> lines = SplitLines(text);
        if (!lines.empty())
            lines.erase(lines.begin());
        return lines;
    }
    const std::vector<CMember*>& Members() { return doc.Game().Members(); }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

const std::vector<std::string> kBlankSummary = {
    "Data Source = *",     "Description = Group / Group", "Scenario    = Regular Polygon Model",
    "Members     = Group", "Axis H      = Dimension 1",   "Axis V      = Dimension 2"};

} // namespace

TEST_F(ScenarioGeneratorsTest, BlankScenarioHasOneGroupTwoScalesAndNoMembers) {
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(NewBlankScenario(doc, "Empty"));
    const ScenarioHeader& h = doc.Header();
    EXPECT_EQ(h.scenarioName, "Empty");
    EXPECT_EQ(h.dataSource, "*");
    EXPECT_EQ(doc.Title(), "*");
    ASSERT_EQ(h.scales.size(), 2u);
    EXPECT_EQ(h.horizontalScale->RatingID(), "D1");
    EXPECT_EQ(h.verticalScale->Rating(), "Dimension 2");
    EXPECT_EQ(h.verticalScale->Scale_Max(), 100.0);
    ASSERT_NE(h.currentCommittee, nullptr);
    EXPECT_EQ(h.currentCommittee->CommitteeID(), "C1");
    EXPECT_EQ(h.currentCommittee->Name(), "Group");
    EXPECT_EQ(h.houseInUse, HOUSE_UPPER);
    EXPECT_EQ(h.upperHouse.committeesLabel, "Group Committees");
    EXPECT_EQ(h.upperHouse.membersLabel, "Members");
    EXPECT_TRUE(h.lowerHouse.label.empty());
    EXPECT_EQ(h.sourceKind, SOURCE_NONE);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(LogLines().size(), 7u) << "the reset's vote rule line and the six-line summary";
}

TEST_F(ScenarioGeneratorsTest, WhiteboardIsNamedAfterItselfAndLogsTheVotes) {
    ASSERT_TRUE(NewWhiteboard(doc));
    EXPECT_EQ(doc.Header().dataSource, "Whiteboard");
    EXPECT_EQ(doc.Title(), "Whiteboard");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);
    EXPECT_TRUE(Members().empty());
    const std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 9u);
    EXPECT_EQ(log[1], "Data Source = Whiteboard");
    EXPECT_EQ(log[7], "vote total  = 0");
    EXPECT_EQ(log[8], "vote quota  = 0");
}

TEST_F(ScenarioGeneratorsTest, RegularPolygonPlacesMembersCounterClockwise) {
    ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{10.0, 4, "City Block"}));
    ASSERT_EQ(Members().size(), 4u);
    const CFPoint expected[] = {{60, 50}, {50, 60}, {40, 50}, {50, 40}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(Members()[i]->MemberID(), "XX" + std::to_string(i));
        EXPECT_EQ(Members()[i]->LastName(), "XX" + std::to_string(i));
        EXPECT_NEAR(Members()[i]->IdealPoint().x, expected[i].x, 1e-12) << i;
        EXPECT_NEAR(Members()[i]->IdealPoint().y, expected[i].y, 1e-12) << i;
        EXPECT_EQ(Members()[i]->PrefType(), 4);
    }
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_REGULAR_POLYGON);
    EXPECT_TRUE(doc.IsModified());
    std::vector<std::string> log = LogLines();
    ASSERT_EQ(log.size(), 9u);
    EXPECT_EQ(std::vector<std::string>(log.begin() + 1, log.begin() + 7), kBlankSummary);
    EXPECT_EQ(log[7], "vote total = 4");
    EXPECT_EQ(log[8], "vote quota = 3");
}

TEST_F(ScenarioGeneratorsTest, RegularPolygonOfRadiusZeroAndCancelledDialog) {
    ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{0.0, 7, "Unified"}));
    for (const CMember* member : Members()) {
        EXPECT_EQ(member->IdealPoint(), CFPoint(50, 50));
        EXPECT_EQ(member->PrefType(), 1);
    }
    ASSERT_TRUE(NewRegularPolygon(doc, std::nullopt));
    EXPECT_TRUE(Members().empty());
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_REGULAR_POLYGON);
    EXPECT_TRUE(doc.IsModified()) << "kind and modified are set whether or not confirmed";
}

TEST_F(ScenarioGeneratorsTest, RegularPolygonSettingsOutOfRangeAreRefused) {
    ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{10.0, 4, "Tradeoff"}));
    const struct {
        SRegularPolygonSettings settings;
        const char* message;
    } cases[] = {
        {{100.5, 4, "Tradeoff"}, "\"Radial Distance\" must be a number from 0 to 100."},
        {{-1, 4, "Tradeoff"}, "\"Radial Distance\" must be a number from 0 to 100."},
        {{std::nan(""), 4, "Tradeoff"}, "\"Radial Distance\" must be a number from 0 to 100."},
        {{10, 2, "Tradeoff"}, "\"Number of Members\" must be an integer from 3 to 1000."},
        {{10, 1001, "Tradeoff"}, "\"Number of Members\" must be an integer from 3 to 1000."},
        {{10, 5, "Spiral"},
         "\"Default Preference Model\" must be Tradeoff, City Block, "
         "Directional or Unified."},
    };
    for (const auto& c : cases) {
        platform.Clear();
        EXPECT_FALSE(NewRegularPolygon(doc, c.settings)) << c.message;
        EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(Members().size(), 4u) << "the scenario is left as it was";
    }
    EXPECT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{100, 1000, "Directional"}));
    EXPECT_EQ(Members().size(), 1000u);
}

TEST_F(ScenarioGeneratorsTest, BargainHasTwoCityBlockPlayersAndIsNotModified) {
    ASSERT_TRUE(NewBargain(doc));
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(0, 0));
    ASSERT_EQ(Members().size(), 2u);
    EXPECT_EQ(Members()[0]->IdealPoint(), CFPoint(100, 0));
    EXPECT_EQ(Members()[1]->IdealPoint(), CFPoint(0, 100));
    EXPECT_EQ(Members()[1]->PrefType(), 4);
    EXPECT_EQ(doc.Header().horizontalScale->Rating(), "Utility of Player 1");
    EXPECT_EQ(doc.Header().verticalScale->Rating(), "Utility of Player 2");
    EXPECT_EQ(doc.Config().flagBudgetLine, 1);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_BARGAIN);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ScenarioGeneratorsTest, MonteCarloDialogRetainsDrawnPointsOnOk) {
    ASSERT_TRUE(NewBlankScenario(doc, "MonteCarlo"));
    SMonteCarloSettings settings;
    settings.members = 0;
    SMonteCarloDraw none = RunMonteCarloDraw(settings, doc.ScaleBox());
    RetainMonteCarloPoints(doc, settings, none);
    EXPECT_TRUE(Members().empty()) << "a count of 0 retains nothing";
    settings.members = 6;
    settings.preferenceModel = "Directional";
    SMonteCarloDraw draw = RunMonteCarloDraw(settings, doc.ScaleBox());
    const std::vector<CFPoint> points = draw.points;
    RetainMonteCarloPoints(doc, settings, draw);
    EXPECT_TRUE(draw.points.empty());
    EXPECT_EQ(settings.prefType, 2);
    ASSERT_EQ(Members().size(), 6u);
    EXPECT_EQ(Members()[5]->IdealPoint(), points[5]);
    EXPECT_EQ(Members()[5]->MemberID(), "XX5");
    FinishMonteCarloScenario(doc);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ScenarioGeneratorsTest, OneStepMonteCarloGeneratesOrRefuses) {
    SMonteCarloSettings settings;
    settings.members = 12;
    settings.prefType = 1;
    ASSERT_EQ(NewMonteCarlo(doc, "Study", settings, 1000), EMonteCarloResult::Generated);
    EXPECT_EQ(doc.Header().scenarioName, "Study");
    EXPECT_EQ(Members().size(), 12u);
    EXPECT_EQ(Members()[0]->PrefType(), 1);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    EXPECT_EQ(LogLines().back(), "vote quota = 7");

    SMonteCarloSettings huge;
    huge.members = 1000000000;
    platform.Clear();
    EXPECT_EQ(NewMonteCarlo(doc, "Huge", huge), EMonteCarloResult::Refused);
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{"\"Number of Members\" must be an integer from 0 to "
                                       "100000."});
    EXPECT_EQ(doc.Header().scenarioName, "Study") << "refused before anything changed";

    SMonteCarloSettings far;
    far.members = 3;
    far.distributionV = MC_NORMAL;
    far.meanV = 1e6;
    far.stdDevV = 1;
    platform.Clear();
    EXPECT_EQ(NewMonteCarlo(doc, "Far", far, 2000), EMonteCarloResult::TooFewInside);
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{"Only 0 of 3 members fell inside the scale box in 2000 "
                                       "draws; move the means inside the box or widen the "
                                       "spread."});
    EXPECT_TRUE(Members().empty());
}

TEST_F(ScenarioGeneratorsTest, GeneratedScenariosSurviveTheStandardFormat) {
    ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{25, 5, "Tradeoff"}));
    const std::string path = dir.filePath("poly.txt").toStdString();
    doc.SetPathName(path);
    ASSERT_TRUE(WriteScenarioFile(doc));
    CQueltaDoc copy;
    ASSERT_TRUE(ReadScenarioFile(copy, path));
    ASSERT_EQ(copy.Game().Members().size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(copy.Game().Members()[i]->MemberID(), Members()[i]->MemberID());
        EXPECT_NEAR(copy.Game().Members()[i]->IdealPoint().x, Members()[i]->IdealPoint().x, 1e-6);
    }
}
