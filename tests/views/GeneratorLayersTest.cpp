#include "views/ChartFixture.h"
#include "views/PointSymbol.h"

namespace {

constexpr QRgb kMark = qRgb(1, 2, 3);

class GeneratorLayersTest : public CChartFixture {
protected:
    void SetUp() override {
        CChartFixture::SetUp();
        LoadExample("triangle.txt");
        ShowNothing();
    }
    /// A chart rectangle in the pixels of a rendered image.
    static QRect InImage(const QImage& image, const QRect& chartRect) {
        return chartRect.translated(-image.offset());
    }
};

TEST_F(GeneratorLayersTest, DrawnPointsAreCrossesOfTheMemberPenWhereverMembersAreHidden) {
    doc.Config().lpPlayer.color = MakeRgb(1, 2, 3);
    doc.DrawnPoints() = {CFPoint(25.0, 25.0), CFPoint(75.0, 60.0)};
    const QImage image = Render();
    long long inside = 0;
    for (const CFPoint& point : doc.DrawnPoints()) {
        const QRect symbol =
            InImage(image, SymbolRect(chart.Layout().ToChart(point), doc.Config().szPoint));
        const long long marked = CountColor(image, kMark, symbol);
        EXPECT_GE(marked, 5) << point.x << "," << point.y;
        EXPECT_EQ(image.pixel(symbol.center()) & 0xFFFFFF, kMark & 0xFFFFFF)
            << "the two strokes cross in the middle";
        EXPECT_NE(image.pixel(symbol.center() + QPoint(0, 1)) & 0xFFFFFF, kMark & 0xFFFFFF)
            << "a cross, not a filled symbol";
        inside += marked;
    }
    EXPECT_EQ(CountColor(image, kMark, image.rect()), inside) << "nothing else is drawn";

    doc.DrawnPoints().clear();
    EXPECT_TRUE(ColorBox(Render(), kMark).isEmpty());
}

TEST_F(GeneratorLayersTest, AgendaPathJoinsItsStatusQuosInOrder) {
    doc.Config().colorDefault = MakeRgb(1, 2, 3);
    doc.AgendaPath() = {CFPoint(20.0, 30.0), CFPoint(80.0, 30.0)};
    QImage image = Render();
    const QPoint from = chart.Layout().ToChart(doc.AgendaPath().front());
    const QPoint to = chart.Layout().ToChart(doc.AgendaPath().back());
    ASSERT_EQ(from.y(), to.y());
    EXPECT_EQ(ColorBox(image, kMark).translated(image.offset()),
              QRect(from.x() - 2, from.y() - 2, to.x() - from.x() + 5, 5))
        << "the segment with a plus at either end";

    doc.AgendaPath() = {CFPoint(50.0, 50.0)};
    image = Render();
    const QPoint at = chart.Layout().ToChart(doc.AgendaPath().front());
    EXPECT_EQ(ColorBox(image, kMark).translated(image.offset()),
              QRect(at.x() - 2, at.y() - 2, 5, 5))
        << "a path that never moved is one mark";
}

} // namespace
