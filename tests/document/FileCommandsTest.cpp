#include "document/FileCommands.h"
#include "document/DatabaseHook.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "platform/HeadlessPlatform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string Example(const std::string& name) {
    return std::string(QUELTA_EXAMPLES) + "/" + name;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

/// A database source that records what it was asked to do.
class CFakeDatabase : public CDatabaseCommands {
public:
    bool OpenDatabase(CQueltaDoc&) override {
        ++opens;
        return true;
    }
    bool SaveToDatabase(CQueltaDoc& doc) override {
        ++saves;
        if (saveSucceeds)
            doc.SetModifiedFlag(false);
        return saveSucceeds;
    }
    int opens = 0;
    int saves = 0;
    bool saveSucceeds = true;
};

class FileCommandsTest : public ::testing::Test {
protected:
    /// A scenario of the source kind, modified or not; kinds without a generator of their own
    /// are a whiteboard relabelled.
    void MakeScenario(int kind, bool modified) {
        if (kind == SOURCE_STANDARD_FILE) {
            const std::string path = dir.filePath("scenario.txt").toStdString();
            ASSERT_TRUE(ReadScenarioFile(doc, Example("triangle.txt")));
            doc.SetPathName(path);
        } else if (kind == SOURCE_BARGAIN) {
            ASSERT_TRUE(NewBargain(doc));
        } else {
            ASSERT_TRUE(NewWhiteboard(doc));
        }
        doc.Header().sourceKind = kind;
        doc.SetModifiedFlag(modified);
        platform.Clear();
    }

    std::string TempPath(const std::string& name) const {
        return dir.filePath(QString::fromStdString(name)).toStdString();
    }

    QTemporaryDir dir;
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

} // namespace

TEST_F(FileCommandsTest, AnUnmodifiedScenarioClosesWithoutAQuestion) {
    MakeScenario(SOURCE_WHITEBOARD, false);
    EXPECT_EQ(ClosePrompt(doc), 1);
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_TRUE(CloseScenario(doc));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    EXPECT_TRUE(platform.Messages().empty());
}

TEST_F(FileCommandsTest, PromptOnAModifiedScenarioSavesByItsSourceKind) {
    CFakeDatabase database;
    SetDatabaseCommands(&database);
    struct SCase {
        int kind;
        EMsgAnswer answer;
        int expected;
        int fileQuestions;
        int databaseSaves;
    };
    const SCase cases[] = {
        {SOURCE_WHITEBOARD, EMsgAnswer::Cancel, 0, 0, 0},
        {SOURCE_WHITEBOARD, EMsgAnswer::No, 1, 0, 0},
        {SOURCE_WHITEBOARD, EMsgAnswer::Yes, 1, 1, 0},
        {SOURCE_MONTE_CARLO, EMsgAnswer::Yes, 1, 1, 0},
        {SOURCE_REGULAR_POLYGON, EMsgAnswer::Yes, 1, 1, 0},
        {SOURCE_IMPORTED, EMsgAnswer::Yes, 1, 1, 0},
        {SOURCE_STANDARD_FILE, EMsgAnswer::Yes, 1, 0, 0},
        {SOURCE_DATABASE, EMsgAnswer::Yes, 1, 0, 1},
        {SOURCE_BARGAIN, EMsgAnswer::Yes, 0, 0, 0},
        {SOURCE_XY_FILE, EMsgAnswer::Yes, 0, 0, 0},
    };
    int saved = 0;
    for (const SCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        MakeScenario(c.kind, true);
        const std::string target = TempPath("saved" + std::to_string(saved++));
        platform.QueueAnswer(c.answer);
        if (c.fileQuestions)
            platform.QueueFileName(target);
        const int databaseSaves = database.saves;
        EXPECT_EQ(ClosePrompt(doc), c.expected);
        EXPECT_EQ(platform.Messages().at(0).text.rfind("Do you want to save changes to ", 0), 0u);
        EXPECT_EQ(database.saves - databaseSaves, c.databaseSaves);
        if (c.fileQuestions) {
            EXPECT_TRUE(QFile::exists(QString::fromStdString(target + ".txt")));
            EXPECT_EQ(doc.Header().dataSource, target + ".txt");
        }
        if (c.kind == SOURCE_STANDARD_FILE) {
            EXPECT_FALSE(Contents(doc.Header().dataSource).empty()) << "written in place";
        }
        if (c.expected == 1 && c.answer == EMsgAnswer::Yes) {
            EXPECT_FALSE(doc.IsModified());
        }
    }
    database.saveSucceeds = false;
    MakeScenario(SOURCE_DATABASE, true);
    EXPECT_EQ(ClosePrompt(doc), 0) << "a failed save stops the close";
    SetDatabaseCommands(nullptr);
}

TEST_F(FileCommandsTest, YesForAnXYOrBargainScenarioNeitherSavesNorCloses) {
    for (int kind : {SOURCE_XY_FILE, SOURCE_BARGAIN}) {
        MakeScenario(kind, true);
        const std::string before = doc.Header().dataSource;
        EXPECT_FALSE(CloseScenario(doc));
        EXPECT_EQ(doc.Header().sourceKind, kind);
        EXPECT_EQ(doc.Header().dataSource, before);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(FileCommandsTest, SaveAsAppendsTxtOnlyWhenThePathHasNoDotAnywhere) {
    EXPECT_EQ(WithScenarioExtension("/tmp/study"), "/tmp/study.txt");
    EXPECT_EQ(WithScenarioExtension("/tmp/v1.2/study"), "/tmp/v1.2/study");
    EXPECT_EQ(WithScenarioExtension("study.dat"), "study.dat");

    ASSERT_TRUE(QDir(dir.path()).mkdir("run.1"));
    MakeScenario(SOURCE_WHITEBOARD, true);
    const std::string dotted = TempPath("run.1/study");
    platform.QueueFileName(dotted);
    EXPECT_TRUE(SaveScenarioAs(doc));
    EXPECT_EQ(doc.Header().dataSource, dotted);
    EXPECT_EQ(doc.PathName(), dotted);
    EXPECT_EQ(doc.Title(), dotted);
    EXPECT_NE(Contents(dotted).find("GAME PARAMETERS BEGIN"), std::string::npos);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(dotted + ".txt")));

    EXPECT_FALSE(SaveScenarioAs(doc)) << "a cancelled question saves nothing";
}

TEST_F(FileCommandsTest, ScriptSaveAsNamesTheScenarioAfterThePath) {
    MakeScenario(SOURCE_WHITEBOARD, true);
    const std::string path = TempPath("byscript");
    EXPECT_TRUE(SaveScenarioToPath(doc, path));
    EXPECT_EQ(doc.Header().dataSource, path + ".txt");
    EXPECT_EQ(doc.Header().scenarioName, path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(SaveScenarioToPath(doc, "")) << "no path, no file";
}

TEST_F(FileCommandsTest, AFailedSaveLeavesTheFileOnDiskUntouched) {
    MakeScenario(SOURCE_STANDARD_FILE, true);
    const std::string path = doc.Header().dataSource;
    {
        std::ofstream out(path, std::ios::binary);
        out << "the scenario as it was\n";
    }
    // A folder in the place of the folder the file lives in makes every write fail.
    const std::string blocked = TempPath("missing/inner/scenario.txt");
    doc.SetPathName(blocked);
    platform.QueueAnswer(EMsgAnswer::Ok);
    EXPECT_FALSE(SaveScenario(doc));
    EXPECT_TRUE(doc.IsModified()) << "a failed save is not reported as saved";
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_NE(platform.Messages().back().text.find("SaveFile"), std::string::npos);

    // A target that is a folder cannot be replaced; what was there stays.
    doc.SetPathName(dir.path().toStdString());
    platform.QueueAnswer(EMsgAnswer::Ok);
    EXPECT_FALSE(SaveScenario(doc));
    EXPECT_EQ(Contents(path), "the scenario as it was\n");
    EXPECT_TRUE(QDir(dir.path()).exists());
}

TEST_F(FileCommandsTest, OpenCommandsShowTheWaitCursorAndStatusTextsAndLeaveTheScenarioUnmodified) {
    platform.QueueFileName(Example("triangle.txt"));
    EXPECT_TRUE(OpenScenarioCommand(doc)) << "nothing loaded: no prompt";
    EXPECT_TRUE(platform.Messages().empty());
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_GE(platform.StatusTexts().size(), 2u);
    EXPECT_EQ(platform.StatusTexts().front().text, "Opening file...");
    EXPECT_EQ(platform.StatusTexts().back().text, " ");
    EXPECT_EQ(platform.WaitCursorDepth(), 0);

    platform.Clear();
    platform.QueueFileName(Example("points-xy.txt"));
    EXPECT_TRUE(OpenXYCommand(doc));
    EXPECT_TRUE(platform.MessageTexts().empty()) << "an unchanged scenario closes without asking";
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_XY_FILE);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(platform.StatusTexts().front().text, "Opening file...");
    EXPECT_EQ(platform.StatusTexts().back().text, " ");

    platform.Clear();
    EXPECT_FALSE(OpenXYPath(doc, Example("dice.bas")));
    EXPECT_TRUE(platform.Messages().empty()) << "a failed XY read shows no message";
    EXPECT_EQ(platform.WaitCursorDepth(), 0);
}

TEST_F(FileCommandsTest, DatabaseCommandsSayWhenNoSourceIsInstalled) {
    SetDatabaseCommands(nullptr);
    EXPECT_FALSE(OpenDatabaseCommand(doc));
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kNoDatabaseMessage});
    MakeScenario(SOURCE_DATABASE, true);
    EXPECT_FALSE(SaveScenario(doc));
    EXPECT_EQ(platform.MessageTexts(), std::vector<std::string>{kNoDatabaseMessage});
}

TEST_F(FileCommandsTest, NewScenarioCommandsPromptFirstAndExitForgetsChanges) {
    MakeScenario(SOURCE_WHITEBOARD, true);
    platform.QueueAnswer(EMsgAnswer::Cancel);
    EXPECT_FALSE(NewBargainCommand(doc));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);

    doc.SetModifiedFlag(false);
    platform.QueueDialogAnswer(std::optional(SRegularPolygonSettings{30.0, 6, "City Block"}));
    EXPECT_TRUE(NewRegularPolygonCommand(doc));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_REGULAR_POLYGON);
    EXPECT_EQ(doc.Game().Members().size(), 6u);

    platform.QueueAnswer(EMsgAnswer::Yes);
    EXPECT_FALSE(NewScenarioWithTitle(doc, "Study")) << "saving a polygon asks for a file name";
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_REGULAR_POLYGON);
    platform.QueueAnswer(EMsgAnswer::No);
    EXPECT_TRUE(NewScenarioWithTitle(doc, "Study"));
    EXPECT_EQ(doc.Header().scenarioName, "Study");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);

    doc.SetModifiedFlag(true);
    ExitCommand(doc);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(platform.WindowClosed());
}

TEST_F(FileCommandsTest, MonteCarloCommandDrawsTheConfirmedSettingsAndKeepsThem) {
    const std::string settingsPath = TempPath("queltamc.txt");
    EXPECT_FALSE(NewMonteCarloCommand(doc, settingsPath)) << "cancelled";
    EXPECT_EQ(doc.Header().scenarioName, "MonteCarlo");
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_NONE) << "only OK marks the scenario generated";

    SMonteCarloSettings settings;
    settings.members = 12;
    settings.seed = 7;
    platform.QueueDialogAnswer(std::optional(settings));
    EXPECT_TRUE(NewMonteCarloCommand(doc, settingsPath));
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_MONTE_CARLO);
    EXPECT_EQ(doc.Game().Members().size(), 12u);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(ReadMonteCarloSettings(settingsPath).members, 12);

    settings.members = -3;
    platform.QueueAnswer(EMsgAnswer::Yes);
    platform.QueueDialogAnswer(std::optional(settings));
    EXPECT_FALSE(NewMonteCarloCommand(doc, settingsPath)) << "settings out of range are refused";
    EXPECT_EQ(ReadMonteCarloSettings(settingsPath).members, 12);
}

TEST_F(FileCommandsTest, CreatingTheDocumentWritesTheDateLineAndStartsAWhiteboard) {
    const std::string log = TempPath("quelta.log");
    CreateDocument(doc, log);
    EXPECT_EQ(Contents(log), LogDateLine() + "\n");
    EXPECT_FALSE(doc.Log().IsLogging());
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);
    EXPECT_EQ(doc.Header().scenarioName, "Whiteboard");
}
