#include "CliRunner.h"
#include "PythonReader.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(ThermographCommandTest, CsvOfEveryPixelTheSameOnAnyNumberOfThreads) {
    QTemporaryDir dir;
    const QString one = dir.filePath("one.csv"), two = dir.filePath("two.csv");
    const QStringList common{
        "thermograph", ExamplePath("triangle.txt"), "--chart", "40x40", "--mode", "area"};
    ASSERT_EQ(RunCli(common + QStringList{"-o", one, "--threads", "1"}).exitCode, 0);
    const SCliRun run = RunCli(common + QStringList{"-o", two, "--threads", "2"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << "no progress when stderr is not a terminal";
    QFile a(one), b(two);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    const QByteArray csv = a.readAll();
    EXPECT_EQ(csv, b.readAll());
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 40 * 40 + 2);
    EXPECT_EQ(lines[0], "column,row,h,v,location,value");
    EXPECT_FALSE(csv.contains(",-")) << "the values are magnitudes";
    if (!PythonAvailable())
        GTEST_SKIP() << "python3 is not installed";
    // Read back as a user would: every location named, values numbers or empty outside.
    const SPythonRun read = RunPython(R"(
import csv, sys
counts = {}
with open(sys.argv[1], newline="") as f:
    for row in csv.DictReader(f):
        where = row["location"]
        counts[where] = counts.get(where, 0) + 1
        if where == "none":
            assert row["value"] == "", row
        else:
            assert float(row["value"]) >= 0, row
print(" ".join("%s=%d" % item for item in sorted(counts.items())))
)",
                                      {one});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList counts = read.out.trimmed().split(' ');
    ASSERT_EQ(counts.size(), 3) << read.out.toStdString();
    EXPECT_TRUE(counts[0].startsWith("none=") && counts[1].startsWith("pareto=") &&
                counts[2].startsWith("uncovered="));
}

TEST(ThermographCommandTest, CustomDistributionAndUsageErrors) {
    const SCliRun custom = RunCli(
        {"thermograph", ExamplePath("triangle.txt"), "--chart", "40x40", "--mode", "custom"});
    ASSERT_EQ(custom.exitCode, 0) << custom.Err().toStdString();
    EXPECT_TRUE(custom.Out().startsWith("area,count\n"));
    EXPECT_GT(custom.Out().count('\n'), 50);

    const SCliRun votes =
        RunCli({"thermograph", ExamplePath("five.txt"), "--chart", "30x30", "--mode", "total"});
    ASSERT_EQ(votes.exitCode, 0);
    EXPECT_EQ(votes.Out().count('\n'), 30 * 30 + 1);
    // Vote maps give every pixel a value and no location.
    EXPECT_TRUE(QRegularExpression("^-?\\d+,-?\\d+,[^,]+,[^,]+,,[-0-9.e+]+$")
                    .match(votes.Out().section('\n', 1, 1))
                    .hasMatch())
        << votes.Out().section('\n', 1, 1).toStdString();

    for (const QStringList& bad :
         {QStringList{"thermograph", ExamplePath("triangle.txt"), "--mode", "heat"},
          QStringList{"thermograph", ExamplePath("triangle.txt")},
          QStringList{"thermograph", ExamplePath("triangle.txt"), "--mode", "area", "--threads",
                      "x"}})
        EXPECT_EQ(RunCli(bad).exitCode, 2) << bad.join(' ').toStdString();
    EXPECT_EQ(RunCli({"thermograph", "/no/such/file.txt", "--mode", "area"}).exitCode, 1);
    const SCliRun heat = RunCli({"thermograph", ExamplePath("triangle.txt"), "--mode", "heat"});
    EXPECT_TRUE(heat.Err().startsWith("quelta-cli: unknown mode 'heat' in --mode\nusage: "))
        << heat.Err().toStdString();
}
