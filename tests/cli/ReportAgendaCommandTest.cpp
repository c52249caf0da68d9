#include "CliDirTest.h"
#include "platform/Version.h"

#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace {

class ReportAgendaCommandTest : public CliDirTest {};

const QStringList kExamples = {"five.txt", "triangle.txt", "seven-weighted.txt", "senate101.txt",
                               "points-xy.txt"};

} // namespace

TEST_F(ReportAgendaCommandTest, ReportOfEveryExampleToStdoutOrFile) {
    for (const QString& name : kExamples) {
        const SCliRun run = Run({"report", ExamplePath(name)});
        ASSERT_EQ(run.exitCode, 0) << name.toStdString() << run.Err().toStdString();
        EXPECT_TRUE(run.Out().startsWith("Scenario:\t")) << name.toStdString();
        EXPECT_TRUE(run.Out().contains("\nAll Members:\n")) << name.toStdString();
    }
    ASSERT_EQ(Run({"report", ExamplePath("five.txt"), "-o", "r.txt"}).exitCode, 0);
    EXPECT_EQ(Contents("r.txt"), Run({"report", ExamplePath("five.txt")}).out);
}

TEST_F(ReportAgendaCommandTest, ReportThatCannotBeWrittenLeavesTheOldFile) {
    QFile old(Path("r.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    for (const QString& out : {Path("missing/r.txt"), dir.path()}) {
        const SCliRun run = Run({"report", ExamplePath("five.txt"), "-o", out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.Err().startsWith("quelta-cli: DOC1: report file exception: " + out + "; "))
            << run.Err().toStdString();
    }
    EXPECT_EQ(Contents("r.txt"), "old\n");
}

TEST_F(ReportAgendaCommandTest, SeveralScenariosGiveOneJsonLineEach) {
    const SCliRun report =
        Run({"report", "--jsonl", ExamplePath("five.txt"), ExamplePath("triangle.txt")});
    ASSERT_EQ(report.exitCode, 0);
    const QList<QByteArray> lines = report.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(second["file"].toString(), ExamplePath("triangle.txt"));
    EXPECT_EQ(second["All Members"].toArray().size(), 3);

    const SCliRun concepts =
        Run({"concepts", "--jsonl", "--only", "statistics,histogram", ExamplePath("five.txt"),
             "nothing.txt", ExamplePath("triangle.txt")});
    EXPECT_EQ(concepts.exitCode, 1) << "one file could not be read";
    const QList<QByteArray> rows = concepts.out.trimmed().split('\n');
    ASSERT_EQ(rows.size(), 3);
    const QJsonObject five = QJsonDocument::fromJson(rows[0]).object();
    EXPECT_EQ(five.keys().size(), 14) << "the file, the header, the points and the two groups";
    const QJsonObject missing = QJsonDocument::fromJson(rows[1]).object();
    EXPECT_EQ(missing.keys(), (QStringList{"error", "file"}));
    EXPECT_EQ(missing["file"].toString(), "nothing.txt");
    EXPECT_EQ(five["statistics.mean"].toArray(), (QJsonArray{48.0, 47.0}));
    EXPECT_EQ(five["histogram.h"].toArray().size(), 40);
    EXPECT_EQ(five["histogram.v"].toArray().size(), 20);
    EXPECT_EQ(
        Run({"report", "-o", "x.txt", ExamplePath("five.txt"), ExamplePath("five.txt")}).exitCode,
        2)
        << "-o takes one scenario";
}

TEST_F(ReportAgendaCommandTest, AgendaRunsRepeatAndCountsOutsideTheDialogsRangeAreRefused) {
    const QStringList arguments = {"agenda", ExamplePath("five.txt"), "--iterations", "5", "--sq",
                                   "20,80"};
    const SCliRun first = Run(arguments);
    ASSERT_EQ(first.exitCode, 0) << first.Err().toStdString();
    EXPECT_EQ(first.Out().split('\n', Qt::SkipEmptyParts).size(), 6);
    EXPECT_TRUE(first.Out().startsWith("20 80\n"));
    EXPECT_EQ(Run(arguments).out, first.out);
    const QJsonArray path =
        QJsonDocument::fromJson(Run(arguments + QStringList{"--json"}).out).array();
    ASSERT_EQ(path.size(), 6);
    EXPECT_EQ(path[0].toArray(), (QJsonArray{20.0, 80.0}));
    for (const char* count : {"0", "-1", "100001", "1000000"}) {
        const SCliRun none = Run({"agenda", ExamplePath("five.txt"), "--iterations", count});
        EXPECT_EQ(none.exitCode, 2) << count;
        EXPECT_TRUE(none.Err().contains("--iterations takes a whole number from 1 to 100000"))
            << count << ": " << none.Err().toStdString();
        EXPECT_TRUE(none.out.isEmpty()) << count;
    }
    EXPECT_EQ(Run({"agenda", ExamplePath("five.txt")}).exitCode, 2);
    EXPECT_EQ(Run({"agenda", ExamplePath("five.txt"), "--iterations", "x"}).exitCode, 2);
}

TEST_F(ReportAgendaCommandTest, LogOptionAppendsAsTheDesktopDoes) {
    ASSERT_EQ(
        Run({"report", ExamplePath("triangle.txt"), "--rule", "0.6", "--log", "q.log"}).exitCode,
        0);
    ASSERT_EQ(
        Run({"generate", "polygon", "--members", "3", "-o", "p.txt", "--log", "q.log"}).exitCode,
        0);
    const QStringList lines = QString::fromUtf8(Contents("q.log")).split('\n', Qt::SkipEmptyParts);
    EXPECT_TRUE(lines.contains("Scenario    = Three-member committee on a triangle"));
    EXPECT_TRUE(lines.contains("vote rule = 0.600000"));
    EXPECT_EQ(lines.filter(QRegularExpression("day, ")).size(), 2) << "one date line per run";
    EXPECT_EQ(lines.last(), "Output      = p.txt");
    EXPECT_EQ(lines[lines.size() - 2], "vote quota = 2");
    const SCliRun bad = Run({"concepts", ExamplePath("five.txt"), "--log", Path("no/q.log")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.Err(),
              "quelta-cli: DOC1: log file exception: " + Path("no/q.log") + "; File not found\n");
}

TEST_F(ReportAgendaCommandTest, LogHeadsARunWithTimeCommandAndVersionAndKeepsItsResults) {
    const QString triangle = ExamplePath("triangle.txt");
    const SCliRun run =
        Run({"concepts", triangle, "--only", "yolk", "--sq", "40,60", "--log", "run log.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const QStringList lines =
        QString::fromUtf8(Contents("run log.txt")).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains(QRegularExpression("^[A-Z][a-z]+day, "))) << "the date line";
    EXPECT_TRUE(lines[1].contains(
        QRegularExpression(R"(^Time        = \d{4}-\d\d-\d\dT\d\d:\d\d:\d\d(Z|[+-]\d\d:\d\d)$)")))
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], "Command     = quelta-cli concepts " + triangle +
                            " --only yolk --sq 40,60 --log 'run log.txt'");
    EXPECT_EQ(lines[3], QString("Version     = ") + QueltaVersion());
    EXPECT_EQ(Run({"--version"}).Out(), QString("quelta-cli ") + QueltaVersion() + "\n");
    const qsizetype summary = lines.indexOf("Scenario    = Three-member committee on a triangle");
    const qsizetype radius = lines.indexOf(QRegularExpression("^yolk\\.radius: [0-9.]+$"));
    EXPECT_GT(summary, 3) << "the desktop's summary follows the header";
    EXPECT_GT(radius, summary) << "the results the run printed close it";
    EXPECT_TRUE(run.Out().contains(lines[radius] + "\n")) << "the same line as printed";

    const SCliRun agenda =
        Run({"agenda", ExamplePath("five.txt"), "--iterations", "3", "--log", "run log.txt"});
    ASSERT_EQ(agenda.exitCode, 0) << agenda.Err().toStdString();
    EXPECT_TRUE(QString::fromUtf8(Contents("run log.txt")).endsWith("\n" + agenda.Out()))
        << "the agenda's path closes its run";
}

TEST_F(ReportAgendaCommandTest, CtrlCStopsALongAgendaWithThePathSoFar) {
    QProcess process;
    process.start(QUELTA_CLI_PATH,
                  {"agenda", ExamplePath("senate101.txt"), "--iterations", "100000"});
    ASSERT_TRUE(process.waitForStarted());
    // Only once the scenario is read and the path has begun does Ctrl-C stop the walk.
    QThread::msleep(3000);
    ::kill(static_cast<pid_t>(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000)) << "the agenda went on after Ctrl-C";
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().contains("interrupted after"));
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    EXPECT_LT(lines.size(), 100000) << "stopped before the end";
}
