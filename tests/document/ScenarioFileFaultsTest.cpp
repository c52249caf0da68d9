#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/TextLines.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const char* const kGame = "GAME PARAMETERS BEGIN\n"
                          "Group\tCommittee\tC1\n"
                          "Dimension\tOne\tD1\t0\t100\n"
                          "Dimension\tTwo\tD2\t0\t100\n"
                          "Decision Rule\treserved\t0.5\n"
                          "Status Quo\treserved\treserved\t40\t45\n"
                          "Proposal\treserved\treserved\t60\t55\n";

/// Reading, saving and reading back scenario files whose contents once came back changed.
class ScenarioFileFaultsTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    /// Saves `from` and reads the saved file into `to`; gives the saved text.
    std::string SaveAndReload(CQueltaDoc& from, CQueltaDoc& to) {
        from.SetPathName(dir.filePath("saved.txt").toStdString());
        EXPECT_TRUE(WriteScenarioFile(from));
        std::string text, cause;
        EXPECT_TRUE(ReadTextFile(from.Header().dataSource, text, cause)) << cause;
        EXPECT_TRUE(ReadScenarioFile(to, from.Header().dataSource)) << text;
        return text;
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    CQueltaDoc copy;
};

} // namespace

TEST_F(ScenarioFileFaultsTest, SmallAndUnevenNumbersReadBackAsSaved) {
    ASSERT_TRUE(ReadScenarioFile(doc, Write("xy.txt", "A 1e-7 4e-7\nB 0.1 33.33333333333333\n")));
    const std::string text = SaveAndReload(doc, copy);
    EXPECT_NE(text.find("Player\tA\tXX0\t1e-07\t4e-07\t1.000000\t"), std::string::npos) << text;
    EXPECT_NE(text.find("Player\tB\tXX1\t0.100000\t33.33333333333333\t"), std::string::npos)
        << "six decimals where they are exact, more only where needed";
    ASSERT_EQ(copy.Game().Members().size(), 2u);
    for (size_t i = 0; i < 2; ++i)
        EXPECT_EQ(copy.Game().Members()[i]->IdealPoint(), doc.Game().Members()[i]->IdealPoint());
    EXPECT_EQ(copy.Game().Members()[0]->IdealPoint().x, 1e-7);
    EXPECT_EQ(copy.Game().Members()[1]->IdealPoint().y, 33.33333333333333);
}

TEST_F(ScenarioFileFaultsTest, AnEmptyScenarioSavesAsAFileThatReadsBack) {
    for (const char* content : {"", "  \n\t\n"}) {
        ASSERT_TRUE(ReadScenarioFile(doc, Write("empty.txt", content)));
        EXPECT_TRUE(doc.Game().Members().empty());
        SaveAndReload(doc, copy);
        EXPECT_EQ(copy.Header().sourceKind, SOURCE_STANDARD_FILE);
        EXPECT_TRUE(copy.Game().Members().empty());
        EXPECT_EQ(copy.Header().horizontalScale->Scale_Max(), 100.0);
    }
    EXPECT_TRUE(platform.MessageTexts().empty());
    // Without its END line a block without players is still no scenario.
    EXPECT_FALSE(ReadScenarioFile(doc, Write("open.txt", kGame)));
}

TEST_F(ScenarioFileFaultsTest, ASecondMemberWithTheSameIdIsRenamedAndTold) {
    ASSERT_TRUE(ReadScenarioFile(
        doc, Write("twice.txt", std::string(kGame) + "Player\tAdams\tX\t10\t20\t1\t0\t0\n"
                                                     "Player\tBaker\tX\t30\t40\t1\t0\t0\n"
                                                     "Player\tCole\tX-2\t50\t60\t1\t0\t0\n"
                                                     "Player\tDunn\tX\t70\t80\t1\t0\t0\n")));
    std::vector<std::string> ids;
    for (const CMember* member : doc.Game().Members())
        ids.push_back(member->MemberID());
    EXPECT_EQ(ids, (std::vector<std::string>{"X", "X-2", "X-2-2", "X-3"}));
    EXPECT_EQ(platform.MessageTexts(),
              (std::vector<std::string>{"Member IDs are used by more than one player; the later "
                                        "players are renamed: X to X-2, X-2 to X-2-2, X to X-3."}));
}

TEST_F(ScenarioFileFaultsTest, ASingleRenamedMemberIsToldByName) {
    ASSERT_TRUE(ReadScenarioFile(
        doc, Write("twice.txt", std::string(kGame) + "Player\tAdams\tX\t10\t20\t1\t0\t0\n"
                                                     "Player\tBaker\tX\t30\t40\t1\t0\t0\n")));
    EXPECT_EQ(platform.MessageTexts(),
              (std::vector<std::string>{
                  "Member ID X is used by more than one player; the later player is now X-2."}));
}

TEST_F(ScenarioFileFaultsTest, NamesWithLineEndsAndTabsStayInTheirField) {
    const std::string folder = "evil\n\nDecision Rule\treserved\t1\n";
    ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromStdString(folder)));
    ASSERT_TRUE(ReadScenarioFile(doc, Write(folder + "/xy.txt", "A 10 20\nB 30 40\n")));
    const std::string text = SaveAndReload(doc, copy);
    EXPECT_NE(text.find("Scenario\t" + dir.path().toStdString() +
                        "/evil  Decision Rule reserved 1 /xy.txt\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(copy.Game().VoteRule(), 0.5) << "no line of the name became a line of the file";
    EXPECT_EQ(copy.Game().Members().size(), 2u);
}

TEST_F(ScenarioFileFaultsTest, ByteOrderMarksAndEveryKindOfLineEndRead) {
    const std::string standard =
        std::string(kGame) + "Player\tAdams\tA1\t10\t20\t1\t0\t0\nGAME PARAMETERS END\n";
    const auto withEnds = [](std::string text, const std::string& end) {
        for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at))
            text.replace(at, 1, end), at += end.size();
        return text;
    };
    for (const std::string end : {"\n", "\r\n", "\r"}) {
        SCOPED_TRACE(end == "\r" ? "CR" : end == "\n" ? "LF" : "CR LF");
        for (const std::string mark : {"", "\xEF\xBB\xBF"}) {
            ASSERT_TRUE(ReadScenarioFile(doc, Write("s.txt", mark + withEnds(standard, end))));
            EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
            EXPECT_EQ(doc.Game().Members().at(0)->MemberID(), "A1");
            ASSERT_TRUE(
                ReadScenarioFile(doc, Write("xy.txt", mark + withEnds("Ann 1 2\nBo 3 4\n", end))));
            EXPECT_EQ(doc.Header().sourceKind, SOURCE_XY_FILE);
            ASSERT_EQ(doc.Game().Members().size(), 2u);
            EXPECT_EQ(doc.Game().Members()[0]->LastName(), "Ann");
            EXPECT_EQ(doc.Game().Members()[1]->IdealPoint(), CFPoint(3, 4));
        }
    }
    EXPECT_TRUE(platform.MessageTexts().empty());
}
