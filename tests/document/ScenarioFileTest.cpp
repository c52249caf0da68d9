#include "document/ScenarioFile.h"
#include "FileSizeLimit.h"
#include "document/QueltaDoc.h"
#include "document/TextLines.h"
#include "platform/ErrorText.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <fstream>

namespace {

const char* const kHeader = "GAME PARAMETERS BEGIN\n"
                            "Scenario\tTest\n"
                            "Group\tCommittee\tC1\n"
                            "Dimension\tOne\tD1\t0\t100\n"
                            "Dimension\tTwo\tD2\t0\t100\n"
                            "Decision Rule\treserved\t0.5\n"
                            "Plurality\tAbsolute\t1\n"
                            "Status Quo\treserved\treserved\t40\t45\n"
                            "Proposal\treserved\treserved\t60\t55\n";

/// The user's error box of a file neither format reads, up to the items not found.
std::string BothFailed(const std::string& path, const std::string& xyFault) {
    return "ERROR: CQueltaDoc::OpenFile()\n\nThe file format was not recognized:\n" + path +
           "\n\nQuelta tried to read the file under both XY and standard formats."
           "\nFailure Mode for XY format: " +
           xyFault + "\nFailure Mode for Standard format: these items were not found:\n";
}

/// As above, for a line of the wrong number of entries.
std::string BothFailed(const std::string& path, int xyLine) {
    return BothFailed(path, "line " + std::to_string(xyLine) + " does not hold 2 to 4 entries.");
}

const char* const kFormatAdvice =
    "\n\nOpen a scenario file saved by Quelta, or an XY file of lines holding a name, a "
    "horizontal and a vertical position and, if wanted, a vote weight.";

class ScenarioFileTest : public ::testing::Test {
protected:
    std::string Write(const std::string& name, const std::string& content) {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string Read(const std::string& path) {
        std::string text, cause;
        EXPECT_TRUE(ReadTextFile(path, text, cause)) << cause;
        return text;
    }
    bool Load(const std::string& content) { return ReadScenarioFile(doc, Write("s.txt", content)); }
    const std::vector<CMember*>& Members() { return doc.Game().Members(); }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

} // namespace

TEST_F(ScenarioFileTest, StandardFileLoadsWithKeywordsInAnyCase) {
    ASSERT_TRUE(Load(std::string("game parameters begin\n") + (kHeader + 22) +
                     "PLAYER\tAdams\tA1\t10\t20\t2\t1\t0\n"
                     "player\tBaker\tB1\t30\t40\t1\t0\t1\n"
                     "POINT\t5\t6\nrectangle\t30\t40\t10\t20\n"
                     "Game Parameters End\n"));
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
    EXPECT_EQ(doc.Header().scenarioName, "Test");
    EXPECT_EQ(doc.Header().committeeLabel, "C1");
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(40, 45));
    EXPECT_EQ(doc.Game().Proposal(), CFPoint(60, 55));
    ASSERT_EQ(Members().size(), 2u);
    EXPECT_EQ(Members()[0]->IdealPoint(), CFPoint(10, 20));
    EXPECT_EQ(Members()[0]->VoteWeight(), 2.0);
    EXPECT_EQ(Members()[0]->Veto(), 1);
    EXPECT_EQ(Members()[1]->Candidate(), 1);
    EXPECT_EQ(Members()[0]->Preference(), PreferenceSpec()) << "eight fields: record defaults";
    EXPECT_EQ(doc.Header().markRects.at(0), (SMarkRect{10, 20, 30, 40})) << "corners sorted";
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ScenarioFileTest, PreferenceColumnsOnlyCountWithTheLastColumnPresent) {
    std::string player = "Player\tAdams\tA1\t10\t20\t1\t0\t0\t2\t5";
    for (int column = 10; column < 30; ++column)
        player += column == 10 ? "\t0.5" : "\t";
    ASSERT_TRUE(Load(kHeader + player + "\t0.25\nGAME PARAMETERS END\n"));
    const PreferenceSpec& spec = Members()[0]->Preference();
    EXPECT_EQ(spec.modelType, 2);
    EXPECT_EQ(spec.prefType, 5);
    EXPECT_EQ(spec.salience, 0.5);
    EXPECT_EQ(spec.statusQuo.beta, 0.25);
    EXPECT_EQ(spec.discount, 1.0) << "empty column keeps its default";
    EXPECT_EQ(spec.idealPoint.type, 3);
}

TEST_F(ScenarioFileTest, OnlyTheFirstOfEachOnceKeywordCountsAndRulesAreClamped) {
    ASSERT_TRUE(Load(std::string(kHeader) +
                     "Dimension\tThree\tD3\t0\t10\nGroup\tOther\tC2\nScenario\tLater\n"
                     "Decision Rule\treserved\t0.9\nStatus Quo\treserved\treserved\t1\t1\n"
                     "Player\tAdams\tA1\t10\t20\t1\t0\t0\nGAME PARAMETERS END\n"));
    EXPECT_EQ(doc.Header().scales.size(), 2u);
    EXPECT_EQ(doc.Header().upperHouse.committees.size(), 1u);
    EXPECT_EQ(doc.Header().scenarioName, "Test");
    EXPECT_EQ(doc.Game().VoteRule(), 0.5);
    EXPECT_EQ(doc.Game().StatusQuo(), CFPoint(40, 45));
    std::string high = kHeader;
    high.replace(high.find("0.5\n"), 3, "1.5");
    ASSERT_TRUE(Load(high + "Player\tA\tA\t1\t1\t1\t0\t0\n"));
    EXPECT_EQ(doc.Game().VoteRule(), 1.0);
    EXPECT_EQ(Members().size(), 1u) << "a file without its END line still hands over members";
}

TEST_F(ScenarioFileTest, MissingItemsAndEarlyPlayersAreReported) {
    EXPECT_FALSE(Load("GAME PARAMETERS BEGIN\nScenario\tX\nGroup\tG\tG1\n"
                      "Player\tAdams\tA1\t10\t20\t1\t0\t0\n"
                      "Dimension\tOne\tD1\t0\t100\nDimension\tTwo\tD2\t0\t100\n"
                      "GAME PARAMETERS END\n"));
    ASSERT_EQ(platform.Messages().size(), 1u);
    EXPECT_EQ(platform.Messages()[0].text,
              BothFailed(dir.filePath("s.txt").toStdString(),
                         "line 1 holds 'PARAMETERS' where a number goes.") +
                  "\nDecision Rule\nAbsolute Plurality Flag\nStatus Quo\nProposal\nPlayer"
                  "\nPlayers must be the last set of entries in GAME PARAMETERS" +
                  kFormatAdvice);
    EXPECT_EQ(platform.Messages()[0].buttons, EMsgButtons::Ok);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
}

TEST_F(ScenarioFileTest, PluralityIsNotRequired) {
    std::string text = kHeader;
    text.erase(text.find("Plurality"), std::string("Plurality\tAbsolute\t1\n").size());
    ASSERT_TRUE(Load(text + "Player\tA\tA\t1\t1\t1\t0\t0\nGAME PARAMETERS END\n"));
    EXPECT_EQ(doc.Game().AbsolutePlurality(), 1);
}

TEST_F(ScenarioFileTest, WriterRoundTripsAndKeepsOwnWeights) {
    ASSERT_TRUE(Load(std::string(kHeader) +
                     "Player\tAdams\tA1\t10\t20\t3\t0\t0\nPlayer\tBaker\tB1\t30\t40\t2\t1\t1\n"
                     "Point\t1.5\t2.5\nRectangle\t10\t20\t30\t40\nGAME PARAMETERS END\n"
                     "DISPLAY FLAGS BEGIN\nflagWinSet\t1\nflagUncoveredSet\t1\n"
                     "DISPLAY FLAGS END\n"));
    EXPECT_EQ(doc.Config().flagWinSet, 1) << "the file's configuration block applies";
    doc.SetMemberPreference("A1", 7);
    const std::string text = ScenarioText(doc);
    EXPECT_NE(text.find("Player\tAdams\tA1\t10.000000\t20.000000\t3.000000\t"), std::string::npos)
        << "the member's own weight is written, not its effective vote";
    EXPECT_NE(text.find("\nRectangle\t10.000000\t20.000000\t30.000000\t40.000000\n"),
              std::string::npos);
    doc.SetPathName(dir.filePath("copy.txt").toStdString());
    ASSERT_TRUE(WriteScenarioFile(doc));
    EXPECT_FALSE(doc.IsModified());
    CQueltaDoc copy;
    ASSERT_TRUE(ReadScenarioFile(copy, doc.Header().dataSource));
    EXPECT_EQ(copy.Config().flagUncoveredSet, 1);
    EXPECT_EQ(copy.Game().Members()[0]->VoteWeight(), 3.0);
    EXPECT_EQ(copy.Game().Members()[0]->PrefType(), 7);
    EXPECT_EQ(copy.Header().markPoints, doc.Header().markPoints);
    copy.SetPathName(doc.Header().dataSource);
    EXPECT_EQ(ScenarioText(copy), text);
}

TEST_F(ScenarioFileTest, OpenAndSaveFailuresNameTheirCause) {
    const std::string missing = dir.filePath("missing.txt").toStdString();
    EXPECT_FALSE(ReadScenarioFile(doc, missing));
    EXPECT_FALSE(ReadScenarioFile(doc, dir.path().toStdString()));
    doc.SetPathName(dir.filePath("no/such/dir/out.txt").toStdString());
    EXPECT_FALSE(WriteScenarioFile(doc));
    const std::vector<std::string> texts = platform.MessageTexts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0],
              UserErrorText("CQueltaDoc::OpenFile()", "The file was not found:\n" + missing,
                            "Check the file's name and folder, then open it again."));
    EXPECT_NE(texts[1].find("\n\nThe file could not be accessed.\n"), std::string::npos);
    EXPECT_EQ(texts[1].find("Please record"), std::string::npos) << "a user's error";
    EXPECT_EQ(texts[2],
              ErrorBoxText("SaveFile", "file exception: saving file " +
                                           dir.filePath("no/such/dir/out.txt").toStdString() +
                                           "\n\nFile not found"));
}

TEST_F(ScenarioFileTest, FailedWriteLeavesTheOldFileIntact) {
    const std::string path = Write("keep.txt", "old contents\n");
    ASSERT_TRUE(Load(std::string(kHeader) + "Player\tA\tA\t1\t1\t1\t0\t0\n"));
    doc.SetPathName(path);
    // A file-size limit makes the write fail halfway, as a full disk would.
    {
        const CFileSizeLimit limit(64);
        EXPECT_FALSE(WriteScenarioFile(doc));
    }
    EXPECT_EQ(Read(path), "old contents\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
    EXPECT_EQ(
        platform.MessageTexts().back(),
        ErrorBoxText("SaveFile", "file exception: saving file " + path + "\n\nThe disk is full."));
}

TEST_F(ScenarioFileTest, XYFilesLoadWithPowerOfTenRanges) {
    ASSERT_TRUE(Load("A 12.5   40\n\n B,3;7 \nC\t5\n"));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_XY_FILE);
    ASSERT_EQ(Members().size(), 3u);
    EXPECT_EQ(Members()[1]->Label(), "B");
    EXPECT_EQ(Members()[1]->MemberID(), "XX1");
    EXPECT_EQ(Members()[1]->IdealPoint(), CFPoint(3, 7));
    EXPECT_EQ(Members()[2]->IdealPoint(), CFPoint(5, 0));
    EXPECT_EQ(doc.Header().scales[0]->Scale_Max(), 100.0);
    ASSERT_TRUE(Load("A -50 350 2.5\nB 10 20\n"));
    EXPECT_EQ(doc.Header().scales[1]->Scale_Min(), -100.0);
    EXPECT_EQ(doc.Header().scales[1]->Scale_Max(), 1000.0);
    EXPECT_EQ(Members()[0]->VoteWeight(), 2.5);
    ASSERT_TRUE(Load(""));
    EXPECT_TRUE(Members().empty());
    EXPECT_EQ(doc.Header().scales[0]->Scale_Min(), 0.0);
    EXPECT_EQ(doc.Header().scales[0]->Scale_Max(), 100.0);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(ScenarioFileTest, BadXYLinesFailBothFormats) {
    const std::pair<const char*, int> cases[] = {
        {"A 1 2 3 4\n", 1}, {"Lonely\n", 1}, {"A 1 2\nB\n", 2}};
    for (const auto& [text, line] : cases) {
        platform.Clear();
        EXPECT_FALSE(Load(text)) << text;
        ASSERT_EQ(platform.Messages().size(), 1u) << text;
        EXPECT_EQ(platform.Messages()[0].text,
                  BothFailed(dir.filePath("s.txt").toStdString(), line) +
                      "\nGroup\nDimension\nDecision Rule\nAbsolute Plurality Flag\nStatus Quo"
                      "\nProposal\nPlayer" +
                      kFormatAdvice);
        EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    }
}

TEST_F(ScenarioFileTest, XYPositionsAndWeightsMustBeNumbers) {
    const struct {
        const char* text;
        const char* fault;
    } cases[] = {
        {"name x y\nA 1 2\nB 3 4\n", "line 1 holds 'x' where a number goes."},
        {"A 1 2\nB nan 3\n", "line 2 holds 'nan' where a number goes."},
        {"A 1 2\nB 1 1e999\n", "line 2 holds '1e999' where a number goes."},
        {"A 1 2 heavy\n", "line 1 holds 'heavy' where a number goes."},
        {"Smith D 0.3 0.5\n", "line 1 holds 'D' where a number goes."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        platform.Clear();
        EXPECT_FALSE(Load(c.text)) << "no member is put at 0 for a text";
        ASSERT_EQ(platform.Messages().size(), 1u);
        EXPECT_NE(platform.Messages()[0].text.find(std::string("\nFailure Mode for XY format: ") +
                                                   c.fault + "\nFailure Mode for Standard"),
                  std::string::npos)
            << platform.Messages()[0].text;
        EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    }
    // A number at the start is read as before, whatever follows it.
    ASSERT_TRUE(Load("A 12.5cm 40\nB -3e1 7 2kg\n"));
    ASSERT_EQ(Members().size(), 2u);
    EXPECT_EQ(Members()[0]->IdealPoint().x, 12.5);
    EXPECT_EQ(Members()[1]->IdealPoint().x, -30.0);
    EXPECT_EQ(Members()[1]->VoteWeight(), 2.0);
}

TEST_F(ScenarioFileTest, MalformedInputNeverCrashes) {
    std::string binary(4096, '\0');
    for (size_t i = 0; i < binary.size(); ++i)
        binary[i] = static_cast<char>((i * 7919) % 256);
    EXPECT_FALSE(Load(binary));
    std::string withNul = std::string(kHeader) + "Player\tA\0B\tA1\t1\t2\t1\t0\t0\n";
    withNul.insert(withNul.find("Player") + 8, 1, '\0');
    EXPECT_TRUE(Load(withNul));
    EXPECT_TRUE(Load(std::string(kHeader) + "Player\t" + std::string(1 << 20, 'x') +
                     "\tA1\tnan\t1e999\tabc\t0\t0\n"));
    EXPECT_EQ(Members()[0]->IdealPoint(), CFPoint(0, 0)) << "nan and 1e999 read as 0";
    EXPECT_TRUE(Load(std::string(kHeader) + "Player\tA\tA1\t1\t2\t1\t0\t0\t1\t2\t3\n" +
                     "Dimension\tThird\tD3\t5\t5\n"));
}

TEST_F(ScenarioFileTest, NumbersKeepAPointUnderACommaLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    const bool loaded =
        Load(std::string(kHeader) + "Player\tA\tA1\t12.5\t2.25\t1.5\t0\t0\nGAME PARAMETERS END\n");
    const std::string text = loaded ? ScenarioText(doc) : std::string();
    std::setlocale(LC_ALL, previous.c_str());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(Members()[0]->IdealPoint(), CFPoint(12.5, 2.25));
    EXPECT_EQ(Members()[0]->VoteWeight(), 1.5);
    EXPECT_NE(text.find("Player\tA\tA1\t12.500000\t2.250000\t1.500000\t"), std::string::npos);
    EXPECT_NE(text.find("Decision Rule\treserved\t0.500000\n"), std::string::npos);
}
