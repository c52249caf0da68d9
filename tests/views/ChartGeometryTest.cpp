#include "views/ChartAxis.h"
#include "views/ChartFixture.h"
#include "views/ChartLayout.h"
#include "views/FrameText.h"

namespace {

TEST(ChartAxisTest, NumberFormatFollowsTheRange) {
    const struct {
        const char* name;
        double range;
        const char* format;
    } cases[] = {
        {"whole range above 10", 100.0, "%2.1f"},
        {"whole range of 10", 10.0, "%1.2f"},
        {"whole range of 1", 1.0, "%1.3f"},
        {"no range", 0.0, "%1.3f"},
        {"thousand", 1000.0, "%3.1f"},
        {"half a unit over", 2.5, "%1.1f"},
        {"a quarter", 0.25, "%1.1f"},
        {"hundredths, left-aligned", 0.01, "%-1.2f"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AxisNumberFormat(c.range), c.format) << c.name;
}

TEST(ChartAxisTest, ZoomShowsTheMiddleOfTheRangeAndTicksCountFromTheMinimum) {
    const CChartAxis whole(0.0, 100.0, 1.0);
    EXPECT_EQ(whole.TickValues(whole.MinorStep()).size(), 21u);
    EXPECT_EQ(whole.TickValues(whole.MajorStep()).size(), 11u);
    EXPECT_EQ(whole.NumberText(50.0), "50.0");

    const CChartAxis zoomed(0.0, 100.0, 2.0);
    EXPECT_DOUBLE_EQ(zoomed.VisibleMinimum(), 25.0);
    EXPECT_DOUBLE_EQ(zoomed.VisibleMaximum(), 75.0);
    const std::vector<double> majors = zoomed.TickValues(zoomed.MajorStep());
    ASSERT_EQ(majors.size(), 5u) << "30, 40, 50, 60, 70";
    EXPECT_DOUBLE_EQ(majors.front(), 30.0);

    const CChartAxis shifted(-7.0, 13.0, 1.0);
    EXPECT_DOUBLE_EQ(shifted.TickValues(shifted.MajorStep()).front(), -7.0);
}

class ChartGeometryTest : public CChartFixture {};

TEST_F(ChartGeometryTest, ScaleCornersLandOnThePlotCorners) {
    LoadExample("triangle.txt");
    chart.Update(doc);
    const CChartLayout& layout = chart.Layout();
    EXPECT_EQ(layout.ToChart(CFPoint(0, 0)), layout.PlotPixels().bottomLeft());
    EXPECT_EQ(layout.ToChart(CFPoint(100, 100)), layout.PlotPixels().topRight());
    EXPECT_EQ(layout.PlotPixels(), QRect(QPoint(50, 50), QPoint(450, 450)));

    doc.SetZoom(2.0);
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().ToChart(CFPoint(25, 25)), QPoint(50, 450));
    EXPECT_EQ(chart.Layout().ToChart(CFPoint(75, 75)), QPoint(450, 50));
}

TEST_F(ChartGeometryTest, AxisNumbersNeverRunIntoEachOther) {
    LoadExample("triangle.txt");
    for (const int side : {400, 160, 90}) {
        doc.Config().szChart = {side, side};
        chart.Update(doc);
        const std::vector<QRect> rects = CFrameText(doc.Config(), chart.Layout()).TextRects();
        for (std::size_t i = 0; i < rects.size(); ++i)
            for (std::size_t j = i + 1; j < rects.size(); ++j)
                EXPECT_FALSE(rects[i].intersects(rects[j])) << side << ": " << i << ", " << j;
        if (side == 400)
            EXPECT_EQ(rects.size(), 24u) << "a plot of 400 pixels numbers all 22 major ticks";
        else
            EXPECT_LT(rects.size(), 24u) << side;
    }
}

TEST_F(ChartGeometryTest, StatusQuoAtTheScaleMinimumIsDrawnAtThePlotsLowerLeftPixel) {
    LoadExample("triangle.txt");
    ShowNothing();
    doc.Config().flagStatusQuo = 1;
    doc.Config().lbStatusQuo = {BrushStyle::Solid, 0, MakeRgb(200, 0, 0)};
    doc.Config().lpStatusQuo = {PenStyle::Solid, 1, MakeRgb(200, 0, 0)};
    doc.SetStatusQuo(CFPoint(0, 0));
    const QImage image = Render();
    // The 7-pixel symbol about (50, 450) is cut by the plot and its black frame: what stays
    // visible is the 3 by 3 corner just inside the frame.
    const QRect plot = chart.Layout().PlotPixels().translated(-image.offset());
    const QRect inside = QRect(51, 447, 3, 3).translated(-image.offset());
    EXPECT_EQ(CountColor(image, qRgb(200, 0, 0), plot), 9);
    EXPECT_EQ(ColorBox(image.copy(plot), qRgb(200, 0, 0)).translated(plot.topLeft()), inside);
    EXPECT_EQ(image.pixel(QPoint(50, 450) - image.offset()) & 0xFFFFFF, 0u)
        << "the frame passes over the corner";
}

TEST_F(ChartGeometryTest, ChartSizeSetsThePlotAndTinySizesKeepThePreviousOne) {
    LoadExample("triangle.txt");
    doc.Config().szChart = {300, 200};
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().PlotPixels(), QRect(QPoint(50, 50), QPoint(350, 250)));
    const QImage image = Render();
    EXPECT_GE(image.width(), 400) << "the frame and the legend lie beyond the plot";
    doc.Config().szChart = {5, 5};
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().PlotPixels(), QRect(QPoint(50, 50), QPoint(350, 250)));
}

TEST_F(ChartGeometryTest, TitleJoinsDescriptionHouseAndCommittee) {
    LoadExample("triangle.txt");
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().Title(), "Group / Committee");
    EXPECT_EQ(chart.Layout().HorizontalTitle(), "Economic policy");
    EXPECT_EQ(chart.Layout().VerticalTitle(), "Social policy");
    doc.Header().description = "Budget";
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().Title(), "Budget / Group / Committee");
}

TEST(ChartFitTest, ThePlotIsTheLargestWithTheScaleBoxAspectThatLeavesRoomAround) {
    const struct {
        const char* name;
        QSize view;
        SEdges box;
        int width, height;
    } cases[] = {
        {"square box in a wide view", {1000, 700}, {0, 100, 100, 0}, 500, 500},
        {"square box in a tall view", {700, 1000}, {0, 100, 100, 0}, 300, 300},
        {"wide box", {1000, 700}, {0, 200, 100, 0}, 600, 300},
        {"a view too small keeps the least plot", {200, 150}, {0, 100, 100, 0}, 100, 100},
        {"an empty box counts as square", {1000, 700}, {5, 5, 100, 0}, 500, 500},
    };
    for (const auto& c : cases) {
        const SSizeSpec size = FittedChartSize(c.view, QSize(400, 200), c.box);
        EXPECT_EQ(size.cx, c.width) << c.name;
        EXPECT_EQ(size.cy, c.height) << c.name;
    }
}

TEST_F(ChartGeometryTest, ZoomAboutAPointKeepsItWhereItWasAndPanMovesTheWindow) {
    LoadExample("triangle.txt");
    chart.Update(doc);
    const QPoint before = chart.Layout().ToChart(CFPoint(20.0, 80.0));
    doc.ZoomAbout(4.0, CFPoint(20.0, 80.0));
    chart.Update(doc);
    EXPECT_EQ(chart.Layout().ToChart(CFPoint(20.0, 80.0)), before);
    EXPECT_NEAR(chart.Layout().HorizontalAxis().VisibleMaximum() -
                    chart.Layout().HorizontalAxis().VisibleMinimum(),
                25.0, 1e-9);
    EXPECT_EQ(chart.Layout().Map().DeviceRect().left, doc.Game().GridMap().DeviceRect().left);
    EXPECT_NEAR(doc.Game().GridMap().CellToWorld(before).x, 20.0, 0.1)
        << "the game computes on the chart's map";
    doc.SetZoomAndPan(1.0, CFPoint(0.25, 0.0));
    chart.Update(doc);
    EXPECT_NEAR(chart.Layout().HorizontalAxis().VisibleMinimum(), 25.0, 1e-9);
    EXPECT_NEAR(chart.Layout().HorizontalAxis().VisibleMaximum(), 125.0, 1e-9);
    EXPECT_FALSE(doc.IsModified()) << "the view is not part of the scenario";
}

} // namespace
