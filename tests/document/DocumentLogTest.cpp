#include "document/DocumentLog.h"
#include "FileSizeLimit.h"
#include "document/PreferenceCorrelation.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "document/TextLines.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <fstream>
#include <string>
#include <sys/stat.h>

namespace {

class DocumentLogTest : public ::testing::Test {
protected:
    std::string LogPath() const { return dir.filePath("quelta.log").toStdString(); }
    std::vector<std::string> LogLines() const {
        std::string text, cause;
        EXPECT_TRUE(ReadTextFile(LogPath(), text, cause)) << cause;
        return SplitLines(text);
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

const std::vector<std::string> kWhiteboardSummary = {
    "Data Source = Whiteboard", "Description = Group / Group", "Scenario    = Whiteboard",
    "Members     = Group",      "Axis H      = Dimension 1",   "Axis V      = Dimension 2"};

} // namespace

TEST_F(DocumentLogTest, OpeningAppendsTheDateInEnglishAndLeavesLoggingOff) {
    std::ofstream(LogPath()) << "earlier session\n";
    const char* previous = std::setlocale(LC_ALL, "de_DE.UTF-8");
    const bool opened = OpenDocumentLog(doc, LogPath());
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(opened);
    EXPECT_FALSE(doc.Log().IsLogging());
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "earlier session") << "the log is never truncated";
    static const QRegularExpression date(
        "^(Sun|Mon|Tues|Wednes|Thurs|Fri|Satur)day, (January|February|March|April|May|June|July|"
        "August|September|October|November|December) [0-3][0-9], [0-9]{4}$");
    EXPECT_TRUE(date.match(QString::fromStdString(lines[1])).hasMatch())
        << lines[1] << (previous ? "" : " (no comma locale on this machine)");
    doc.SetVoteRule(0.25);
    EXPECT_EQ(LogLines().size(), 2u) << "nothing is written while logging is off";
}

TEST_F(DocumentLogTest, ToggleWritesTheSummaryEachTimeLoggingTurnsOn) {
    ASSERT_TRUE(NewWhiteboard(doc));
    ASSERT_TRUE(OpenDocumentLog(doc, LogPath()));
    ToggleLogging(doc);
    ToggleLogging(doc);
    doc.SetVoteRule(0.75);
    ToggleLogging(doc);
    doc.SetVoteRule(2.0 / 3.0);
    std::vector<std::string> expected = {LogLines()[0]};
    expected.insert(expected.end(), kWhiteboardSummary.begin(), kWhiteboardSummary.end());
    expected.insert(expected.end(), kWhiteboardSummary.begin(), kWhiteboardSummary.end());
    expected.push_back("vote rule = 0.666667");
    EXPECT_EQ(LogLines(), expected);
}

TEST_F(DocumentLogTest, LoadingAScenarioLogsTheSummaryWithTheVotes) {
    ASSERT_TRUE(OpenDocumentLog(doc, LogPath()));
    doc.Log().SetLogging(true);
    ASSERT_TRUE(ReadScenarioFile(doc, std::string(QUELTA_EXAMPLES) + "/five.txt"));
    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "vote rule = 0.500000") << "the reset sets the rule through the setter";
    EXPECT_EQ(lines[2], "vote rule = 0.500000") << "and so does the file's decision rule";
    EXPECT_EQ(lines[5], "Scenario    = Five-member committee");
    EXPECT_EQ(lines[9], "vote total  = 5");
    EXPECT_EQ(lines[10], "vote quota  = 3");
}

TEST_F(DocumentLogTest, LogThatCannotOpenIsSilentAndOneThatCannotBeWrittenIsFatal) {
    // A journal is only ever a regular file: a FIFO (which would block the open) and a device
    // are passed over like a missing folder.
    const std::string fifo = dir.filePath("fifo.log").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {dir.filePath("missing/quelta.log").toStdString(),
                                    dir.path().toStdString(), fifo, std::string("/dev/full")})
        EXPECT_FALSE(OpenDocumentLog(doc, path)) << path;
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_FALSE(platform.ExitRequested());
    doc.Log().SetLogging(true);
    doc.SetVoteRule(0.4); // writes nowhere, fails nothing

    bool opened = true;
    {
        const CFileSizeLimit limit(1);
        opened = OpenDocumentLog(doc, LogPath());
    }
    EXPECT_FALSE(opened);
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{ErrorBoxText("DOC1", "log file exception")});
    EXPECT_TRUE(platform.ExitRequested());
    EXPECT_EQ(platform.ExitCode(), 1);
}

TEST_F(DocumentLogTest, CorrelatedSwitchSetsSalienceAndComplementarityFromTheFit) {
    ASSERT_TRUE(NewWhiteboard(doc));
    for (const CFPoint& p : {CFPoint(10, 15), CFPoint(40, 35), CFPoint(70, 80), CFPoint(90, 85)})
        AddGeneratedMember(doc, p, 3);
    // The fit worked out by hand: mean (52.5, 53.75), slope Sxy / Sxx over centred sums.
    const double sxx = 42.5 * 42.5 + 12.5 * 12.5 + 17.5 * 17.5 + 37.5 * 37.5;
    const double sxy = 42.5 * 38.75 + 12.5 * 18.75 + 17.5 * 26.25 + 37.5 * 31.25;
    const double syy = 38.75 * 38.75 + 18.75 * 18.75 + 26.25 * 26.25 + 31.25 * 31.25;
    const double slope = sxy / sxx, r = sxy / std::sqrt(sxx * syy);
    doc.SetModifiedFlag(false);
    ToggleCorrelated(doc);
    EXPECT_EQ(doc.Config().flagPrefCorrelated, 1);
    for (const CMember* member : doc.Game().Members()) {
        EXPECT_NEAR(member->Preference().complementarity, 1 / slope, 1e-9);
        EXPECT_NEAR(member->Preference().salience, 1 / (1.0000001 - r), 1e-6);
    }
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(platform.StatusTexts().back().text, " ");
    ToggleCorrelated(doc);
    EXPECT_EQ(doc.Game().Members()[0]->Preference().complementarity, 0.0);
    EXPECT_EQ(doc.Game().Members()[0]->Preference().salience, 1.0);
}

TEST_F(DocumentLogTest, CorrelatedSwitchOnLevelMembersStaysFinite) {
    ASSERT_TRUE(NewWhiteboard(doc));
    AddGeneratedMember(doc, CFPoint(10, 50), 3);
    AddGeneratedMember(doc, CFPoint(90, 50), 3);
    ToggleCorrelated(doc);
    EXPECT_TRUE(std::isfinite(doc.Game().Members()[0]->Preference().complementarity));
    EXPECT_NEAR(doc.Game().Members()[0]->Preference().salience, 1 / 1.0000001, 1e-12);
}
