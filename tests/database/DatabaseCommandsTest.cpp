#include "DatabaseFixture.h"

#include "database/DatabaseCommands.h"
#include "database/StoredScenario.h"
#include "document/CommandIds.h"
#include "document/Commands.h"
#include "document/DatabaseHook.h"
#include "document/FileCommands.h"

namespace {

/// The document's "Database" command and its saves, through the installed legislature source.
class DatabaseCommandsTest : public DatabaseTest {
protected:
    void SetUp() override {
        InstallDatabaseCommands();
        path = SampleCopy();
    }
    void TearDown() override { SetDatabaseCommands(nullptr); }

    std::string path;
    CQueltaDoc doc;
};

TEST_F(DatabaseCommandsTest, DatabaseCommandOpensTheChosenFileAndSaveWritesTheScenarioBack) {
    platform.QueueFileName(path);
    RunCommand(doc, ECommandId::OpenDatabase);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_DATABASE);
    ASSERT_TRUE(OpenScenario(doc, "Tax reform")) << Messages();
    doc.SetStatusQuo(CFPoint(12.0, 88.0));
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(SaveScenario(doc)) << Messages();

    CQueltaDoc other;
    ASSERT_TRUE(OpenDatabase(other, path)) << Messages();
    ASSERT_TRUE(OpenScenario(other, "Tax reform")) << Messages();
    EXPECT_EQ(other.Game().StatusQuo().x, 12.0);
    EXPECT_EQ(other.Game().StatusQuo().y, 88.0);
}

TEST_F(DatabaseCommandsTest, ClosingAChangedDatabaseScenarioSavesItOnYes) {
    ASSERT_TRUE(OpenDatabase(doc, path)) << Messages();
    ASSERT_TRUE(OpenScenario(doc, "Farm bill")) << Messages();
    doc.SetStatusQuo(CFPoint(33.0, 44.0));
    doc.SetModifiedFlag(true);
    platform.QueueAnswer(EMsgAnswer::Yes);
    EXPECT_EQ(ClosePrompt(doc), 1) << Messages();

    CQueltaDoc other;
    ASSERT_TRUE(OpenDatabase(other, path)) << Messages();
    ASSERT_TRUE(OpenScenario(other, "Farm bill")) << Messages();
    EXPECT_EQ(other.Game().StatusQuo().x, 33.0);
}

TEST_F(DatabaseCommandsTest, CancelledChoiceKeepsTheScenarioAndInstallingTwiceKeepsOneSource) {
    ASSERT_TRUE(OpenScenarioPath(doc, QUELTA_EXAMPLES "/triangle.txt"));
    InstallDatabaseCommands();
    CDatabaseCommands* installed = DatabaseCommands();
    InstallDatabaseCommands();
    EXPECT_EQ(DatabaseCommands(), installed);
    platform.QueueFileName("");
    RunCommand(doc, ECommandId::OpenDatabase);
    EXPECT_EQ(doc.Header().sourceKind, SOURCE_STANDARD_FILE);
    EXPECT_EQ(doc.Game().Members().size(), 3u);
}

} // namespace
