#include "CliDirTest.h"

#include <QImage>
#include <QRegularExpression>

namespace {

/// render --size and --dpi: the figure's size on paper, read back from the files as a viewer
/// reads it (the PDF page's media box, the SVG root's width and height).
class FigureSizeCommandTest : public CliDirTest {
protected:
    SCliRun Render(const QString& out, const QStringList& extra = {}) const {
        return Run(
            QStringList{"render", ExamplePath("five.txt"), "-o", out, "--show", "winset,yolk"} +
            extra);
    }
    /// The width and height of the first page's media box, in points.
    QSizeF MediaBox(const QString& name) const {
        static const QRegularExpression box(
            R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
        const QRegularExpressionMatch match = box.match(QString::fromLatin1(Contents(name)));
        return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                                : QSizeF();
    }
    /// The SVG root's width and height attributes.
    QStringList SvgSize(const QString& name) const {
        static const QRegularExpression root(R"re(<svg width="([^"]*)" height="([^"]*)")re");
        const QRegularExpressionMatch match = root.match(QString::fromUtf8(Contents(name)));
        return match.hasMatch() ? QStringList{match.captured(1), match.captured(2)} : QStringList();
    }
    /// The chart's size in pixels, from a PNG of it.
    QSize Pixels() const {
        EXPECT_EQ(Render(Path("chart.png")).exitCode, 0);
        return QImage(Path("chart.png")).size();
    }
};

TEST_F(FigureSizeCommandTest, APdfPageTakesTheSizeOrResolutionAsked) {
    const QSize pixels = Pixels();
    ASSERT_FALSE(pixels.isEmpty());
    const struct {
        const char* name;
        QStringList option;
        QSizeF points;
    } cases[] = {
        {"nothing asked", {}, QSizeF(pixels) * 72.0 / 96},
        {"millimetres", {"--size", "120x90mm"}, QSizeF(120, 90) * 72 / 25.4},
        {"inches", {"--size", "4.5x3in"}, QSizeF(324, 216)},
        {"dots per inch", {"--dpi", "300"}, QSizeF(pixels) * 72.0 / 300},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(Render(Path("chart.pdf"), c.option).exitCode, 0) << c.name;
        const QSizeF box = MediaBox("chart.pdf");
        // The writer keeps the page in whole points.
        EXPECT_NEAR(box.width(), c.points.width(), 0.5) << c.name;
        EXPECT_NEAR(box.height(), c.points.height(), 0.5) << c.name;
    }
}

TEST_F(FigureSizeCommandTest, AnSvgChangesItsSizeOnPaperAndNothingElse) {
    const QSize pixels = Pixels();
    ASSERT_EQ(Render(Path("plain.svg")).exitCode, 0);
    ASSERT_EQ(Render(Path("mm.svg"), {"--size", "120x90mm"}).exitCode, 0);
    ASSERT_EQ(Render(Path("dpi.svg"), {"--dpi", "192"}).exitCode, 0);
    EXPECT_EQ(SvgSize("mm.svg"), (QStringList{"120mm", "90mm"}));
    EXPECT_EQ(SvgSize("dpi.svg"), (QStringList{QString::number(pixels.width() / 192.0) + "in",
                                               QString::number(pixels.height() / 192.0) + "in"}));
    const QStringList plainSize = SvgSize("plain.svg");
    ASSERT_EQ(plainSize.size(), 2);
    QByteArray resized = Contents("mm.svg");
    resized.replace(
        R"(<svg width="120mm" height="90mm")",
        QString(R"(<svg width="%1" height="%2")").arg(plainSize[0], plainSize[1]).toUtf8());
    EXPECT_EQ(resized, Contents("plain.svg")) << "the drawing and its view box stay the chart's";
}

TEST_F(FigureSizeCommandTest, BadSizesAreUsageErrorsWithTheRange) {
    const QString range = "sides from 1 to 5000 mm (0.04 to 196.85 in)";
    const struct {
        const char* out;
        QStringList option;
        QString message;
    } cases[] = {
        {"a.pdf", {"--size", "0x90mm"}, "--size takes " + range},
        {"a.pdf", {"--size", "9000x90mm"}, "--size takes " + range},
        {"a.pdf", {"--size", "200x3in"}, "--size takes " + range},
        {"a.pdf",
         {"--size", "120x90"},
         "--size takes WxHmm or WxHin, such as 120x90mm, with " + range},
        {"a.svg",
         {"--size", "12cmx9cm"},
         "--size takes WxHmm or WxHin, such as 120x90mm, with " + range},
        {"a.pdf", {"--dpi", "5"}, "--dpi takes a number from 10 to 10000"},
        {"a.svg", {"--dpi", "many"}, "--dpi takes a number from 10 to 10000"},
        {"a.pdf", {"--dpi", "300", "--size", "4x3in"}, "give --size or --dpi, not both"},
        {"a.png", {"--dpi", "300"}, "--size and --dpi apply to .svg and .pdf figures"},
        {"a.bmp", {"--size", "4x3in"}, "--size and --dpi apply to .svg and .pdf figures"},
    };
    for (const auto& c : cases) {
        const SCliRun run = Render(Path(c.out), c.option);
        EXPECT_EQ(run.exitCode, 2) << c.option.join(' ').toStdString();
        EXPECT_TRUE(run.Err().startsWith("quelta-cli: " + c.message + "\n"))
            << run.Err().toStdString();
        EXPECT_FALSE(QFile::exists(Path(c.out))) << c.out;
    }
}

} // namespace
