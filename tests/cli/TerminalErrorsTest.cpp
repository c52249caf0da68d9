#include "CliDirTest.h"

#include <QProcess>

namespace {

/// Errors as a terminal shows them: one line each, "quelta-cli: CODE: message", naming what
/// failed, without the desktop's box text or the driver's own warnings beside it.
class TerminalErrorsTest : public CliDirTest {};

TEST_F(TerminalErrorsTest, AMissingTableNamesItAndSuggestsCreatingTheTables) {
    QProcess sqlite;
    sqlite.start("sqlite3", {Path("other.sqlite"), "CREATE TABLE notes (text TEXT);"});
    if (!sqlite.waitForFinished(30000) || sqlite.exitCode() != 0)
        GTEST_SKIP() << "sqlite3 is not installed";
    const SCliRun run = Run({"concepts", "--db", "other.sqlite", "--scenario", "Budget"});
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.Err().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << run.Err().toStdString();
    EXPECT_TRUE(lines[0].startsWith("quelta-cli: ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("DOC6.4")) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("no such table: Config_Params"));
    EXPECT_TRUE(lines[0].endsWith("; run `quelta-cli db init` to create the tables"));
    EXPECT_FALSE(run.Err().contains("Please record"));
    EXPECT_FALSE(run.Err().contains("CANCEL"));
}

TEST_F(TerminalErrorsTest, AFileThatCannotBeReadIsOneLineNamingIt) {
    const SCliRun run = Run({"info", "nothing.txt"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.Err().count('\n'), 1) << run.Err().toStdString();
    EXPECT_TRUE(run.Err().startsWith("quelta-cli: ")) << run.Err().toStdString();
    EXPECT_TRUE(run.Err().contains("nothing.txt"));
}

TEST_F(TerminalErrorsTest, AnUnknownOutputExtensionIsAUsageError) {
    const SCliRun run = Run({"render", ExamplePath("five.txt"), "-o", "chart.xyz"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.Err().startsWith(
        "quelta-cli: chart.xyz: the output must end in .bmp, .png, .svg or .pdf\n"));
    EXPECT_FALSE(QFile::exists(Path("chart.xyz")));
}

} // namespace
