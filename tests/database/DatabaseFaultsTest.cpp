#include "DatabaseFixture.h"

#include "database/DatabaseSchema.h"
#include "platform/Platform.h"

#include <QFileInfo>

namespace {

/// Broken databases: each fails with a clear message and leaves the open document as it was.
class DatabaseFaultsTest : public DatabaseTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(OpenDatabase(doc, SampleCopy("first.sqlite")));
        platform.Clear();
    }
    /// The document still holds the first database.
    void ExpectUntouched() const {
        EXPECT_EQ(doc.Header().dataSource, "first.sqlite");
        EXPECT_EQ(doc.Header().upperHouse.members.size(), 21u);
        EXPECT_EQ(doc.ScenarioNames().size(), 4u);
    }
    /// Opening fails with exactly one message box holding every piece.
    void ExpectOpenFails(const std::string& connection, const std::vector<std::string>& pieces) {
        EXPECT_FALSE(OpenDatabase(doc, connection));
        ASSERT_EQ(platform.MessageTexts().size(), 1u) << Messages();
        for (const std::string& piece : pieces)
            EXPECT_NE(platform.MessageTexts()[0].find(piece), std::string::npos)
                << "missing: " << piece << "\nin: " << Messages();
        ExpectUntouched();
        platform.Clear();
    }

    CQueltaDoc doc;
};

TEST_F(DatabaseFaultsTest, MissingFileIsNotCreatedAndOtherFilesAreNotDatabases) {
    const std::string missing = Path("missing.sqlite");
    ExpectOpenFails(missing, {"could not be connected", "does not exist"});
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(missing)));
    const std::string text = Path("notes.db");
    QFile file(QString::fromStdString(text));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GAME PARAMETERS BEGIN\nthis is a scenario file, not a database\n");
    file.close();
    ExpectOpenFails(text, {"could not be connected", "is not an SQLite database"});
    ExpectOpenFails(dir.path().toStdString() + "/.db", {"does not exist"});
}

TEST_F(DatabaseFaultsTest, MissingTablesAndColumnsNameTheirStep) {
    struct SCase {
        const char* statement;
        std::vector<std::string> pieces;
    };
    const SCase cases[] = {
        {"DROP TABLE \"Config_Params\"",
         {"DOC6.4", "database exception: reading configuration table\n\n"}},
        {"DROP TABLE \"Header\"", {"DOC6.6", "database exception: reading header table\n\n"}},
        {"DROP TABLE \"Ratings\"", {"DOC6.8", "database exception: reading ratings table\n\n"}},
        {"ALTER TABLE \"UH_Members\" RENAME COLUMN \"Vote\" TO \"Votes\"",
         {"DOC4.2", "database exception:\n\n", "lacks a table or a column"}},
        {"DROP TABLE \"LH_Committee_Members\"", {"DOC4.2", "LH_Committee_Members"}},
        {"DROP TABLE \"Scenario\"", {"DOC6.11", "database exception: reading scenario table"}},
        {"DROP TABLE \"LH_Member_Numeric_Attributes\"",
         {"DOC6.14", "database exception: reading attribute tables"}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.statement);
        const std::string path = SampleCopy("broken.sqlite");
        Exec(path, {c.statement});
        ExpectOpenFails(path, c.pieces);
        QFile::remove(QString::fromStdString(path));
    }
}

TEST_F(DatabaseFaultsTest, AmbiguousIdsAreRefused) {
    const char* cases[] = {
        "INSERT INTO \"UH_Members\" (\"Last Name\", \"MemberID\") VALUES ('Twin', 'S003')",
        "INSERT INTO \"LH_Committees\" (\"Committee\", \"CommitteeID\") VALUES ('Twin', 'L-EDU')",
        "INSERT INTO \"Ratings\" (\"Rating\", \"RatingID\") VALUES ('Twin', 'SOC')",
        "INSERT INTO \"LH_Members\" (\"Last Name\") VALUES ('Nobody')",
    };
    for (const char* statement : cases) {
        SCOPED_TRACE(statement);
        const std::string path = SampleCopy("twins.sqlite");
        Exec(path, {statement});
        ExpectOpenFails(path, {"ERROR: DOC4.2\n\nThe database twins.sqlite cannot be opened: "});
        QFile::remove(QString::fromStdString(path));
    }
}

TEST_F(DatabaseFaultsTest, NullsReadAsEmptyTextsZerosAndOneVote) {
    const std::string path = Path("nulls.sqlite");
    ASSERT_TRUE(CreateDatabase(path));
    std::vector<std::string> nullRows;
    for (const STableDef& table : LegislatureTables()) {
        std::string values;
        for (const SColumnDef& column : table.columns) {
            const bool key = std::string(column.name) == "MemberID" ||
                             std::string(column.name) == "CommitteeID" ||
                             std::string(column.name) == "RatingID";
            values += std::string(values.empty() ? "" : ", ") + (key ? "'K'" : "NULL");
        }
        nullRows.push_back("INSERT INTO " + QuoteName(table.name) + " VALUES (" + values + ")");
    }
    Exec(path, nullRows);
    ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    const ScenarioHeader& h = doc.Header();
    ASSERT_EQ(h.upperHouse.members.size(), 1u);
    const CMember& member = *h.upperHouse.members[0];
    EXPECT_EQ(member.LastName(), "");
    EXPECT_EQ(member.VoteWeight(), 1.0);
    ASSERT_EQ(h.scales.size(), 1u);
    EXPECT_LT(h.scales[0]->Scale_Min(), h.scales[0]->Scale_Max());
    ASSERT_EQ(h.upperHouse.committees.size(), 1u);
    EXPECT_EQ(h.upperHouse.committees[0]->Members().size(), 1u);
    EXPECT_EQ(h.upperHouse.label, "");
    EXPECT_EQ(doc.ScenarioNames(), std::vector<std::string>{""});
}

TEST_F(DatabaseFaultsTest, RowsNamingUnknownMembersScalesOrCommitteesAreLeftOutAndCounted) {
    const std::string path = SampleCopy("orphans.sqlite");
    Exec(path, {"INSERT INTO \"UH_Member_Ratings\" VALUES (1, 0, 5, 'S999', 'ECON')",
                "INSERT INTO \"UH_Member_Ratings\" VALUES (1, 0, 5, 'S001', 'NOPE')",
                "INSERT INTO \"UH_Member_Ratings\" VALUES (1, 0, 5, 's001', 'ECON')",
                "INSERT INTO \"LH_Committee_Members\" VALUES ('L-XXX', 'D001')",
                "INSERT INTO \"LH_Committee_Members\" VALUES ('L-EDU', 'D001')",
                "INSERT INTO \"LH_Committee_Members\" VALUES ('L-EDU', 'D001')",
                "INSERT INTO \"UH_Member_Nominal_Attributes\" VALUES ('S999', 'M', 'PARTY', 'X')"});
    CQueltaDoc other;
    ASSERT_TRUE(OpenDatabase(other, path));
    ASSERT_EQ(platform.MessageTexts().size(), 1u) << Messages();
    const std::string text = platform.MessageTexts()[0];
    EXPECT_NE(text.find("3 member rating rows"), std::string::npos) << text;
    EXPECT_NE(text.find("1 committee membership rows"), std::string::npos) << text;
    EXPECT_NE(text.find("1 attribute rows"), std::string::npos) << text;
    // A membership listed twice counts once: the member would otherwise vote twice.
    EXPECT_EQ(other.Header().lowerHouse.committees[4]->Members().size(), 10u);
}

TEST_F(DatabaseFaultsTest, CancellingTheChoiceLeavesTheDocument) {
    platform.QueueFileName("");
    EXPECT_FALSE(OpenDatabase(doc));
    EXPECT_TRUE(platform.MessageTexts().empty());
    ExpectUntouched();
    platform.QueueFileName(SampleCopy("chosen.sqlite"));
    EXPECT_TRUE(OpenDatabase(doc));
    EXPECT_EQ(doc.Header().dataSource, "chosen.sqlite");
}

TEST_F(DatabaseFaultsTest, InitRefusesAnExistingFileAndCreatesTheEighteenTables) {
    const std::string existing = SampleCopy("existing.sqlite");
    EXPECT_FALSE(CreateDatabase(existing));
    EXPECT_EQ(Scalar(existing, "SELECT COUNT(*) FROM \"UH_Members\""), 21.0);
    const std::string fresh = Path("fresh.sqlite");
    ASSERT_TRUE(CreateDatabase(fresh));
    EXPECT_EQ(Scalar(fresh, "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table'"), 18.0);
    platform.Clear();
    CQueltaDoc empty;
    EXPECT_TRUE(OpenDatabase(empty, fresh)) << Messages();
    EXPECT_TRUE(empty.Header().upperHouse.members.empty());
}

} // namespace
