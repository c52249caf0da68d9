#include "DatabaseFixture.h"

#include "database/DatabaseImport.h"
#include "database/StoredScenario.h"
#include "document/ScenarioFile.h"
#include "preferences/PreferenceSpec.h"

namespace {

/// Stored scenarios of a private copy of the sample legislature.
class StoredScenarioTest : public DatabaseTest {
protected:
    void SetUp() override {
        path = SampleCopy();
        ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    }
    /// The scenario as a fresh document reads it from the database.
    SScenarioShape Reopened(const std::string& name) {
        CQueltaDoc other;
        EXPECT_TRUE(OpenDatabase(other, path)) << Messages();
        EXPECT_TRUE(OpenScenario(other, name)) << Messages();
        return ShapeOf(other);
    }
    double Rows(const std::string& table) const {
        return Scalar(path, "SELECT COUNT(*) FROM \"" + table + "\"");
    }

    std::string path;
    CQueltaDoc doc;
};

TEST_F(StoredScenarioTest, OpeningPlacesTheCommitteeByRatingsThenByItsMemberRows) {
    ASSERT_TRUE(OpenScenario(doc, "Budget 2027")) << Messages();
    EXPECT_EQ(doc.Header().scenarioName, "Budget 2027");
    EXPECT_EQ(doc.Header().houseInUse, HOUSE_UPPER);
    SScenarioShape budget = ShapeOf(doc);
    EXPECT_EQ(budget.committee, "U-ALL");
    ASSERT_EQ(budget.members.size(), 21u);
    const CMember* first = doc.Game().Members()[0];
    EXPECT_EQ(first->IdealPoint().x, first->FindRating("ECON")->Value);
    EXPECT_EQ(first->IdealPoint().y, first->FindRating("SOC")->Value);
    EXPECT_EQ(budget.sqH, 45.0);
    EXPECT_EQ(budget.propV, 45.0);
    EXPECT_FALSE(doc.IsModified());

    ASSERT_TRUE(OpenScenario(doc, "Tax reform")) << Messages();
    const SScenarioShape tax = ShapeOf(doc);
    ASSERT_EQ(tax.members.size(), 5u);
    EXPECT_EQ(tax.members[0], (SScenarioShape::SMemberShape{"S001", 30.0, 70.0, PREF_CITYBLOCK}));
    EXPECT_EQ(tax.members[3], (SScenarioShape::SMemberShape{"S012", 71.0, 30.0, PREF_INDEPENDENT}));
    EXPECT_EQ(tax.ratingV, "ENVI");

    ASSERT_TRUE(OpenScenario(doc, "Farm bill")) << Messages();
    EXPECT_EQ(doc.Header().houseInUse, HOUSE_LOWER);
    EXPECT_EQ(ShapeOf(doc).members.size(), 11u);
    EXPECT_EQ(doc.Game().AbsolutePlurality(), 0);
}

TEST_F(StoredScenarioTest, SavedScenarioReadsBackEqualAndLeavesOthersAlone) {
    const SScenarioShape taxBefore = Reopened("Tax reform");
    ASSERT_TRUE(OpenScenario(doc, "Tax reform"));
    doc.SetStatusQuo(CFPoint(12.5, 87.25));
    doc.SetProposal(CFPoint(60.125, 20.0));
    doc.SetVoteRule(0.8);
    doc.SetAbsolutePlurality(0);
    doc.SetMemberPreference("S005", PREF_EUM);
    doc.SetMemberIdealPoint("S008", CFPoint(33.3333333333333, 99.9));
    doc.Header().scenarioName = "Tax reform, amended";
    ASSERT_TRUE(SaveStoredScenario(doc)) << Messages();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.ScenarioNames().back(), "Tax reform, amended");
    EXPECT_EQ(Reopened("Tax reform, amended"), ShapeOf(doc));
    EXPECT_EQ(Reopened("Tax reform"), taxBefore);

    // Saving again under the same name replaces its rows instead of adding to them.
    const double rows = Rows("Scenario_Member_Ratings");
    ASSERT_TRUE(SaveStoredScenario(doc));
    EXPECT_EQ(Rows("Scenario_Member_Ratings"), rows);
    EXPECT_EQ(Rows("Scenario"), 5.0);
}

TEST_F(StoredScenarioTest, NamesWithQuotesReachOnlyTheirOwnRows) {
    const char* names[] = {"x' OR '1'='1", "Bob's plan", "'; DROP TABLE \"Scenario\"; --"};
    ASSERT_TRUE(OpenScenario(doc, "Farm bill"));
    const SScenarioShape farm = ShapeOf(doc);
    double rule = 0.55;
    for (const char* name : names) {
        SCOPED_TRACE(name);
        doc.SetVoteRule(rule += 0.1);
        doc.Header().scenarioName = name;
        ASSERT_TRUE(SaveStoredScenario(doc)) << Messages();
        EXPECT_EQ(Reopened(name).rule, doc.Game().VoteRule());
    }
    EXPECT_EQ(Rows("Scenario"), 7.0);
    EXPECT_EQ(Reopened("Farm bill"), farm);
    EXPECT_EQ(Reopened("Bob's plan").rule, 0.75);
    platform.Clear();
    EXPECT_FALSE(OpenScenario(doc, "' OR '1'='1"));
    EXPECT_NE(Messages().find("holds no scenario"), std::string::npos) << Messages();
}

TEST_F(StoredScenarioTest, FailedSaveLeavesTheDatabaseAsItWas) {
    ASSERT_TRUE(OpenScenario(doc, "Tax reform"));
    const SScenarioShape before = Reopened("Tax reform");
    // The member rows fail after the scenario's old rows are gone and its new row is written.
    Exec(path, {"CREATE TRIGGER refuse BEFORE INSERT ON \"Scenario_Member_Ratings\" "
                "BEGIN SELECT RAISE(ABORT, 'member rows refused'); END"});
    doc.SetVoteRule(0.9);
    platform.Clear();
    EXPECT_FALSE(SaveStoredScenario(doc));
    EXPECT_NE(Messages().find("DOC6.2"), std::string::npos) << Messages();
    EXPECT_NE(Messages().find("database exception: saving database\n\n"), std::string::npos);
    EXPECT_NE(Messages().find("member rows refused"), std::string::npos) << Messages();
    EXPECT_EQ(Reopened("Tax reform"), before);
    EXPECT_EQ(Rows("Scenario"), 4.0);
}

TEST_F(StoredScenarioTest, TextsUpToTheColumnWidthAreStoredLongerOnesRefused) {
    ASSERT_TRUE(OpenScenario(doc, "Tax reform"));
    const std::string longest(255, 'n');
    doc.Header().scenarioName = longest;
    ASSERT_TRUE(SaveStoredScenario(doc)) << Messages();
    EXPECT_EQ(Reopened(longest), ShapeOf(doc));
    doc.Header().scenarioName = std::string(256, 'n');
    platform.Clear();
    EXPECT_FALSE(SaveStoredScenario(doc));
    EXPECT_NE(Messages().find("longer than 255 characters"), std::string::npos) << Messages();
    EXPECT_EQ(Rows("Scenario"), 5.0);
}

TEST_F(StoredScenarioTest, StoredScenariosNamingWhatIsMissingChangeNothing) {
    Exec(path, {"INSERT INTO \"Scenario\" VALUES ('No committee', 2, 'U-NONE', 'ECON', 'SOC', "
                "50, 50, 50, 50, 0.5, 1)",
                "INSERT INTO \"Scenario\" VALUES ('No scale', 1, 'L-AGR', 'ECON', 'GONE', "
                "50, 50, 50, 50, 0.5, 1)",
                "INSERT INTO \"Scenario\" VALUES ('No house', 3, 'L-AGR', 'ECON', 'SOC', "
                "50, 50, 50, 50, 0.5, 1)",
                "INSERT INTO \"Scenario\" VALUES ('Wrong house', 2, 'L-AGR', 'ECON', 'SOC', "
                "50, 50, 50, 50, 0.5, 1)"});
    ASSERT_TRUE(OpenScenario(doc, "Farm bill"));
    const SScenarioShape farm = ShapeOf(doc);
    for (const char* name : {"No committee", "No scale", "No house", "Wrong house"}) {
        platform.Clear();
        EXPECT_FALSE(OpenScenario(doc, name)) << name;
        EXPECT_NE(Messages().find("cannot be opened"), std::string::npos) << Messages();
        EXPECT_EQ(ShapeOf(doc), farm) << name;
    }
    // A document that did not come from a database has no stored scenarios to open or save to.
    CQueltaDoc plain;
    EXPECT_FALSE(OpenScenario(plain, "Farm bill"));
    EXPECT_FALSE(SaveStoredScenario(plain));
}

TEST_F(StoredScenarioTest, ImportedFileReadsBackAsItsScenario) {
    const std::string target = Path("imported.sqlite");
    ASSERT_TRUE(CreateDatabase(target));
    CQueltaDoc file;
    ASSERT_TRUE(ReadScenarioFile(file, std::string(QUELTA_EXAMPLES) + "/seven-weighted.txt"));
    ASSERT_TRUE(ImportScenario(file, target, HOUSE_LOWER, "seven")) << Messages();
    CQueltaDoc back;
    ASSERT_TRUE(OpenDatabase(back, target)) << Messages();
    ASSERT_TRUE(OpenScenario(back, "seven")) << Messages();
    EXPECT_EQ(ShapeOf(back), ShapeOf(file));
    EXPECT_EQ(back.Header().houseInUse, HOUSE_LOWER);
    EXPECT_EQ(back.Header().lowerHouse.members.size(), file.Game().Members().size());
    EXPECT_EQ(back.Game().Members()[1]->VoteWeight(), file.Game().Members()[1]->VoteWeight());

    // A second import of the same members is refused whole.
    const double rows = Scalar(target, "SELECT COUNT(*) FROM \"LH_Member_Ratings\"");
    platform.Clear();
    EXPECT_FALSE(ImportScenario(file, target, HOUSE_LOWER, "seven again"));
    EXPECT_NE(Messages().find("already"), std::string::npos) << Messages();
    EXPECT_EQ(Scalar(target, "SELECT COUNT(*) FROM \"LH_Member_Ratings\""), rows);
    EXPECT_EQ(Scalar(target, "SELECT COUNT(*) FROM \"Scenario\""), 1.0);
}

} // namespace
