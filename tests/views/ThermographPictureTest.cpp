#include "document/ChartThermograph.h"
#include "thermograph/CustomDistribution.h"
#include "thermograph/Thermograph.h"
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
            std::map<QRgb, int> colours;
            for (int row = 0; row < grid.Rows(); ++row)
                for (int column = 0; column < grid.Columns(); ++column) {
                    const double v = std::fabs(std::round(grid.At(column, row))) - grid.smallest;
                    const QRgb expected =
                        ThermoColor(doc.Config(), v, grid.largest - grid.smallest).rgb();
                    const QRgb seen = picture.pixel(column, row);
                    wrong += seen != expected;
                    ++colours[seen];
                }
            EXPECT_EQ(wrong, 0);
            EXPECT_GT(colours.size(), 3u);

            const QImage chartImage = Render();
            const QRect inner = plot.adjusted(1, 1, -1, -1);
            int differing = 0;
            for (int y = inner.top(); y <= inner.bottom(); ++y)
                for (int x = inner.left(); x <= inner.right(); ++x)
                    differing += chartImage.pixel(QPoint(x, y) - chartImage.offset()) !=
                                 picture.pixel(x - plot.left(), y - plot.top());
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
    long long white = 0;
    for (int y = 0; y < grid.Rows(); ++y)
        for (int x = 0; x < grid.Columns(); ++x) {
            const QRgb seen = picture.pixel(x, y);
            const auto level = levelOf.find(seen);
            if (level != levelOf.end())
                ++painted[level->second];
            else
                white += seen == qRgb(255, 255, 255);
        }
    long long held = 0;
    for (std::size_t k = 0; k < grid.levels.size(); ++k) {
        held += painted[k];
        EXPECT_EQ(held, grid.levels[k].cells) << "level " << k << " holds the cells up to it";
    }
    EXPECT_EQ(held + white, static_cast<long long>(grid.values.size()))
        << "cells above every level stay white";
    EXPECT_GT(white, 0);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath("scenario.txt.custom.txt")))
        << "the chart writes the document's distribution file";
}

} // namespace
