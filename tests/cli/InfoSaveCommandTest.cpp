#include "CliRunner.h"

#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// The info lines that do not depend on where the scenario was read from.
QStringList ComparableInfo(const QString& info) {
    QStringList lines = info.split('\n');
    lines.removeIf([](const QString& line) {
        return line.startsWith("dataSource:") || line.startsWith("sourceKind:");
    });
    return lines;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(InfoSaveCommandTest, EveryExampleShowsAndRoundTrips) {
    QTemporaryDir dir;
    const QStringList examples =
        QDir(QUELTA_EXAMPLES).entryList(QStringList{"*.txt"}, QDir::Files, QDir::Name);
    ASSERT_GE(examples.size(), 5);
    for (const QString& name : examples) {
        const QString original = QDir(QUELTA_EXAMPLES).filePath(name);
        const SCliRun info = RunCli({"info", original}, dir.path());
        ASSERT_EQ(info.exitCode, 0) << name.toStdString() << ": " << info.Err().toStdString();
        EXPECT_TRUE(info.err.isEmpty()) << name.toStdString() << ": " << info.Err().toStdString();
        const QString copy = dir.filePath("copy-" + name);
        const QString again = dir.filePath("again-" + name);
        ASSERT_EQ(RunCli({"save", original, copy}, dir.path()).exitCode, 0) << name.toStdString();
        ASSERT_EQ(RunCli({"save", copy, again}, dir.path()).exitCode, 0) << name.toStdString();
        EXPECT_EQ(ComparableInfo(RunCli({"info", copy}, dir.path()).Out()),
                  ComparableInfo(info.Out()))
            << name.toStdString();
        EXPECT_EQ(FileBytes(copy), FileBytes(again)) << name.toStdString();
    }
}

TEST(InfoSaveCommandTest, JsonCarriesTheScenario) {
    const QString triangle = ExamplePath("triangle.txt");
    const SCliRun run = RunCli({"info", triangle, "--json"});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject object = run.Json();
    EXPECT_EQ(object["sourceKind"].toInt(), 5);
    EXPECT_EQ(object["members"].toArray().size(), 3);
    EXPECT_EQ(object["horizontal"].toString(), "ECON");
    EXPECT_EQ(object["group"].toObject()["id"].toString(), "C1");
    EXPECT_EQ(object["statusQuo"].toArray().at(0).toDouble(), 50.0);
    EXPECT_TRUE(object["marks"].toObject()["points"].isArray());
}

TEST(InfoSaveCommandTest, FailuresAndUsageErrorsHaveTheirExitCodes) {
    QTemporaryDir dir;
    const SCliRun missing = RunCli({"info", dir.filePath("missing.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.Err(), "quelta-cli: CQueltaDoc::OpenFile(): The file was not found: " +
                                 dir.filePath("missing.txt") +
                                 "; check the file's name and folder, then open it again\n");
    EXPECT_EQ(RunCli({"info"}).exitCode, 2);
    EXPECT_EQ(RunCli({"save", "only-one"}).exitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(RunCli({}).exitCode, 2);
    const QString triangle = ExamplePath("triangle.txt");
    EXPECT_EQ(RunCli({"save", triangle, dir.filePath("no/such/dir/x.txt")}).exitCode, 1);
}

TEST(InfoSaveCommandTest, AFileSizeLimitIsReportedAndLeavesNothingBehind) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.txt");
    QFile old(out);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old\n");
    old.close();
    QProcess process;
    process.start("/bin/sh", {"-c", QString("ulimit -f 1; exec '%1' save '%2' '%3'")
                                        .arg(QUELTA_CLI_PATH, ExamplePath("triangle.txt"), out)});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "not ended by the size-limit signal";
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(process.readAllStandardError().endsWith(": file exception: saving file " +
                                                        out.toUtf8() + "; The disk is full.\n"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"out.txt"});
}

TEST(InfoSaveCommandTest, MembersSharingAnIdGetKeysOfTheirOwn) {
    QTemporaryDir dir;
    const QString path =
        WriteFile(dir, "twice.txt",
                  "GAME PARAMETERS BEGIN\nGroup\tG\tC1\nDimension\tA\tD1\t0\t100\n"
                  "Dimension\tB\tD2\t0\t100\nDecision Rule\tr\t0.5\nStatus Quo\tr\tr\t50\t50\n"
                  "Proposal\tr\tr\t50\t50\nPlayer\tL\tX\t20\t25\nPlayer\tR\tX\t80\t25\n"
                  "Player\tT\tY\t50\t77\nGAME PARAMETERS END\n");
    const SCliRun run = RunCli({"concepts", path, "--only", "power", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_TRUE(run.Err().contains("Member ID X is used by more than one player"));
    const QJsonObject object = run.Json();
    double sum = 0;
    for (const char* key : {"power.X", "power.X-2", "power.Y"}) {
        EXPECT_TRUE(object.contains(key)) << key;
        sum += object[key].toDouble();
    }
    EXPECT_NEAR(sum, 1.0, 1e-9);
    EXPECT_EQ(run.out.count("\"power."), 3);
}
