#include "import/ImportCommand.h"

#include "document/Commands.h"
#include "document/EditSteps.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "model/Member.h"
#include "platform/ErrorText.h"
#include "platform/HeadlessPlatform.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

const std::string kSample = QUELTA_EXAMPLES "/import/members-sample.csv";

/// A recording platform that notes the settings the "Import" dialog opens with.
class CImportPlatform : public CRecordingPlatform {
public:
    void Ask(CDialogQuestion& question) override {
        if (const auto* import = dynamic_cast<CImportQuestion*>(&question))
            initial = import->Initial();
        CRecordingPlatform::Ask(question);
    }
    std::optional<SImportSource> initial;
};

/// "Import..." run as the desktop runs it, through the command table, with the dialog's
/// answers scripted: the flow, its messages and its effect on the document and its history.
class ImportScenarioCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetFrontEndCommand(ECommandId::ImportFile, ImportScenarioCommand);
        doc.SetConfigPath("");
        CreateDocument(doc, "");
        platform.Clear();
    }
    void TearDown() override { SetFrontEndCommand(ECommandId::ImportFile, nullptr); }

    /// Runs the command with the dialog answering `source` (nothing: Cancel).
    void Import(std::optional<SImportSource> source) {
        platform.QueueDialogAnswer(std::move(source));
        ASSERT_TRUE(RunCommand(doc, ECommandId::ImportFile));
    }
    static SImportSource RollCall(int congress, const std::string& chamber) {
        SImportSource source;
        source.file = kSample;
        source.rollCallOptions = {congress, chamber, false};
        return source;
    }
    std::vector<std::string> MemberIds() const {
        std::vector<std::string> ids;
        for (const CMember* member : doc.Game().Members())
            ids.push_back(member->MemberID());
        return ids;
    }

    CImportPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    QTemporaryDir dir;
};

TEST_F(ImportScenarioCommandTest, TheChosenCongressBecomesANewUntitledScenario) {
    Import(RollCall(110, "House"));
    EXPECT_EQ(platform.DialogQuestions(), std::vector<std::string>{"Import"});
    EXPECT_EQ(MemberIds(), (std::vector<std::string>{"90001", "90002", "90003", "90004", "90005"}));
    EXPECT_EQ(doc.Game().Members()[0]->LastName(), "ARBELLO");
    EXPECT_DOUBLE_EQ(doc.Game().Members()[0]->IdealPoint().x, -0.412);
    EXPECT_EQ(doc.Header().scenarioName, "House, Congress 110 (NOMINATE scores)");
    EXPECT_EQ(doc.Title(), doc.Header().scenarioName) << "named as a generated scenario";
    EXPECT_TRUE(doc.IsModified()) << "nothing is saved yet";
    EXPECT_EQ(platform.MessageTexts(),
              std::vector<std::string>{kSample + ": left out 1 row without scores (line 8)"});

    // The import is where the history starts: nothing to undo, and the next edit is undone
    // back to the imported scenario.
    EXPECT_FALSE(doc.History().CanUndo());
    const std::string imported = ScenarioText(doc);
    doc.SetStatusQuo({0.25, -0.5});
    CommitEdit(doc, "Move");
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(ScenarioText(doc), imported);
    EXPECT_FALSE(doc.History().CanUndo());
    EXPECT_TRUE(doc.IsModified()) << "the imported scenario is still not saved";
}

TEST_F(ImportScenarioCommandTest, NoNewItemIsCheckedAndSaveAsksForAName) {
    Import(RollCall(110, "House"));
    for (ECommandId item :
         {ECommandId::NewWhiteboard, ECommandId::NewMonteCarlo, ECommandId::NewRegularPolygon,
          ECommandId::NewBargain, ECommandId::OpenFile, ECommandId::OpenDatabase})
        EXPECT_FALSE(IsCommandChecked(doc, item)) << "no File item made the imported scenario";
    EXPECT_TRUE(IsCommandEnabled(doc, ECommandId::SaveScenario));

    const std::string target = dir.filePath("house").toStdString();
    platform.QueueFileName(target);
    ASSERT_TRUE(RunCommand(doc, ECommandId::SaveScenario));
    EXPECT_EQ(doc.Header().dataSource, target + ".txt") << "Save asks for the file's name";
    EXPECT_FALSE(doc.IsModified());
    CQueltaDoc saved;
    saved.SetConfigPath("");
    ASSERT_TRUE(ReadScenarioFile(saved, target + ".txt"));
    EXPECT_EQ(saved.Game().Members().size(), 5u);
}

TEST_F(ImportScenarioCommandTest, TheScenarioIsTheOneTheCommandLineWrites) {
    SImportRequest request;
    static_cast<SImportSource&>(request) = RollCall(110, "Senate");
    request.scenarioFile = dir.filePath("senate.txt").toStdString();
    ASSERT_TRUE(RunImport(request).ok);
    CQueltaDoc written;
    written.SetConfigPath("");
    ASSERT_TRUE(ReadScenarioFile(written, request.scenarioFile));
    Import(RollCall(110, "Senate"));
    written.SetPathName(doc.PathName());
    written.Header().sourceKind = doc.Header().sourceKind;
    EXPECT_EQ(ScenarioText(doc), ScenarioText(written));
    EXPECT_TRUE(platform.MessageTexts().empty()) << "every senator has scores";
}

TEST_F(ImportScenarioCommandTest, ATableOfTheUsersOwnIsReadByTheColumnsNamed) {
    const std::string table = dir.filePath("mine.csv").toStdString();
    std::ofstream(table) << "who,x,y\nAmes,10,20\nBell,30,5\n";
    SImportSource source;
    source.rollCall = false;
    source.file = table;
    source.csvColumns.h = "x";
    source.csvColumns.v = "y";
    source.csvColumns.name = "who";
    Import(source);
    EXPECT_EQ(MemberIds(), (std::vector<std::string>{"M1", "M2"}));
    EXPECT_EQ(doc.Header().scenarioName, "mine");
    EXPECT_DOUBLE_EQ(doc.Game().Members()[1]->IdealPoint().y, 5);
}

TEST_F(ImportScenarioCommandTest, WhatCannotBeImportedLeavesTheScenarioAsItWas) {
    const std::string before = ScenarioText(doc);
    const std::string broken = dir.filePath("broken.csv").toStdString();
    std::ofstream(broken) << "congress,chamber\n110,House\n";
    SImportSource missing = RollCall(110, "House");
    missing.file = dir.filePath("nothing.csv").toStdString();
    SImportSource noColumns = RollCall(110, "House");
    noColumns.file = broken;
    const struct {
        const char* name;
        std::optional<SImportSource> answer;
        std::string code;
        std::string messageStart;
    } cases[] = {
        {"cancelled", std::nullopt, "", ""},
        {"no Congress", RollCall(0, "House"), "IMPORT",
         "\"Congress\" must be a whole number, 1 or more."},
        {"no chamber", RollCall(110, "Hause"), "IMPORT", "\"Chamber\" must be House or Senate."},
        {"a file that is not there", missing, "IMPORT",
         "The file could not be imported:\n" + missing.file + ": "},
        {"no member of that Congress", RollCall(90, "House"), "IMPORT",
         "The file could not be imported:\n" + kSample + ": "},
        {"not a member file", noColumns, "IMPORT",
         "The file could not be imported:\n" + broken + ": "},
    };
    for (const auto& c : cases) {
        platform.Clear();
        Import(c.answer);
        EXPECT_EQ(ScenarioText(doc), before) << c.name;
        EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD) << c.name;
        if (c.code.empty()) {
            EXPECT_TRUE(platform.MessageTexts().empty()) << c.name;
            continue;
        }
        ASSERT_EQ(platform.MessageTexts().size(), 1u) << c.name;
        const std::optional<SErrorTextParts> error = SplitErrorText(platform.MessageTexts()[0]);
        ASSERT_TRUE(error) << c.name << ": a user's error";
        EXPECT_FALSE(error->internal) << c.name;
        EXPECT_EQ(error->code, c.code) << c.name;
        EXPECT_EQ(error->message.rfind(c.messageStart, 0), 0u) << c.name << ": " << error->message;
        EXPECT_FALSE(error->advice.empty()) << c.name;
    }
}

TEST_F(ImportScenarioCommandTest, TheClosePromptComesFirstAndTheDialogKeepsTheLastSettings) {
    doc.SetStatusQuo({20, 30});
    doc.SetModifiedFlag(true);
    platform.QueueAnswer(EMsgAnswer::Cancel);
    ASSERT_TRUE(RunCommand(doc, ECommandId::ImportFile));
    EXPECT_TRUE(platform.DialogQuestions().empty()) << "Cancel on the save question stops it";
    platform.QueueAnswer(EMsgAnswer::No);
    Import(RollCall(111, "House"));
    EXPECT_EQ(MemberIds(), (std::vector<std::string>{"90001", "90002", "90007"}));
    platform.QueueAnswer(EMsgAnswer::No);
    Import(std::nullopt);
    ASSERT_TRUE(platform.initial);
    EXPECT_EQ(platform.initial->file, kSample) << "and opens again on the last import";
    EXPECT_EQ(platform.initial->rollCallOptions.congress, 111);
}

} // namespace
