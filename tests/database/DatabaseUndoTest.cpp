#include "DatabaseFixture.h"

#include "database/StoredScenario.h"
#include "document/Commands.h"
#include "document/EditChanges.h"
#include "document/LegislatureCopy.h"
#include "document/MemberEditor.h"
#include "document/ScenarioFile.h"
#include "document/ScenarioGenerators.h"
#include "views/InputForm.h"

namespace {

using edit_changes::FirstMember;
using edit_changes::kChanges;
using edit_changes::SChange;

/// Everything a legislature's scenario holds: the text a save writes, the zoom and the state
/// of the legislature (both houses, every committee, ratings on every scale).
std::string Whole(const CQueltaDoc& doc) {
    return ScenarioText(doc) + "zoom " + std::to_string(doc.Zoom()) + LegislatureState(doc);
}

/// The index of a committee in the form's list of the house in use.
int ListIndex(CQueltaDoc& doc, const std::string& committeeId) {
    CInputForm form(doc);
    form.SetListMode(LIST_COMMITTEES);
    const std::vector<SFormListEntry> entries = form.ListEntries();
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].committee && entries[i].committee->CommitteeID() == committeeId)
            return static_cast<int>(i);
    return -1;
}

/// Changes only a legislature has: fields the text leaves out, members outside the group,
/// and the house, committee and scales in use.
const SChange kLegislatureChanges[] = {
    {"Edit Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         CMemberEditor editor(d);
         editor.ShowMember(&FirstMember(d));
         editor.SetFirstName("Augusta");
     }},
    {"Edit Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         // A rating on a scale that is not on an axis.
         CMemberEditor editor(d);
         editor.ShowMember(&FirstMember(d));
         editor.SetRatingValue("SOC", 12.5);
     }},
    {"Edit Member",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         CMemberEditor editor(d);
         editor.SelectHouse(HOUSE_LOWER);
         editor.SetMiddleName("Q.");
     }},
    {"Select Committee",
     [](CQueltaDoc& d, CRecordingPlatform&) {
         CInputForm form(d);
         form.SetListMode(LIST_COMMITTEES);
         form.ChooseListEntry(ListIndex(d, "U-FOR"));
     }},
    {"Horizontal Scale",
     [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).ChooseScale(true, 1); }},
    {"Lower House",
     [](CQueltaDoc& d, CRecordingPlatform&) { CInputForm(d).ChooseHouse(HOUSE_LOWER); }},
};

/// A private copy of the sample legislature with its "Tax reform" scenario open.
class DatabaseUndoTest : public DatabaseTest {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        connection = SampleCopy();
        OpenTaxReform();
    }
    /// Opens the database afresh, then its scenario.
    void OpenTaxReform() {
        ASSERT_TRUE(OpenDatabase(doc, connection));
        ASSERT_TRUE(OpenScenario(doc, "Tax reform"));
        ASSERT_EQ(doc.Header().sourceKind, SOURCE_DATABASE);
        ASSERT_FALSE(doc.History().CanUndo());
        platform.Clear();
    }

    /// What a stored-scenario save writes under `name`, row by row.
    std::string StoredRows(const std::string& name) {
        EXPECT_TRUE(SaveStoredScenario(doc, connection, name)) << Messages();
        CDatabaseConnection db(connection);
        std::string rows;
        QSqlQuery scenario = db.Run("SELECT \"CommitteeType\", \"Committee\", \"RatingH\", "
                                    "\"RatingV\", \"StatusQuoH\", \"StatusQuoV\", \"ProposalH\", "
                                    "\"ProposalV\", \"DecisionRule\", \"Absolute\" FROM "
                                    "\"Scenario\" WHERE \"Scenario\" = ?",
                                    {QString::fromStdString(name)});
        while (scenario.next())
            for (int i = 0; i < 10; ++i)
                rows += scenario.value(i).toString().toStdString() + " ";
        QSqlQuery members = db.Run("SELECT \"MemberID\", \"PreferenceType\", \"ValueH\", "
                                   "\"ValueV\" FROM \"Scenario_Member_Ratings\" WHERE "
                                   "\"Scenario\" = ? ORDER BY \"MemberID\"",
                                   {QString::fromStdString(name)});
        while (members.next())
            for (int i = 0; i < 4; ++i)
                rows += members.value(i).toString().toStdString() + " ";
        return rows;
    }

    CQueltaDoc doc;
    std::string connection;
};

} // namespace

TEST_F(DatabaseUndoTest, EveryKindOfChangeIsUndoneAndRedoneWithTheWholeLegislature) {
    std::vector<const SChange*> changes;
    for (const SChange& change : kChanges)
        changes.push_back(&change);
    for (const SChange& change : kLegislatureChanges)
        changes.push_back(&change);
    const std::string title = doc.Title();
    for (const SChange* change : changes) {
        SCOPED_TRACE(change->step);
        OpenTaxReform();
        const std::string stored = StoredRows("before");
        const std::string before = Whole(doc);
        change->make(doc, platform);
        const std::string after = Whole(doc);
        ASSERT_NE(after, before) << "the change shows in the legislature";
        EXPECT_EQ(doc.History().StepNames(), std::vector<std::string>{change->step});
        EXPECT_TRUE(doc.IsModified());

        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Whole(doc), before);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(doc.Title(), title) << "undo keeps the database";
        EXPECT_EQ(doc.Header().legislature.connection, connection);
        EXPECT_EQ(StoredRows("undone"), stored) << "a stored-scenario save writes the same rows";

        ASSERT_TRUE(RedoEdit(doc));
        EXPECT_EQ(Whole(doc), after);
        EXPECT_TRUE(doc.IsModified());
    }
}

TEST_F(DatabaseUndoTest, AChainOfChangesIsUndoneStepByStepAndRedoneToTheEnd) {
    std::vector<std::string> states = {Whole(doc)};
    for (const SChange& change : kChanges) {
        const size_t steps = doc.History().Position();
        change.make(doc, platform);
        if (doc.History().Position() > steps)
            states.push_back(Whole(doc));
    }
    ASSERT_GT(states.size(), 10u);
    for (size_t i = states.size() - 1; i > 0; --i) {
        ASSERT_TRUE(UndoEdit(doc));
        EXPECT_EQ(Whole(doc), states[i - 1]) << "undo number " << states.size() - i;
    }
    EXPECT_FALSE(doc.IsModified());
    while (RedoEdit(doc)) {
    }
    EXPECT_EQ(Whole(doc), states.back());
}

TEST_F(DatabaseUndoTest, AStepThatLeavesTheHousesAsTheyWereSharesTheirCopy) {
    const auto opened = doc.History().Current().legislature;
    ASSERT_NE(opened, nullptr);
    CInputForm(doc).EditFraction(0.75);
    const auto ruled = doc.History().Current().legislature;
    ASSERT_NE(ruled, opened) << "the rule is part of the step";
    EXPECT_TRUE(ruled->SharesHouses(*opened));
    CInputForm(doc).EditStatusQuo(CFPoint(20, 30));
    const auto moved = doc.History().Current().legislature;
    EXPECT_TRUE(moved->SharesHouses(*opened)) << "the status quo is the game's, not a member's";
    doc.SetMemberIdealPoint(FirstMember(doc).MemberID(), CFPoint(10, 10));
    CommitEdit(doc, "Move Member");
    EXPECT_FALSE(doc.History().Current().legislature->SharesHouses(*opened));
}

TEST_F(DatabaseUndoTest, AGeneratedScenarioIsUndoneBackToTheLegislatureAndItsDatabase) {
    const std::string before = Whole(doc);
    const std::string title = doc.Title();
    SRegularPolygonSettings polygon;
    polygon.members = 7;
    platform.QueueDialogAnswer<SRegularPolygonSettings>(polygon);
    ASSERT_TRUE(RunCommand(doc, ECommandId::NewRegularPolygon));
    ASSERT_NE(doc.Header().sourceKind, SOURCE_DATABASE);
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(Whole(doc), before);
    EXPECT_EQ(doc.Title(), title);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_DATABASE);
    EXPECT_FALSE(doc.IsModified());
    ASSERT_TRUE(RedoEdit(doc));
    EXPECT_EQ(doc.Header().currentCommittee->Members().size(), 7u);
}

TEST_F(DatabaseUndoTest, ChoosingTheCommitteeInUseAgainKeepsUnsavedChangesUnsaved) {
    CInputForm form(doc);
    form.SetListMode(LIST_COMMITTEES);
    // Chosen in the form, the committee's members stand at their ratings again.
    form.ChooseListEntry(ListIndex(doc, "U-FIN-TAX"));
    form.EditFraction(0.75);
    const std::vector<std::string> steps = doc.History().StepNames();
    ASSERT_EQ(steps, (std::vector<std::string>{"Select Committee", "Decision Rule"}));
    form.ChooseListEntry(ListIndex(doc, "U-FIN-TAX"));
    EXPECT_EQ(doc.History().StepNames(), steps) << "nothing changed";
    EXPECT_TRUE(doc.IsModified()) << "the changed rule is still to be saved";
}

TEST_F(DatabaseUndoTest, ADeletedMemberComesBackToItsPlaceInEveryCommittee) {
    CMember& member = FirstMember(doc);
    const std::string id = member.MemberID();
    const auto committees = [&] {
        std::vector<std::string> in;
        for (const auto& committee : doc.Header().upperHouse.committees)
            for (const CMember* m : committee->Members())
                if (m->MemberID() == id)
                    in.push_back(committee->CommitteeID());
        return in;
    };
    const std::vector<std::string> before = committees();
    ASSERT_GT(before.size(), 1u) << "the member sits in more than the scenario's committee";
    doc.RemoveMember(&member);
    CommitEdit(doc, "Delete Member");
    ASSERT_EQ(doc.FindMember(id), nullptr);
    ASSERT_TRUE(UndoEdit(doc));
    EXPECT_EQ(committees(), before);
    ASSERT_NE(doc.FindMember(id), nullptr);
    EXPECT_EQ(&FirstMember(doc), doc.FindMember(id)) << "first in its committee again";
    EXPECT_EQ(doc.Game().Members().front(), doc.FindMember(id)) << "and it votes";
}
