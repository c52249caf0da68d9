#include "CliRunner.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(BatchStudyTest, ParallelStudyGivesOneJsonLinePerScenario) {
    if (QStandardPaths::findExecutable("parallel").isEmpty())
        GTEST_SKIP() << "GNU Parallel is not installed (Debian package parallel)";
    QTemporaryDir dir;
    QProcess study;
    study.setWorkingDirectory(dir.path());
    study.start("bash", {ExamplePath("batch/study.sh"), "-n", "4", "-m", "8", "-j", "2", "-q",
                         QUELTA_CLI_PATH, "-o", "out", "-g", "vote,statistics"});
    ASSERT_TRUE(study.waitForFinished(120000));
    ASSERT_EQ(study.exitCode(), 0) << study.readAllStandardError().toStdString();
    QFile results(dir.filePath("out/concepts.jsonl"));
    ASSERT_TRUE(results.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = results.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 4; ++i) {
        const QJsonObject object = QJsonDocument::fromJson(lines[i]).object();
        EXPECT_EQ(object["file"].toString(), QString("out/scenarios/mc-%1.txt").arg(i + 1));
        EXPECT_EQ(object["members.count"].toDouble(), 8.0);
        EXPECT_TRUE(object.contains("statistics.slope"));
    }
    // Each scenario can be made again alone from its seed.
    const SCliRun again = RunCli({"generate", "montecarlo", "--members", "8", "--seed", "-3",
                                  "--name", "mc-3", "-o", dir.filePath("again.txt")});
    ASSERT_EQ(again.exitCode, 0);
    QFile first(dir.filePath("out/scenarios/mc-3.txt")), second(dir.filePath("again.txt"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), second.readAll());
}
