#include "document/ChartThermograph.h"
#include "thermograph/CustomDistribution.h"
#include "thermograph/Thermograph.h"
#include "views/ChartStyle.h"
#include "views/ThermoColors.h"
#include "views/ThermographFixture.h"

#include <cmath>
#include <map>

namespace {

/// The thermograph pictures against the maps the command line computes.
class ThermographPictureTest : public CThermographFixture {
protected:
    void SetUp() override {
        CThermographFixture::SetUp();
        OpenFiveMembers({50, 50}, 40, 36);
    }
    /// The map a command-line run computes for the mode, on one thread.
    CThermograph Reference(int mode) {
        SThermographSettings settings = ThermographSettingsOf(doc.Config());
        settings.threads = 1;
        CThermograph reference;
        const bool done = mode == THERMO_CUSTOM
                              ? MapCustomDistribution(reference, doc.Game(), settings)
                              : reference.MapThermographValues(doc.Game(), mode, settings);
        EXPECT_TRUE(done);
        return reference;
    }
};

TEST_F(ThermographPictureTest, WinSetMapsPaintTheColoursOfTheirValuesPixelForPixel) {
    for (const int shade : {0, 2}) {
        for (const int mode : {THERMO_AREA, THERMO_RADIUS, THERMO_BOD}) {
            SCOPED_TRACE("mode " + std::to_string(mode | shade));
            doc.Config().typeThermo = mode | shade;
            const QImage picture = Picture();
            const SThermographGrid grid = Reference(mode).Grid();
            const QRect plot = chart.Layout().PlotPixels();
            ASSERT_EQ(picture.size(), plot.size());
            // The map's cells end where the plot's frame runs along the right and bottom edge.
            ASSERT_EQ(grid.pixels.left, plot.left());
            ASSERT_EQ(grid.pixels.top, plot.top());
            ASSERT_EQ(grid.Columns(), plot.width() - 1);
            ASSERT_EQ(grid.Rows(), plot.height() - 1);
            ASSERT_GT(grid.largest, grid.smallest) << "a map worth painting";
            int wrong = 0;
            int clear = 0;
            std::map<QRgb, int> colours;
            CVotingGame& game = doc.Game();
            const SThermographSettings settings = ThermographSettingsOf(doc.Config());
            for (int row = 0; row < grid.Rows(); ++row)
                for (int column = 0; column < grid.Columns(); ++column) {
                    // Only the Pareto set's cells have a value; the others show the background.
                    const CFPoint point = game.GridMap().CellToWorld(grid.pixels.left + column,
                                                                     grid.pixels.top + row);
                    const bool valued =
                        game.IsInsideParetoSet(point) ||
                        game.IsInsideUncoveredSet(point, settings.uncoveredGrid,
                                                  settings.excludeYolk, settings.uncoveredBJS);
                    const double v = std::fabs(std::round(grid.At(column, row))) - grid.smallest;
                    const QRgb expected =
                        valued ? ThermoColor(doc.Config(), v, grid.largest - grid.smallest).rgb()
                               : qRgba(0, 0, 0, 0);
                    const QRgb seen = picture.pixel(column, row);
                    wrong += seen != expected;
                    clear += !valued;
                    ++colours[seen];
                }
            EXPECT_EQ(wrong, 0);
            EXPECT_GT(colours.size(), 3u);
            EXPECT_GT(clear, 0) << "cells outside the Pareto set";

            const QImage chartImage = Render();
            const QRect inner = plot.adjusted(1, 1, -1, -1);
            const QRgb background = ToQColor(doc.Config().colorBackground).rgb();
            int differing = 0;
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x) {
                    const QRgb layer = picture.pixel(x - plot.left(), y - plot.top());
                    differing += chartImage.pixel(QPoint(x, y) - chartImage.offset()) !=
                                 (qAlpha(layer) == 0 ? background : layer);
                }
            EXPECT_EQ(differing, 0) << "the chart shows the layer's picture inside its frame";
        }
    }
}

TEST_F(ThermographPictureTest, CustomLevelsColourEachCellByTheLeastLevelHoldingIt) {
    const SDistributionFilesWritten desktop;
    doc.Config().typeThermo = THERMO_CUSTOM;
    const QImage picture = Picture();
    const SThermographGrid grid = Reference(THERMO_CUSTOM).Grid();
    ASSERT_GT(grid.levels.size(), 50u);
    // The level colours are distinct, so each pixel names its level.
    std::map<QRgb, std::size_t> levelOf;
    for (std::size_t k = 0; k < grid.levels.size(); ++k)
        levelOf.emplace(ThermoColor(doc.Config(), grid.levels[k].t - grid.smallest,
                                    grid.largest - grid.smallest)
                            .rgb(),
                        k);
    ASSERT_EQ(levelOf.size(), grid.levels.size());
    std::vector<long long> painted(grid.levels.size(), 0);
    long long clear = 0;
    for (int y = 0; y < grid.Rows(); ++y)
        for (int x = 0; x < grid.Columns(); ++x) {
            const QRgb seen = picture.pixel(x, y);
            const auto level = levelOf.find(seen);
            if (level != levelOf.end())
                ++painted[level->second];
            else
                clear += qAlpha(seen) == 0;
        }
    long long held = 0;
    for (std::size_t k = 0; k < grid.levels.size(); ++k) {
        held += painted[k];
        EXPECT_EQ(held, grid.levels[k].cells) << "level " << k << " holds the cells up to it";
    }
    EXPECT_EQ(held + clear, static_cast<long long>(grid.values.size()))
        << "cells above every level stay clear";
    EXPECT_GT(clear, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("scenario.txt.custom.txt")))
        << "the chart writes the document's distribution file";
}

} // namespace
