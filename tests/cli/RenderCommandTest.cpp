#include "cli/CliRunner.h"

#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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
        {"unknown format", {"render", ExamplePath("five.txt"), "-o", dir.filePath("c.gif")}, 1},
        {"missing scenario", {"render", dir.filePath("none.txt"), "-o", out}, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunCli(c.arguments).exitCode, c.exitCode) << c.name;
    EXPECT_FALSE(QFileInfo::exists(out));
}

TEST(RenderCommandTest, EveryExampleWithEveryDisplay) {
    QTemporaryDir dir;
    for (const char* name :
         {"five.txt", "points-xy.txt", "senate101.txt", "seven-weighted.txt", "triangle.txt"}) {
        const QString out = dir.filePath(QString(name) + ".png");
        const SCliRun run = RunCli({"render", ExamplePath(name), "-o", out, "--show", kEveryDisplay,
                                    "--sq", "40,60", "--set", "nUncoveredSet=10"});
        EXPECT_EQ(run.exitCode, 0) << name << run.Err().toStdString();
        EXPECT_FALSE(QImage(out).isNull()) << name;
    }
}

} // namespace

TEST(RenderCommandTest, ThermographValueMapsArePaintedAndCustomWritesItsFile) {
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
        EXPECT_LT(white, 38 * 38 / 10) << "the map covers the plot";
        EXPECT_GT(colours.size(), 5);
    }
    EXPECT_TRUE(QFileInfo::exists(scenario + ".custom.txt"));
}
