#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/Member.h"
#include "preferences/VoteGrid.h"
#include "views/ChartDrawing.h"
#include "views/ChartFixture.h"
#include "views/CoalitionList.h"
#include "views/PointSymbol.h"
#include "views/ThermoColors.h"

#include <QPainter>

namespace {

constexpr QRgb kMark = qRgb(1, 2, 3);
const std::uint32_t kMarkRgb = MakeRgb(1, 2, 3);

class ChartLayersTest : public CChartFixture {
protected:
    /// The plot's inner pixels (inside the black frame) in image coordinates.
    QRect Inner(const QImage& image) const {
        return chart.Layout().PlotPixels().adjusted(1, 1, -1, -1).translated(-image.offset());
    }
    /// The cells of a region that lie inside the plot's frame.
    long long InnerCells(const CRgn& rgn) const {
        const QRect inner = chart.Layout().PlotPixels().adjusted(1, 1, -1, -1);
        return static_cast<long long>(RgnCellCount([&] {
            CRgn clip, cut;
            clip.CreateRectRgn(inner.left(), inner.top(), inner.right() + 1, inner.bottom() + 1);
            cut.CombineRgn(rgn, clip, RGN_AND);
            return cut;
        }()));
    }
};

TEST_F(ChartLayersTest, FilledWinSetPaintsExactlyItsCells) {
    LoadExample("senate101.txt");
    ShowNothing();
    doc.SetStatusQuo(CFPoint(35, 62));
    doc.Config().flagWinSet = 1;
    doc.Config().lbWinSet = {BrushStyle::Solid, 0, kMarkRgb};
    doc.Config().lpWinSet = {PenStyle::Null, 1, 0};
    const QImage image = Render();
    const long long cells = InnerCells(doc.Game().GetWinSet().GetRgn());
    ASSERT_GT(cells, 1000) << "a win set worth counting";
    EXPECT_EQ(CountColor(image, kMark, Inner(image)), cells);
}

TEST_F(ChartLayersTest, FramedRegionKeepsInsideTheRegion) {
    LoadExample("triangle.txt");
    ShowNothing();
    doc.SetStatusQuo(CFPoint(45, 55));
    doc.Config().flagWinSet = 1;
    doc.Config().lbWinSet = {BrushStyle::Null, 0, 0};
    doc.Config().lpWinSet = {PenStyle::Solid, 2, kMarkRgb};
    const QImage image = Render();
    const CRgn& winSet = doc.Game().GetWinSet().GetRgn();
    SIntRect box{};
    winSet.GetRgnBox(&box);
    const QRect bounds = QRect(QPoint(box.left, box.top), QPoint(box.right - 1, box.bottom - 1))
                             .translated(-image.offset());
    const QRect plot = Inner(image).adjusted(-1, -1, 1, 1);
    const QRect painted = ColorBox(image.copy(plot), kMark).translated(plot.topLeft());
    ASSERT_FALSE(painted.isEmpty());
    EXPECT_TRUE(bounds.contains(painted)) << "the frame lies inside the bounding box";
    const QRegion frame = RegionFrame(winSet.ToQRegion(), 2, 2);
    long long frameCells = 0;
    for (const QRect& r : frame)
        frameCells += static_cast<long long>(r.width()) * r.height();
    EXPECT_EQ(CountColor(image, kMark, plot), frameCells);
    EXPECT_LT(frameCells, winSet.CellCount()) << "only the rim is painted";
}

/// The pixels a symbol paints on a white image, and their bounding box.
std::pair<int, QRect> SymbolPixels(int shape, int w, int h) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRect rect = SymbolRect(QPoint(20, 20), {w, h});
    DrawPointSymbol(painter, rect, {shape, {PenStyle::Solid, 1, 0}, {BrushStyle::Solid, 0, 255}});
    painter.end();
    int count = 0;
    QRect box;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                ++count;
                box = box.united(QRect(x, y, 1, 1));
            }
    return {count, box};
}

TEST(PointSymbolTest, EveryShapeKeepsToItsRectangle) {
    const struct {
        const char* name;
        int shape, w, h, pixels; // pixels < 0: only the box is checked
    } cases[] = {
        {"rectangle 5x5", 2, 5, 5, 25},
        {"rectangle 9x6", 2, 9, 6, 54},
        {"cross 5x5", 3, 5, 5, 9},
        {"cross 9x9", 3, 9, 9, 17},
        {"plus 5x5", 4, 5, 5, 9},
        {"plus 8x6", 4, 8, 6, 13},
        {"rectangle plus 7x7", 6, 7, 7, 49},
        {"ellipse 5x5", 0, 5, 5, -1},
        {"ellipse 11x7", 0, 11, 7, -1},
        {"triangle 7x7", 1, 7, 7, -1},
        {"ellipse plus 9x9", 5, 9, 9, -1},
        {"rings 11x11", 7, 11, 11, -1},
        {"unknown code 12", 12, 7, 7, -1},
    };
    for (const auto& c : cases) {
        const auto [count, box] = SymbolPixels(c.shape, c.w, c.h);
        const QRect rect = SymbolRect(QPoint(20, 20), {c.w, c.h});
        EXPECT_TRUE(rect.contains(box)) << c.name;
        EXPECT_EQ(box.width(), c.w) << c.name;
        if (c.pixels >= 0)
            EXPECT_EQ(count, c.pixels) << c.name;
        else
            EXPECT_LT(count, c.w * c.h) << c.name << " leaves its corners free";
    }
    EXPECT_EQ(SymbolPixels(12, 7, 7), SymbolPixels(0, 7, 7)) << "other codes are ellipses";
    EXPECT_GT(SymbolPixels(7, 11, 11).first, SymbolPixels(0, 11, 11).first - 60)
        << "rings fill the ellipse with circles";
}

TEST(PointSymbolTest, InvertedSymbolDrawnTwiceRestoresThePixels) {
    QImage image(30, 30, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    const QImage before = image.copy();
    QPainter painter(&image);
    for (const int shape : {0, 1, 2, 4, 7}) {
        const SPointStyle style{shape, {PenStyle::Solid, 1, MakeRgb(255, 0, 0)}, {}};
        DrawInvertedSymbol(painter, QRect(10, 10, 9, 9), style);
        EXPECT_NE(image, before) << shape;
        DrawInvertedSymbol(painter, QRect(10, 10, 9, 9), style);
        EXPECT_EQ(image, before) << shape;
    }
}

TEST_F(ChartLayersTest, OnePixelPointsStillGiveThreeByThreeMarkedPoints) {
    LoadExample("triangle.txt");
    ShowNothing();
    doc.Config().szPoint = {1, 1};
    doc.Config().flagStatusQuo = 1;
    doc.Config().lbStatusQuo = {BrushStyle::Solid, 0, kMarkRgb};
    doc.Config().lpStatusQuo = {PenStyle::Solid, 1, kMarkRgb};
    doc.SetStatusQuo(CFPoint(30, 60));
    chart.Layout().SetLegendShown(false);
    const QImage image = Render();
    const QPoint centre = chart.Layout().ToChart(CFPoint(30, 60)) - image.offset();
    EXPECT_EQ(ColorBox(image, kMark), QRect(centre - QPoint(1, 1), QSize(3, 3)));
    EXPECT_EQ(CountColor(image, kMark, image.rect()), 9);
}

TEST_F(ChartLayersTest, HiddenStatusQuoIsNeitherDrawnNorListed) {
    LoadExample("triangle.txt");
    doc.Config().flagStatusQuo = 0;
    doc.Config().lbStatusQuo = {BrushStyle::Solid, 0, kMarkRgb};
    doc.Config().lpStatusQuo = {PenStyle::Solid, 1, kMarkRgb};
    const QImage image = Render();
    EXPECT_EQ(CountColor(image, kMark, image.rect()), 0);
    EXPECT_FALSE(Svg().contains("status quo")) << "nor listed in the legend";
}

TEST_F(ChartLayersTest, CoalitionMarksFiftyAndCutsTheList) {
    std::vector<std::pair<double, double>> members;
    for (int i = 0; i < 60; ++i)
        members.emplace_back(10 + i % 10, 10 + i / 10);
    for (int i = 0; i < 5; ++i)
        members.emplace_back(90 - i, 90);
    LoadText(MembersScenario(members, {80, 80}, {15, 12}));
    doc.Config().flagCoalition = 1;
    const SCoalition coalition = BuildCoalition(doc);
    EXPECT_EQ(coalition.marked.size(), 50u);
    ASSERT_EQ(coalition.lines.size(), 2u + 51u + 2u);
    EXPECT_EQ(coalition.lines.front(), "Members Preferring the Proposal:");
    EXPECT_EQ(coalition.lines[2], "M0") << "last name, first name without a first name";
    EXPECT_EQ(coalition.lines[53], "Count: 60");
    EXPECT_EQ(coalition.lines[54], "List trunctated (too long)");

    doc.Config().nCoalition = 60;
    EXPECT_EQ(BuildCoalition(doc).lines.back(), "Count: 60") << "nothing cut";
    const QString svg = Svg();
    EXPECT_TRUE(svg.contains(">Count: 60<"));
    EXPECT_TRUE(svg.contains(">coalition<")) << "the legend names the mark";
}

} // namespace

namespace {

class ThermographLayerTest : public CChartFixture {};

TEST_F(ThermographLayerTest, VoteModesColourPixelsByTheirVotes) {
    LoadExample("five.txt");
    ShowNothing();
    doc.Config().flagThermo = 1;
    chart.Layout().SetLegendShown(false);
    const CFPoint probes[] = {{40, 50}, {50, 55}, {20, 80}, {70, 30}};
    for (const int mode : {8, 16, 32}) {
        doc.Config().typeThermo = mode;
        const QImage image = Render();
        const double total = doc.Game().VoteTotal(), quota = doc.Game().VoteQuota();
        const double bound = mode == 8 ? 0 : quota - (mode == 16 ? 1 : 2);
        const CVoteGrid& votes = doc.Game().VoteGrid();
        for (const CFPoint& probe : probes) {
            const QPoint cell = chart.Layout().ToChart(probe);
            const double v =
                votes.Grid().At(cell.y() - votes.Device().top, cell.x() - votes.Device().left);
            const QColor expected = v > bound ? ThermoColor(doc.Config(), v, total) : Qt::white;
            EXPECT_EQ(QColor(image.pixel(cell - image.offset())), expected)
                << "mode " << mode << " at " << probe.x << ", " << probe.y << " with " << v;
        }
    }
}

TEST_F(ThermographLayerTest, DistanceModeIsLeastNearTheMembersMiddle) {
    LoadExample("triangle.txt");
    ShowNothing();
    doc.Config().flagThermo = 1;
    doc.Config().typeThermo = 64 | 2; // shade mode: white at the least sum, the colour at the top
    chart.Layout().SetLegendShown(false);
    const QImage image = Render();
    const auto lightness = [&](const CFPoint& p) {
        return QColor(image.pixel(chart.Layout().ToChart(p) - image.offset())).lightness();
    };
    EXPECT_GT(lightness(CFPoint(50, 42)), lightness(CFPoint(50, 90)));
    EXPECT_GT(lightness(CFPoint(50, 90)), lightness(CFPoint(2, 98)));
}

} // namespace
