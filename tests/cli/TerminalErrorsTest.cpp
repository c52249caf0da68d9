#include "CliDirTest.h"

#include <QDir>
#include <QJsonArray>
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
    // Between the prefix and the hint stands the driver's own report, worded by the driver.
    EXPECT_TRUE(lines[0].startsWith("quelta-cli: DOC6.4: The database other.sqlite could not be "
                                    "read. database exception: reading configuration table; "))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains("no such table: Config_Params"));
    EXPECT_TRUE(lines[0].endsWith("; run `quelta-cli db init` to create the tables"));
    EXPECT_FALSE(run.Err().contains("Please record"));
    EXPECT_FALSE(run.Err().contains("CANCEL"));
}

TEST_F(TerminalErrorsTest, AFileThatCannotBeReadIsOneLineNamingIt) {
    const SCliRun missing = Run({"info", "nothing.txt"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.Err(), "quelta-cli: CQueltaDoc::OpenFile(): The file was not found: "
                             "nothing.txt; check the file's name and folder, then open it again\n");
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
    const SCliRun folder = Run({"info", "folder"});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_EQ(folder.Err(), "quelta-cli: CQueltaDoc::OpenFile(): The file could not be read: "
                            "folder; The file could not be accessed; check that it is a file you "
                            "may read (not a folder), then open it again\n");
}

TEST_F(TerminalErrorsTest, AFileOfNeitherFormatIsOneLineWithTheReadersCode) {
    WriteFile(dir, "binary.txt", QByteArray("\x01\x02 \x03 \x04 \x05 \x06", 11));
    const QByteArray expected =
        "quelta-cli: CQueltaDoc::OpenFile(): The file format was not recognized: binary.txt; "
        "Quelta tried to read the file under both XY and standard formats. Failure Mode for XY "
        "format: line 1 does not hold 2 to 4 entries. Failure Mode for Standard format: these "
        "items were not found: Group; Dimension; Decision Rule; Absolute Plurality Flag; Status "
        "Quo; Proposal; Player; open a scenario file saved by Quelta, or an XY file of lines "
        "holding a name, a horizontal and a vertical position and, if wanted, a vote weight\n";
    const SCliRun info = Run({"info", "binary.txt"});
    EXPECT_EQ(info.exitCode, 1);
    EXPECT_EQ(info.err, expected);
    // The batch's record of the file carries the same line after its prefix.
    const SCliRun concepts = Run({"concepts", "binary.txt", "--json"});
    EXPECT_EQ(concepts.exitCode, 1);
    EXPECT_EQ(concepts.err, expected);
    EXPECT_EQ(concepts.Json()["error"].toString().toUtf8() + "\n",
              expected.mid(QByteArray("quelta-cli: ").size()));
}

TEST_F(TerminalErrorsTest, ADatabaseThatCannotBeConnectedIsOneLineWithWhatToCheck) {
    const SCliRun run = Run({"concepts", "--db", "none.sqlite", "--scenario", "Budget"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.Err(), "quelta-cli: DOC4.2: The database none.sqlite could not be connected: the "
                         "database file none.sqlite does not exist; check the database file's "
                         "name or the connection string, then open it again\n")
        << "a missing file is no missing table";
    EXPECT_FALSE(QFile::exists(Path("none.sqlite")));
}

TEST_F(TerminalErrorsTest, AnUnknownOutputExtensionIsAUsageError) {
    const SCliRun run = Run({"render", ExamplePath("five.txt"), "-o", "chart.xyz"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.Err().startsWith(
        "quelta-cli: chart.xyz: the output must end in .bmp, .png, .svg or .pdf\n"));
    EXPECT_FALSE(QFile::exists(Path("chart.xyz")));
}

} // namespace

namespace {

TEST(TerminalNamesTest, AnUnknownGroupOrDisplayListsTheKnownOnes) {
    const SCliRun group = RunCli({"concepts", ExamplePath("five.txt"), "--only", "vote,yolks"});
    EXPECT_EQ(group.exitCode, 2);
    EXPECT_TRUE(group.out.isEmpty());
    EXPECT_TRUE(group.Err().startsWith("quelta-cli: unknown group 'yolks' in --only (the groups "
                                       "are vote, winset, "))
        << group.Err().toStdString();
    EXPECT_TRUE(group.Err().contains(", yolk, ")) << group.Err().toStdString();
    QTemporaryDir dir;
    const QString out = dir.filePath("chart.png");
    const SCliRun display =
        RunCli({"render", ExamplePath("five.txt"), "-o", out, "--show", "wings"});
    EXPECT_EQ(display.exitCode, 2);
    EXPECT_TRUE(display.Err().startsWith(
        "quelta-cli: unknown display 'wings' in --show (the displays are winset, "))
        << display.Err().toStdString();
    EXPECT_TRUE(display.Err().endsWith(", candidates)\n")) << display.Err().toStdString();
    EXPECT_FALSE(QFile::exists(out));
    // Blanks after the commas are no part of the names.
    const SCliRun spaced =
        RunCli({"concepts", ExamplePath("five.txt"), "--only", "vote, yolk ,", "--json"});
    EXPECT_EQ(spaced.exitCode, 0) << spaced.Err().toStdString();
    EXPECT_TRUE(spaced.Json().contains("yolk.radius"));
    const SCliRun regions = RunCli({"regions", ExamplePath("five.txt"), "--only", "winset, core"});
    EXPECT_EQ(regions.exitCode, 0) << regions.Err().toStdString();
    EXPECT_EQ(regions.Json()["features"].toArray().size(), 2);
}

} // namespace

namespace {

/// Runs quelta-cli with its standard output closed.
SCliRun RunWithoutOutput(const QStringList& arguments, const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start("/bin/sh",
                  QStringList{"-c", "exec \"$0\" \"$@\" >&-", QUELTA_CLI_PATH} + arguments);
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(TerminalOutputTest, OutputThatCannotBeWrittenFailsTheRunWithAMessage) {
    QTemporaryDir dir;
    const QString five = ExamplePath("five.txt");
    const QStringList commands[] = {
        {"concepts", five, "--only", "vote"},
        {"info", five},
        {"report", five},
        {"thermograph", five, "--mode", "total", "--chart", "20x20"},
        {"--version"},
    };
    for (const QStringList& command : commands) {
        SCOPED_TRACE(command.join(' ').toStdString());
        const SCliRun run = RunWithoutOutput(command, dir.path());
        EXPECT_EQ(run.exitCode, 1) << "lost output is no success";
        EXPECT_TRUE(run.Err().startsWith("quelta-cli: the standard output could not be written"))
            << run.Err().toStdString();
    }
    // A file the run opens never takes the closed output's place.
    const SCliRun logged =
        RunWithoutOutput({"concepts", five, "--only", "vote", "--log", "run.log"}, dir.path());
    EXPECT_EQ(logged.exitCode, 1);
    QFile log(dir.filePath("run.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_EQ(log.readAll().count("members.count: 5\n"), 1) << "the log's own line, once";
}

} // namespace

namespace {

TEST(TerminalDatabaseErrorsTest, DatabaseRefusalsCarryTheirCodes) {
    const QString sample = ExamplePath("legislature.sqlite");
    const SCliRun missing = RunCli({"concepts", "--db", sample, "--scenario", "No such"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.Err(), "quelta-cli: DOC6.1: The database holds no scenario named No such.\n");
    const SCliRun chosen = RunCli(
        {"info", "--db", sample, "--house", "UH", "--committee", "NONE", "--scales", "ECON,ENVI"});
    EXPECT_EQ(chosen.exitCode, 1);
    EXPECT_TRUE(chosen.Err().startsWith("quelta-cli: DOC6.1: That scenario cannot be chosen: "))
        << chosen.Err().toStdString();
    const SCliRun existing = RunCli({"db", "init", sample});
    EXPECT_EQ(existing.exitCode, 1);
    EXPECT_EQ(existing.Err(), "quelta-cli: DOC6.2: The database file " + sample +
                                  " exists already; it was left as it is.\n");
}

} // namespace
