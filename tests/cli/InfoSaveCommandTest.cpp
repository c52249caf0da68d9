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
    EXPECT_TRUE(missing.Err().contains("File not found")) << missing.Err().toStdString();
    EXPECT_EQ(RunCli({"info"}).exitCode, 2);
    EXPECT_EQ(RunCli({"save", "only-one"}).exitCode, 2);
    EXPECT_EQ(RunCli({"frobnicate"}).exitCode, 2);
    EXPECT_EQ(RunCli({}).exitCode, 2);
    const QString triangle = ExamplePath("triangle.txt");
    EXPECT_EQ(RunCli({"save", triangle, dir.filePath("no/such/dir/x.txt")}).exitCode, 1);
}
