#include "cli/CliRunner.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const QString kEveryDisplay =
    "winset,quotalines,qualified,petals,spokes,cardioid,yolk,yolktriangle,pareto,core,heart,"
    "uncovered,banks,copeland,trimedian,schattschneider,indifference,coalition,names,grid,"
    "powerindex,thermograph,histogram,statistics,budget,candidates";

TEST(RenderCommandTest, EveryFormatIsWritten) {
    QTemporaryDir dir;
    for (const char* format : {"png", "bmp", "svg", "pdf"}) {
        const QString out = dir.filePath(QString("chart.") + format);
        const SCliRun run = RunCli({"render", ExamplePath("five.txt"), "-o", out, "--show",
                                    "winset,yolk,pareto,uncovered"});
        EXPECT_EQ(run.exitCode, 0) << format << run.Err().toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.Err().toStdString();
        EXPECT_GT(QFileInfo(out).size(), 1000) << format;
    }
    const QImage png(dir.filePath("chart.png"));
    const QImage bmp(dir.filePath("chart.bmp"));
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), bmp.size());
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), bmp.convertToFormat(QImage::Format_RGB32))
        << "the same picture in both files";
    EXPECT_TRUE(QFile(dir.filePath("chart.pdf")).open(QIODevice::ReadOnly));
}

TEST(RenderCommandTest, ChartSizeAndLegendSwitchSetTheImageSize) {
    QTemporaryDir dir;
    const QString small = dir.filePath("small.png"), bare = dir.filePath("bare.png");
    ASSERT_EQ(
        RunCli({"render", ExamplePath("triangle.txt"), "-o", small, "--chart", "200x150"}).exitCode,
        0);
    ASSERT_EQ(RunCli({"render", ExamplePath("triangle.txt"), "-o", bare, "--chart", "200x150",
                      "--legend", "0"})
                  .exitCode,
              0);
    EXPECT_EQ(QImage(bare).size(), QSize(301, 251)) << "the plot and its 50-pixel frame";
    EXPECT_GT(QImage(small).width(), QImage(bare).width()) << "the legend lies to the right";
}

TEST(RenderCommandTest, UsageErrors) {
    QTemporaryDir dir;
    const QString out = dir.filePath("chart.png");
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {"no output", {"render", ExamplePath("five.txt")}, 2},
        {"unknown display", {"render", ExamplePath("five.txt"), "-o", out, "--show", "wings"}, 2},
        {"bad legend switch", {"render", ExamplePath("five.txt"), "-o", out, "--legend", "2"}, 2},
        {"unknown format", {"render", ExamplePath("five.txt"), "-o", dir.filePath("c.gif")}, 2},
        {"missing scenario", {"render", dir.filePath("none.txt"), "-o", out}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunCli(c.arguments).exitCode, c.exitCode) << c.name;
    EXPECT_FALSE(QFileInfo::exists(out));
}

/// How many pixels of the first picture differ in the second (which may be wider: the
/// coalition's panel lies to the right of the plot).
int DifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            different += a.pixel(x, y) != b.pixel(x, y);
    return different;
}

QImage Render(const QString& example, const QString& out, const QString& show,
              const QStringList& extra = {}) {
    const SCliRun run = RunCli(QStringList{"render", example, "-o", out, "--show", show, "--legend",
                                           "0", "--sq", "40,60", "--set", "nUncoveredSet=10"} +
                               extra);
    EXPECT_EQ(run.exitCode, 0) << show.toStdString() << ": " << run.Err().toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.Err().toStdString();
    return QImage(out).convertToFormat(QImage::Format_RGB32);
}

TEST(RenderCommandTest, EveryExampleWithEveryDisplay) {
    QTemporaryDir dir;
    for (const char* name :
         {"five.txt", "points-xy.txt", "senate101.txt", "seven-weighted.txt", "triangle.txt"}) {
        SCOPED_TRACE(name);
        const QImage bare = Render(ExamplePath(name), dir.filePath("bare.png"), "");
        const QImage every = Render(ExamplePath(name), dir.filePath("every.png"), kEveryDisplay);
        ASSERT_FALSE(bare.isNull());
        ASSERT_GE(every.height(), bare.height()) << "the coalition's panel may add to it";
        ASSERT_GE(every.width(), bare.width());
        QSet<QRgb> colours;
        for (int y = 0; y < bare.height(); ++y)
            for (int x = 0; x < bare.width(); ++x)
                colours.insert(bare.pixel(x, y));
        EXPECT_GT(colours.size(), 3) << "even the bare chart shows its frame and members";
        EXPECT_GT(DifferentPixels(bare, every), bare.width() * bare.height() / 20)
            << "the displays cover much of the chart";
    }
}

TEST(RenderCommandTest, EachDisplayDrawsOnTheChart) {
    QTemporaryDir dir;
    const QStringList small = {"--chart", "120x120"};
    const QImage bare = Render(ExamplePath("five.txt"), dir.filePath("bare.png"), "", small);
    ASSERT_FALSE(bare.isNull());
    for (const QString& display : kEveryDisplay.split(',')) {
        // Five members in general position have a core only under a larger rule, and the
        // example has no candidates, so their display rightly draws nothing.
        const bool core = display == "core";
        const QImage shown = Render(ExamplePath("five.txt"), dir.filePath(display + ".png"),
                                    display, core ? small + QStringList{"--rule", "0.75"} : small);
        EXPECT_GE(shown.height(), bare.height()) << display.toStdString();
        const int different = DifferentPixels(bare, shown);
        if (display == "candidates")
            EXPECT_EQ(different, 0) << "no candidates, nothing drawn";
        else
            EXPECT_GT(different, display == "banks" || core ? 0 : 10) // dots and a sliver
                << display.toStdString() << " draws nothing";
    }
}

} // namespace

TEST(RenderCommandTest, ThermographValueMapsArePaintedAndNoDistributionFileIsLeft) {
    QTemporaryDir dir;
    const QString scenario = dir.filePath("five.txt");
    ASSERT_TRUE(QFile::copy(ExamplePath("five.txt"), scenario));
    for (const char* mode : {"512", "1024", "2048", "4096"}) {
        SCOPED_TRACE(mode);
        const QString out = dir.filePath(QString("thermo%1.png").arg(mode));
        const SCliRun run =
            RunCli({"render", scenario, "-o", out, "--chart", "40x40", "--legend", "0", "--show",
                    "thermograph", "--set", QString("typeThermo=") + mode});
        ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
        const QImage image = QImage(out).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(image.size(), QSize(141, 141)) << "the plot and its frame";
        QSet<QRgb> colours;
        int white = 0;
        for (int y = 51; y < 89; ++y)
            for (int x = 51; x < 89; ++x) {
                colours.insert(image.pixel(x, y));
                white += image.pixel(x, y) == qRgb(255, 255, 255);
            }
        // The value maps colour the Pareto set; the cells without a value show the background.
        EXPECT_LT(white, 38 * 38) << "the map is painted";
        if (QString(mode) != "4096") {
            EXPECT_GT(white, 0) << "cells outside the Pareto set keep the background";
        }
        EXPECT_GT(colours.size(), 5);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"five.txt", "thermo1024.png", "thermo2048.png", "thermo4096.png",
                           "thermo512.png"}))
        << "a picture writes no distribution file";

    // Nor beside a database, through a link planted at the name it would have had.
    const QString database = dir.filePath("legislature.sqlite");
    ASSERT_TRUE(QFile::copy(ExamplePath("legislature.sqlite"), database));
    const QString victim = WriteFile(dir, "victim.txt", "keep\n");
    ASSERT_TRUE(QFile::link(victim, database + ".custom.txt"));
    const SCliRun run = RunCli({"render", "--db", database, "--scenario", "Tax reform", "-o",
                                dir.filePath("db.png"), "--chart", "30x30", "--show", "thermograph",
                                "--set", "typeThermo=4096"});
    ASSERT_EQ(run.exitCode, 0) << run.Err().toStdString();
    QFile kept(victim);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep\n");
}
