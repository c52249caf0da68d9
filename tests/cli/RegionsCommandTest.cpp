#include "CliDirTest.h"
#include "PythonReader.h"

#include <QJsonArray>

namespace {

/// Reads a GeoJSON file with Python's json module and checks every ring (closed, no point
/// twice in a row, axis-parallel sides, outer rings anticlockwise and holes clockwise); prints
/// one line "concept area traced-area complete" per feature, or "concept error message".
const char* const kGeoJsonReader = R"(
import json, sys
with open(sys.argv[1]) as f:
    data = json.load(f)
assert data["type"] == "FeatureCollection"
def signed(ring):
    return sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(ring, ring[1:])) / 2
for feature in data["features"]:
    p = feature["properties"]
    if feature["geometry"] is None:
        print(p["concept"], "error", p["error"])
        continue
    assert feature["geometry"]["type"] == "MultiPolygon"
    traced = 0.0
    for polygon in feature["geometry"]["coordinates"]:
        for i, ring in enumerate(polygon):
            assert ring[0] == ring[-1], "ring not closed"
            assert all(a != b for a, b in zip(ring, ring[1:])), "repeated point"
            assert all(a[0] == b[0] or a[1] == b[1] for a, b in zip(ring, ring[1:]))
            area = signed(ring)
            assert (area > 0) == (i == 0), "orientation"
            traced += area
    print(p["concept"], p["area"], traced, p["complete"])
)";

class RegionsCommandTest : public CliDirTest {
protected:
    void SetUp() override {
        if (!PythonAvailable())
            GTEST_SKIP() << "python3 is not installed";
    }
};

TEST_F(RegionsCommandTest, OutlinesEncloseTheAreasTheConceptsReport) {
    const QStringList common = {ExamplePath("five.txt"), "--chart", "240x200"};
    const SCliRun run = Run(
        QStringList{"regions"} + common +
        QStringList{"--geojson", "--only", "winset,pareto,heart,uncovered", "-o", "five.geojson"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    const SCliRun concepts = Run(QStringList{"concepts"} + common +
                                 QStringList{"--json", "--only", "winset,pareto,heart,uncovered"});
    const SPythonRun read = RunPython(kGeoJsonReader, {Path("five.geojson")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList lines = read.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4) << read.out.toStdString();
    const QStringList keys = {"winset", "pareto", "heart", "uncovered"};
    for (int i = 0; i < 4; ++i) {
        const QStringList fields = lines[i].split(' ');
        EXPECT_EQ(fields[0], keys[i]);
        const double area = fields[1].toDouble();
        EXPECT_DOUBLE_EQ(area, concepts.Json()[keys[i] + ".area"].toDouble())
            << keys[i].toStdString();
        EXPECT_NEAR(fields[2].toDouble(), area, 1e-9 * (1 + area)) << keys[i].toStdString();
    }
}

TEST_F(RegionsCommandTest, ShownConceptsByDefaultAndFailuresAsErrorFeatures) {
    const QString far = WriteFile(dir, "far.txt", "A 1e300 20\nB 80 70\nC 5 5\n");
    const SCliRun run = Run({"regions", far, "--set", "flagParetoSet=1", "--set", "flagWinSet=1",
                             "--set", "flagCore=0", "--set", "flagHeart=0", "--set",
                             "flagUncoveredSet=0", "--set", "flagBanksSet=0", "-o", "far.geojson"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.Err().contains("pareto: gave values that are not numbers"))
        << run.Err().toStdString();
    const SPythonRun read = RunPython(kGeoJsonReader, {Path("far.geojson")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    const QStringList lines = read.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << read.out.toStdString();
    EXPECT_EQ(lines[0], "winset error gave values that are not numbers");
    EXPECT_EQ(lines[1], "pareto error gave values that are not numbers");
}

TEST_F(RegionsCommandTest, OnlySetConceptsAreOutlined) {
    EXPECT_EQ(Run({"regions", ExamplePath("five.txt"), "--only", "yolk"}).exitCode, 2);
    EXPECT_EQ(Run({"regions"}).exitCode, 2);
}

} // namespace
