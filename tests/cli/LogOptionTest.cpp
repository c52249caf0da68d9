// --log on every command that computes or writes something: the run's head, the scenario's
// summary, then what the run computed or wrote, in the log's "Name        = value" layout.
#include "CliDirTest.h"

#include <QJsonArray>
#include <QRegularExpression>

namespace {

class LogOptionTest : public CliDirTest {
protected:
    /// Runs the command with --log run.log (which must succeed) and gives that run's lines of
    /// the log, from its command line on.
    QStringList Logged(QStringList arguments) {
        arguments << "--log"
                  << "run.log";
        const SCliRun run = Run(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.Err().toStdString();
        last = run;
        const QStringList lines =
            QString::fromUtf8(Contents("run.log")).split('\n', Qt::SkipEmptyParts);
        qsizetype head = lines.size() - 1;
        while (head > 0 && !lines[head].startsWith("Command     = "))
            --head;
        return lines.mid(head);
    }

    SCliRun last;
};

TEST_F(LogOptionTest, WritersCloseTheirRunWithWhatTheyWrote) {
    const QString five = ExamplePath("five.txt");
    EXPECT_EQ(Logged({"render", five, "-o", "chart.png"}).last(), "Output      = chart.png");
    EXPECT_EQ(Logged({"save", five, "copy.txt"}).last(), "Output      = copy.txt");
    EXPECT_EQ(Logged({"report", five, "-o", "report.txt"}).last(), "Report      = report.txt");
    EXPECT_EQ(Logged({"report", five}).last(), "Report      = standard output");
    const QStringList map =
        Logged({"thermograph", five, "--mode", "area", "--chart", "40x30", "-o", "map.csv"});
    EXPECT_EQ(map.mid(map.size() - 2),
              (QStringList{"Thermograph = area, 40 x 30 pixels", "Output      = map.csv"}));
    const QStringList info = Logged({"info", five});
    EXPECT_TRUE(info.contains("Scenario    = Five-member committee")) << "the summary";
    EXPECT_TRUE(info.last().startsWith("vote quota")) << "info adds nothing to the summary";
}

TEST_F(LogOptionTest, RegionsAndScriptsLogWhatTheyComputed) {
    const QStringList regions = Logged({"regions", ExamplePath("five.txt"), "--only", "winset"});
    const QJsonObject feature = QJsonDocument::fromJson(last.out)["features"][0].toObject();
    const double area = feature["properties"].toObject()["area"].toDouble();
    EXPECT_EQ(regions.mid(regions.size() - 2),
              (QStringList{"Region      = winset, area " + QString::number(area, 'g', 10),
                           "Output      = standard output"}));
    WriteFile(dir, "ok.bas", "10 CALL SetVoteRule(0.6)\n20 PRINT GetVoteQuota()\n");
    const QStringList script =
        Logged({"run", "ok.bas", "--scenario", ExamplePath("five.txt"), "--save", "after.txt"});
    EXPECT_EQ(script.mid(script.size() - 2),
              (QStringList{"Script      = ok.bas, ran to its end", "Output      = after.txt"}));
    WriteFile(dir, "bad.bas", "10 PRINT 1 / \n");
    const SCliRun failed = Run({"run", "bad.bas", "--save", "never.txt", "--log", "run.log"});
    EXPECT_EQ(failed.exitCode, 1);
    const QStringList lines = QString::fromUtf8(Contents("run.log")).split('\n');
    EXPECT_TRUE(lines.contains("Script      = bad.bas, failed"));
    EXPECT_FALSE(lines.contains("Output      = never.txt")) << "nothing was written";
}

TEST_F(LogOptionTest, ImportAndDatabaseCommandsLogWhatTheyStored) {
    const QStringList imported =
        Logged({"import", "voteview", ExamplePath("import/members-sample.csv"), "--congress", "110",
                "--chamber", "House", "-o", "house.txt"});
    ASSERT_EQ(imported.size(), 4) << imported.join('\n').toStdString();
    EXPECT_EQ(imported[2], "Result      = " + last.Out().trimmed());
    EXPECT_TRUE(imported[3].startsWith("Left out    = left out 1 row without scores"));
    EXPECT_EQ(Logged({"db", "init", "new.sqlite"}).last(), "Database    = created new.sqlite");
    EXPECT_EQ(Logged({"db", "import", ExamplePath("five.txt"), "new.sqlite"}).last(),
              "Stored      = 5 members of C1 as scenario Five-member committee in new.sqlite");
    EXPECT_EQ(
        Logged({"db", "save", "new.sqlite", "--scenario", "Five-member committee", "--rule", "0.6"})
            .last(),
        "Stored      = Five-member committee in new.sqlite");
}

TEST_F(LogOptionTest, TheCommandLineKeepsNoPassword) {
    const QString connection =
        "DRIVER={SQLite3};Database=" + Path("none.sqlite") + ";PWD={top secret};password=hunter2";
    Run({"concepts", "--db", connection, "--scenario", "X", "--log", "run.log"});
    const QString log = QString::fromUtf8(Contents("run.log"));
    EXPECT_TRUE(log.contains(";PWD=***;password=***'")) << log.toStdString();
    EXPECT_FALSE(log.contains("secret"));
    EXPECT_FALSE(log.contains("hunter2"));
}

TEST_F(LogOptionTest, AFailedWriteLogsNoOutput) {
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.png"));
    const SCliRun run =
        Run({"render", ExamplePath("five.txt"), "-o", "folder.png", "--log", "run.log"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(QString::fromUtf8(Contents("run.log")).contains("Output      ="));
}

} // namespace
