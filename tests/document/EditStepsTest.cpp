#include "document/EditSteps.h"

#include "EditChanges.h"

#include "database/DatabaseSource.h"
#include "document/Commands.h"
#include "document/DocumentDialogs.h"
#include "document/FileCommands.h"
#include "document/ModelCommands.h"
#include "document/MonteCarloSession.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "platform/HeadlessPlatform.h"
#include "views/InputForm.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>

namespace {

using edit_changes::kChanges;
using edit_changes::SChange;

std::string Example(const std::string& name) {
    return std::string(QUELTA_EXAMPLES) + "/" + name;
}

/// The triangle example, read as a user opens it.
class EditStepsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenScenarioPath(doc, Example("triangle.txt")));
        platform.Clear();
    }

    /// What a save writes, with the zoom a save does not carry.
    std::string Saved() const { return ScenarioText(doc) + "zoom " + std::to_string(doc.Zoom()); }

    std::string Write(const std::string& name, const std::string& text) const {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
    QTemporaryDir dir;
};

} // namespace

TEST_F(EditStepsTest, EveryKindOfChangeIsOneStepThatUndoAndRedoRestoreByteForByte) {
    for (const SChange& change : kChanges) {
        SCOPED_TRACE(change.step);
        ASSERT_TRUE(OpenScenarioPath(doc, Example("triangle.txt")));
        const std::string before = Saved();
        change.make(doc, platform);
        const std::string after = Saved();
        ASSERT_NE(after, before) << "the change shows in the scenario";
        EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{change.step});
        EXPECT_TRUE(doc.IsModified());

        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Saved(), before);
        EXPECT_FALSE(doc.IsModified()) << "back at the state that was read";
        EXPECT_EQ(doc.Title(), Example("triangle.txt")) << "undo keeps the document's file";

        ASSERT_TRUE(RedoEdit(doc));
        EXPECT_EQ(Saved(), after);
        EXPECT_TRUE(doc.IsModified());
        EXPECT_FALSE(RedoEdit(doc));
    }
}

TEST_F(EditStepsTest, ModifiedFollowsTheSavedPositionAcrossSaveUndoAndRedo) {
    const std::string path = Write("saved.txt", "");
    doc.SetPathName(path);
    CInputForm form(doc);
    form.EditFraction(0.6);
    form.EditFraction(0.7);
    ASSERT_EQ(doc.History().Position(), 2u);
    ASSERT_TRUE(WriteScenarioFile(doc));
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_TRUE(doc.IsModified()) << "one step before the save";
    ASSERT_TRUE(RedoEdit(doc));
    EXPECT_FALSE(doc.IsModified()) << "at the save again";

    ASSERT_TRUE(UndoEdit(doc));
    form.EditFraction(0.9);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.History().CanRedo()) << "a new step drops what could be redone";
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_TRUE(doc.IsModified()) << "the saved state can no longer be reached";

    // A command that leaves the scenario as it was records nothing.
    const size_t steps = doc.History().Position();
    RunCommand(doc, ECommandId::ProjectionLine);
    EXPECT_EQ(doc.History().Position(), steps);
}

/// A generator whose result takes the place of the scenario, run as the menu runs it; the
/// Monte Carlo dialog keeps its settings in the file named.
struct SGenerator {
    const char* step;
    std::function<void(CQueltaDoc&, CRecordingPlatform&, const std::string&)> make;
};

const SGenerator kGenerators[] = {
    {"Regular Polygon",
     [](CQueltaDoc& d, CRecordingPlatform& p, const std::string&) {
         SRegularPolygonSettings polygon;
         polygon.members = 7;
         p.QueueDialogAnswer<SRegularPolygonSettings>(polygon);
         RunCommand(d, ECommandId::NewRegularPolygon);
     }},
    {"Monte Carlo",
     [](CQueltaDoc& d, CRecordingPlatform& p, const std::string& settingsPath) {
         SMonteCarloSettings settings;
         settings.members = 9;
         settings.seed = 5;
         using EKind = SMonteCarloAction::EKind;
         p.QueueDialogAnswer<SMonteCarloButtons>(
             SMonteCarloButtons{{{EKind::Edit, settings}, {EKind::Run, {}}, {EKind::Ok, {}}}});
         NewMonteCarloCommand(d, settingsPath);
     }},
};

TEST_F(EditStepsTest, AGeneratedScenarioIsOneStepBackToTheScenarioAndFileBeforeIt) {
    const std::string settingsPath = dir.filePath("montecarlo.txt").toStdString();
    for (const SGenerator& generator : kGenerators) {
        SCOPED_TRACE(generator.step);
        ASSERT_TRUE(OpenScenarioPath(doc, Example("triangle.txt")));
        const std::string read = Saved();
        CInputForm(doc).EditFraction(0.6);
        const std::string edited = Saved();
        platform.QueueAnswer(EMsgAnswer::No); // the close prompt: keep the change unsaved
        generator.make(doc, platform, settingsPath);
        const std::string generated = Saved();
        ASSERT_NE(generated, edited);
        EXPECT_EQ(doc.History().StepNames(),
                  (std::vector<std::string>{"Decision Rule", generator.step}));
        EXPECT_TRUE(doc.IsModified());
        const int kind = doc.Header().sourceKind;
        EXPECT_NE(kind, SOURCE_STANDARD_FILE);

        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Saved(), edited);
        EXPECT_EQ(doc.Title(), Example("triangle.txt")) << "the file before comes back";
        EXPECT_EQ(doc.Header().dataSource, Example("triangle.txt"));
        EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
        EXPECT_TRUE(doc.IsModified()) << "the change before is still unsaved";
        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Saved(), read);
        EXPECT_FALSE(doc.IsModified());

        ASSERT_TRUE(RedoEdit(doc));
        ASSERT_TRUE(RedoEdit(doc));
        EXPECT_EQ(Saved(), generated);
        EXPECT_EQ(doc.Header().sourceKind, kind);
        EXPECT_EQ(doc.Title(), "*");
        EXPECT_TRUE(doc.IsModified());

        // An edit of the generated scenario is a step of its own.
        CInputForm(doc).EditFraction(0.8);
        EXPECT_EQ(doc.History().UndoName(), "Decision Rule");
        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Saved(), generated);
    }
}

TEST_F(EditStepsTest, TheBlankScenarioAMonteCarloCancelLeavesIsUndoneToTheScenarioBefore) {
    const std::string read = Saved();
    using EKind = SMonteCarloAction::EKind;
    platform.QueueDialogAnswer<SMonteCarloButtons>(SMonteCarloButtons{{{EKind::Cancel, {}}}});
    EXPECT_FALSE(NewMonteCarloCommand(doc, dir.filePath("montecarlo.txt").toStdString()));
    ASSERT_EQ(doc.Header().sourceKind, SOURCE_NONE);
    EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{"Monte Carlo"});
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(Saved(), read);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditStepsTest, AGeneratedScenarioSavedToAFileComesBackToThatFileOnRedo) {
    SRegularPolygonSettings polygon;
    platform.QueueDialogAnswer<SRegularPolygonSettings>(polygon);
    ASSERT_TRUE(RunCommand(doc, ECommandId::NewRegularPolygon));
    const std::string path = dir.filePath("polygon.txt").toStdString();
    platform.QueueFileName(path);
    ASSERT_TRUE(RunCommand(doc, ECommandId::SaveScenario));
    ASSERT_FALSE(doc.IsModified());
    const std::string saved = Saved();

    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(doc.Title(), Example("triangle.txt"));
    EXPECT_FALSE(doc.IsModified()) << "its own file still holds the scenario before";
    ASSERT_TRUE(RedoEdit(doc));
    EXPECT_EQ(Saved(), saved);
    EXPECT_EQ(doc.Title(), path) << "the save moved the generated scenario to its file";
    EXPECT_FALSE(doc.IsModified()) << "as saved";
}

TEST_F(EditStepsTest, AGeneratedScenarioSavedOverTheFileBeforeLeavesThatScenarioUnsaved) {
    const std::string path = Write("copy.txt", ScenarioText(doc));
    ASSERT_TRUE(OpenScenarioPath(doc, path));
    SRegularPolygonSettings polygon;
    platform.QueueDialogAnswer<SRegularPolygonSettings>(polygon);
    ASSERT_TRUE(RunCommand(doc, ECommandId::NewRegularPolygon));
    platform.QueueFileName(path);
    platform.QueueAnswer(EMsgAnswer::Yes); // replace the file
    ASSERT_TRUE(RunCommand(doc, ECommandId::SaveScenario));
    ASSERT_FALSE(doc.IsModified());
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_TRUE(doc.IsModified()) << "the file now holds the generated scenario";
    ASSERT_TRUE(RedoEdit(doc));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditStepsTest, ANewWhiteboardOrBargainStartsAFreshHistoryWhoseEditsAreSteps) {
    CInputForm(doc).EditFraction(0.6);
    platform.QueueAnswer(EMsgAnswer::No);
    ASSERT_TRUE(RunCommand(doc, ECommandId::NewBargain));
    EXPECT_FALSE(doc.History().CanUndo()) << "the scenario before is gone, with its steps";
    EXPECT_FALSE(doc.IsModified());
    const std::string bargain = Saved();
    CInputForm(doc).EditFraction(0.7);
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(Saved(), bargain);
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(RunCommand(doc, ECommandId::NewWhiteboard));
    EXPECT_FALSE(doc.History().CanUndo());
    const std::string blank = Saved();
    doc.CreateMember("XX1", "XX1", CFPoint(20, 30), 3);
    doc.RefreshAndModify();
    CommitEdit(doc, "Create Member");
    ASSERT_TRUE(UndoEdit(doc)) << "an edit of a new whiteboard is a step";
    EXPECT_EQ(Saved(), blank);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_WHITEBOARD);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(EditStepsTest, AScenarioGeneratedAfterCloseStartsAFreshHistoryOfItsOwn) {
    ASSERT_TRUE(RunCommand(doc, ECommandId::Close));
    SRegularPolygonSettings polygon;
    polygon.members = 7;
    platform.QueueDialogAnswer<SRegularPolygonSettings>(polygon);
    ASSERT_TRUE(RunCommand(doc, ECommandId::NewRegularPolygon));
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 7u);
    EXPECT_FALSE(doc.History().CanUndo()) << "no scenario to go back to";
    EXPECT_TRUE(doc.IsModified()) << "a generated scenario was never saved";
    const std::string generated = Saved();

    CInputForm(doc).EditFraction(0.75);
    EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{"Decision Rule"});
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(Saved(), generated);
    EXPECT_TRUE(doc.IsModified()) << "still never saved";
}

TEST_F(EditStepsTest, AStepCannotBeTakenWhileADragIsUnderWay) {
    BeginEditGroup(doc);
    CInputForm(doc).EditFraction(0.6);
    EXPECT_FALSE(UndoEdit(doc));
    EXPECT_TRUE(doc.History().StepNames().empty()) << "recorded when the drag ends";
    EndEditGroup(doc, "Move Member");
    EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{"Move Member"});
}

TEST_F(EditStepsTest, FailedOpensLeaveTheScenarioItsTitleAndItsHistoryAsTheyWere) {
    CInputForm(doc).EditFraction(0.6);
    const std::string before = Saved();
    const std::string title = doc.Title();
    const std::vector<std::string> steps = doc.History().StepNames();
    const auto unchanged = [&](const char* what) {
        SCOPED_TRACE(what);
        EXPECT_EQ(Saved(), before);
        EXPECT_EQ(doc.Title(), title);
        EXPECT_EQ(doc.Header().dataSource, title);
        EXPECT_EQ(doc.History().StepNames(), steps);
        EXPECT_TRUE(doc.IsModified()) << "the unsaved change is still unsaved";
    };

    EXPECT_FALSE(OpenScenarioPath(
        doc, Write("letter.txt", "Dear committee,\nplease vote on the motion before Thursday.\n")));
    unchanged("a plain letter");
    ASSERT_EQ(platform.Messages().size(), 1u);
    const std::string letter = platform.Messages().back().text;
    EXPECT_NE(letter.find("letter.txt"), std::string::npos) << letter;
    EXPECT_NE(letter.find("line 1 holds 'committee' where a number goes"), std::string::npos)
        << letter;

    EXPECT_FALSE(OpenXYPath(doc, Write("points.txt", "A 1 2\nB 3 4 5 6 7\n")));
    unchanged("an XY file with a line of five entries");

    const std::string missing = dir.filePath("gone.txt").toStdString();
    EXPECT_FALSE(OpenScenarioPath(doc, missing));
    unchanged("a missing file");
    const std::string gone = platform.Messages().back().text;
    EXPECT_EQ(gone.rfind("ERROR: CQueltaDoc::OpenFile()\n\nThe file was not found:\n" + missing, 0),
              0u)
        << gone;
    EXPECT_EQ(gone.find("Please record"), std::string::npos) << "a user's error, not a failure";
    EXPECT_EQ(platform.Messages().back().buttons, EMsgButtons::Ok) << "no Cancel that quits";

    EXPECT_FALSE(OpenScenarioPath(doc, dir.path().toStdString()));
    unchanged("a folder");
    EXPECT_NE(platform.Messages().back().text.find("could not be read"), std::string::npos);

    EXPECT_FALSE(OpenDatabase(doc, Write("tableless.sqlite", "")));
    unchanged("a database without its tables");
    const std::string database = platform.Messages().back().text;
    EXPECT_EQ(database.find("Please record"), std::string::npos) << database;
    EXPECT_NE(database.find("tableless.sqlite"), std::string::npos) << database;
}

TEST_F(EditStepsTest, AnUnchangedScenarioClosesWithoutAskingAndTheSavePromptNamesTheFile) {
    EXPECT_EQ(ClosePrompt(doc), 1);
    EXPECT_TRUE(platform.Messages().empty());

    CInputForm(doc).EditFraction(0.6);
    platform.QueueAnswer(EMsgAnswer::Cancel);
    EXPECT_EQ(ClosePrompt(doc), 0);
    EXPECT_EQ(platform.Messages().back().text, "Do you want to save changes to triangle.txt?");
}
