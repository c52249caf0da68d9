#include "CliDirTest.h"
#include "PythonReader.h"

#include <QRegularExpression>

namespace {

/// What the far scenario's record says: every group that maps the chart fails.
const QString kFarErrors = "winset: gave values that are not numbers; pareto: gave values that "
                           "are not numbers; statistics: gave values that are not numbers";

/// A batch of good scenarios with one that fails (a member so far out that the chart's cells have
/// no finite size) and one whose statistics are undefined (three members on one point), read back
/// the way users read our outputs: Python's json and csv modules, and pandas when it is installed.
class BatchOutputsTest : public CliDirTest {
protected:
    void SetUp() override {
        if (!PythonAvailable())
            GTEST_SKIP() << "python3 is not installed";
        batch = QStringList{
            ExamplePath("triangle.txt"), WriteFile(dir, "far.txt", "A 1e300 20\nB 80 70\nC 5 5\n"),
            ExamplePath("five.txt"), WriteFile(dir, "same.txt", "A 50 50\nB 50 50\nC 50 50\n"),
            ExamplePath("seven-weighted.txt")};
    }
    SCliRun Concepts(const QString& format, const QString& out) const {
        const SCliRun run = Run(QStringList{"concepts"} + batch +
                                QStringList{format, "--only", "vote,winset,pareto,statistics"});
        QFile file(Path(out));
        if (file.open(QIODevice::WriteOnly))
            file.write(run.out);
        return run;
    }
    QStringList batch;
};

TEST_F(BatchOutputsTest, JsonIsOneArrayWithErrorRecordsAndTheRunFailsAtTheEnd) {
    const SCliRun run = Concepts("--json", "batch.json");
    EXPECT_EQ(run.exitCode, 1);
    const QStringList errors = run.Err().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(errors.size(), 4) << run.Err().toStdString();
    EXPECT_EQ(errors[1],
              "quelta-cli: CONCEPT: " + batch[1] + ": pareto: gave values that are not numbers");
    EXPECT_EQ(errors[3], "quelta-cli: 1 of 5 scenarios failed");
    const SPythonRun read = RunPython(R"(
import json, sys
rows = json.load(open(sys.argv[1]))
assert isinstance(rows, list)
for row in rows:
    print(row["file"].split("/")[-1], row.get("error", "-"), row.get("vote.quota"),
          row.get("statistics.r") is None)
)",
                                      {Path("batch.json")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "triangle.txt - 2 False\n"
                        "far.txt " +
                            kFarErrors +
                            " 2 True\n"
                            "five.txt - 3 False\n"
                            "same.txt - 2 True\n"
                            "seven-weighted.txt - 10 False\n");
}

TEST_F(BatchOutputsTest, JsonLinesAndTheLongTableReadBack) {
    EXPECT_EQ(Concepts("--jsonl", "batch.jsonl").exitCode, 1);
    EXPECT_EQ(Concepts("--csv", "batch.csv").exitCode, 1);
    const SPythonRun read = RunPython(R"(
import csv, json, sys
lines = [json.loads(line) for line in open(sys.argv[1])]
print(len(lines), sum("error" in line for line in lines))
with open(sys.argv[2], newline="") as f:
    rows = list(csv.DictReader(f))
assert list(rows[0].keys()) == ["file", "key", "index", "value"]
boxes = [r for r in rows if r["key"] == "winset.bbox" and r["file"].endswith("five.txt")]
print([r["index"] for r in boxes])
nulls = [r["key"] for r in rows if r["file"].endswith("same.txt") and r["value"] == ""]
print(" ".join(nulls))
errors = [r["value"] for r in rows if r["key"] == "error"]
print(len(errors), errors[0])
try:
    import pandas
except ImportError:
    print("no pandas")
else:
    table = pandas.read_csv(sys.argv[2])
    wide = table[table["index"] == 0].pivot(index="file", columns="key", values="value")
    print("pandas", len(wide))
)",
                                      {Path("batch.jsonl"), Path("batch.csv")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList lines = read.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << read.out.toStdString();
    EXPECT_EQ(lines[0], "5 1");
    EXPECT_EQ(lines[1], "['0', '1', '2', '3']");
    EXPECT_EQ(lines[2], "statistics.slope statistics.intercept statistics.r "
                        "statistics.sigmaslope statistics.sigmaintercept statistics.chi")
        << "three members on one point have no line";
    EXPECT_EQ(lines[3], "1 " + kFarErrors);
    EXPECT_TRUE(lines[4] == "no pandas" || lines[4] == "pandas 5") << lines[4].toStdString();
}

TEST_F(BatchOutputsTest, OneScenarioIsOneObjectAndFormatsDoNotMix) {
    const SCliRun one = Run({"concepts", batch[0], "--json", "--only", "vote"});
    ASSERT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.Out().startsWith("{\n  \"file\":\""));
    EXPECT_EQ(one.Json()["vote.quota"].toDouble(), 2.0);
    EXPECT_EQ(Run({"concepts", batch[0], "--json", "--csv"}).exitCode, 2);
}

TEST_F(BatchOutputsTest, TextBlocksOfSeveralScenariosAreLedByTheirFiles) {
    const SCliRun one = Run({"concepts", batch[0], "--only", "vote"});
    ASSERT_EQ(one.exitCode, 0);
    EXPECT_TRUE(one.Out().startsWith("scenario.name: ")) << "one scenario: the block alone";
    const SCliRun two = Run({"concepts", batch[0], batch[2], "--only", "vote"});
    ASSERT_EQ(two.exitCode, 0);
    const QStringList lines = two.Out().split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter(QRegularExpression("^file: ")),
              (QStringList{"file: " + batch[0], "file: " + batch[2]}));
    EXPECT_EQ(lines.first(), "file: " + batch[0]);
    EXPECT_EQ(two.Out().count("scenario.name: "), 2);
}

} // namespace
