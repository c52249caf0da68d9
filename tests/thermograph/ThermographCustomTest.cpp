#include "../preferences/GameFixture.h"
#include "thermograph/CustomDistribution.h"
#include "thermograph/Thermograph.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

/// A triangle of trade-off members on a small chart.
struct STriangle : CGameFixture {
    STriangle() : CGameFixture(50) {
        for (const CFPoint& p : {CFPoint(20, 25), CFPoint(80, 25), CFPoint(50, 77)})
            Add(p.x, p.y);
    }
};

} // namespace

TEST(ThermographCustomTest, TriangleTextHasMonotoneAreasAndCounts) {
    STriangle f;
    CThermograph thermograph;
    ASSERT_TRUE(MapCustomDistribution(thermograph, f.game, {}));
    const QStringList lines =
        QString::fromStdString(CustomDistributionText(thermograph.Grid().levels))
            .split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 90);
    EXPECT_EQ(lines[0], "area,count");
    const SThermographGrid& grid = thermograph.Grid();
    EXPECT_EQ(grid.mode, THERMO_CUSTOM);
    EXPECT_FALSE(thermograph.IsOutOfDate());
    ASSERT_EQ(static_cast<int>(grid.levels.size()), lines.size() - 1);
    int area = -1, count = -1;
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(',');
        ASSERT_EQ(fields.size(), 2) << lines[i].toStdString();
        EXPECT_GE(fields[0].toInt(), area) << "line " << i;
        EXPECT_GE(fields[1].toInt(), count) << "line " << i;
        area = fields[0].toInt();
        count = fields[1].toInt();
    }
    EXPECT_LE(count, 3);
    // The first level holds the cells outside the Pareto region (-1) and the least areas.
    long long outside = 0;
    for (const double value : grid.values)
        outside += value == -1.0 ? 1 : 0;
    EXPECT_GE(lines[1].split(',')[0].toLongLong(), outside);
    EXPECT_LT(area, static_cast<int>(grid.values.size()));
}

TEST(ThermographCustomTest, CancelKeepsThePreviousMapAndWritesNoFile) {
    STriangle f;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    CThermograph thermograph;
    f.platform.RequestCancelAfter(10);
    EXPECT_FALSE(MapCustomDistribution(thermograph, f.game, {}));
    EXPECT_TRUE(thermograph.IsOutOfDate());
    EXPECT_TRUE(thermograph.Grid().values.empty());

    f.platform.RequestCancelAfter(-1);
    EXPECT_TRUE(MapCustomDistribution(thermograph, f.game, {}));
    EXPECT_FALSE(thermograph.IsOutOfDate());
    EXPECT_FALSE(thermograph.Grid().levels.empty());
    EXPECT_TRUE(
        QDir(dir.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .isEmpty())
        << "the map alone writes nothing";
    QDir::setCurrent(previous);
}

TEST(ThermographCustomTest, LevelsOfEqualValuesAreOnlyTheHeader) {
    STriangle f;
    SThermographGrid grid;
    grid.pixels = {0, 0, 3, 1};
    grid.values = {2.0, 2.0, 2.0};
    grid.smallest = grid.largest = 2.0;
    EXPECT_TRUE(CustomDistributionLevels(grid, f.game).empty());
    EXPECT_EQ(CustomDistributionText({}), "area,count\n");

    grid.values = {-1.0, 0.0, 10.0};
    grid.smallest = 0.0;
    grid.largest = 10.0;
    const std::vector<SThermographLevel> levels = CustomDistributionLevels(grid, f.game);
    ASSERT_EQ(levels.size(), 100u);
    EXPECT_EQ(levels.front().cells, 2);
    EXPECT_EQ(levels.back().cells, 2) << "the largest value is never reached (t < largest)";
    EXPECT_EQ(CustomDistributionText({{0.0, 2, 1}, {0.1, 3, 2}}), "area,count\n2,1\n3,2\n");
}
