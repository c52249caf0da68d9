#include "app/ChartActions.h"
#include "app/ChartFit.h"
#include "app/MainWindow.h"
#include "document/FileCommands.h"
#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "views/widgets/InputView.h"
#include "views/widgets/VisualView.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

/// The real main window on a shipped example: its chart follows the window's size, zooms with
/// the wheel, pans with the middle button, and saves and copies its graphics.
class ChartWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QUELTA_EXAMPLES "/triangle.txt"));
        Fit().Action()->setChecked(true);
        frame->resize(1300, 850);
        frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        Settle();
    }
    void TearDown() override { Fit().Action()->setChecked(true); }

    CVisualView& View() { return frame->ChartView(); }
    CChartFit& Fit() { return frame->ChartActions().Fit(); }
    QSize PlotSize() {
        const SIntRect& plot = View().Model().Layout().Plot();
        return QSize(plot.right - plot.left, plot.bottom - plot.top);
    }
    /// Waits until a resize has settled and the chart follows it.
    void Settle() { QTest::qWait(400); }
    /// The widget position of an issue-space point.
    QPoint At(double x, double y) {
        return View().ToWidget(View().Model().Layout().ToChart(CFPoint(x, y)));
    }
    CFPoint WorldAt(const QPoint& position) {
        return View().Model().Layout().ToWorld(View().ToLogical(position));
    }
    void Wheel(const QPoint& position, int notches) {
        QWheelEvent event(position, View().mapToGlobal(position), QPoint(),
                          QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&View(), &event);
    }
    QString ZoomField() { return frame->InputView().findChild<QLineEdit*>("zoom")->text(); }
    QSize Room() {
        auto* area = qobject_cast<QScrollArea*>(View().parentWidget()->parentWidget());
        return area ? area->maximumViewportSize() : QSize();
    }
    /// Drags a member and the legend with real events and checks that each lands where the
    /// mouse let it go.
    void ExpectMemberAndLegendFollowTheMouse() {
        CMember& member = *doc.Header().currentCommittee->Members().front();
        const QPoint to = At(member.IdealPoint().x + 6.0, member.IdealPoint().y + 4.0);
        const CFPoint target = WorldAt(to);
        QTest::mousePress(&View(), Qt::LeftButton, {},
                          At(member.IdealPoint().x, member.IdealPoint().y));
        QTest::mouseMove(&View(), to);
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, to);
        EXPECT_NEAR(member.IdealPoint().x, target.x, 1e-9) << "the member went where let go";
        EXPECT_NEAR(member.IdealPoint().y, target.y, 1e-9);
        const QRect legend = View().Renderer().LegendRect();
        const QPoint grab = View().ToWidget(View().Renderer().LegendBlockRects().front().center());
        QTest::mousePress(&View(), Qt::LeftButton, {}, grab);
        QTest::mouseMove(&View(), grab + QPoint(-9, 7));
        QTest::mouseRelease(&View(), Qt::LeftButton, {}, grab + QPoint(-9, 7));
        EXPECT_EQ(View().Renderer().LegendRect().topLeft(), legend.topLeft() + QPoint(-9, 7))
            << "the legend was grabbed where it is drawn";
    }

    QTemporaryDir dir;
    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(ChartWindowTest, TheChartFollowsTheWindowWithoutTouchingTheDocument) {
    const QSize first = PlotSize();
    EXPECT_GT(first.width(), 400) << "a 1300 x 850 window holds more than the configured chart";
    EXPECT_EQ(first.width(), first.height()) << "the scale box is square";
    frame->resize(1600, 1000);
    Settle();
    const QSize larger = PlotSize();
    EXPECT_GT(larger.width(), first.width());
    const SIntRect device = doc.Game().GridMap().DeviceRect();
    EXPECT_EQ(device.right - device.left, larger.width()) << "the grid map follows the plot";
    auto* area = qobject_cast<QScrollArea*>(View().parentWidget()->parentWidget());
    ASSERT_NE(area, nullptr);
    const QSize room = area->maximumViewportSize();
    EXPECT_LE(View().width(), room.width()) << "the chart with its legend fits the view";
    EXPECT_LE(View().height(), room.height());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Config().szChart.cx, 400);
    EXPECT_EQ(doc.Config().szChart.cy, 400);

    const std::string path = dir.filePath("saved.txt").toStdString();
    ASSERT_TRUE(SaveScenarioToPath(doc, path));
    QFile saved(QString::fromStdString(path));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.readAll().contains("szChart\t400\t400\n"))
        << "files keep the configured size";

    Fit().Action()->setChecked(false);
    EXPECT_EQ(PlotSize(), QSize(400, 400)) << "without the setting the configured size rules";
    frame->resize(1100, 800);
    Settle();
    EXPECT_EQ(PlotSize(), QSize(400, 400));
}

TEST_F(ChartWindowTest, ATallNarrowViewHasTheLegendBelowThePlotAndAWideOneBesideIt) {
    doc.Config().flagWinSet = 1;
    doc.Config().flagParetoSet = 1;
    doc.Config().flagYolk = 1;
    frame->RefreshViews();
    Settle();
    const CChartLayout& layout = View().Model().Layout();
    EXPECT_FALSE(layout.LegendBelow()) << "a wide view keeps the legend beside the plot";
    EXPECT_GT(View().Renderer().LegendRect().left(), layout.PlotPixels().right());
    ExpectMemberAndLegendFollowTheMouse();

    View().Model().Layout().SetLegendOrigin(std::nullopt);
    frame->resize(700, 1000);
    Settle();
    ASSERT_TRUE(layout.LegendBelow());
    const QRect legend = View().Renderer().LegendRect();
    EXPECT_GT(legend.top(), layout.PlotPixels().bottom()) << "the legend stands below the plot";
    EXPECT_LE(View().width(), Room().width()) << "and within the view's width";
    EXPECT_LE(View().height(), Room().height());
    const int besideRoom = Room().width() - View().Renderer().LegendAreaAt(std::nullopt).width();
    EXPECT_GT(PlotSize().width(), besideRoom) << "a larger plot than one beside the legend";
    ExpectMemberAndLegendFollowTheMouse();

    Fit().Action()->setChecked(false);
    EXPECT_FALSE(layout.LegendBelow()) << "the configured chart is as specified";
    EXPECT_EQ(PlotSize(), QSize(400, 400));
}

TEST_F(ChartWindowTest, TheWheelZoomsAboutThePointUnderTheCursorAndTheMiddleButtonPans) {
    const QPoint cursor = At(30.0, 70.0);
    const CFPoint under = WorldAt(cursor);
    Wheel(cursor, 1);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 1.25);
    EXPECT_DOUBLE_EQ(ZoomField().toDouble(), 1.25) << "the form's zoom field follows";
    EXPECT_LE((At(under.x, under.y) - cursor).manhattanLength(), 1)
        << "the point stays under the cursor";
    Wheel(cursor, -2);
    EXPECT_DOUBLE_EQ(doc.Zoom(), 0.8);
    EXPECT_LE((At(under.x, under.y) - cursor).manhattanLength(), 1);

    const QPoint from = At(50.0, 50.0);
    const QPoint to = from + QPoint(60, -25);
    const CFPoint grabbed = WorldAt(from);
    QTest::mousePress(&View(), Qt::MiddleButton, {}, from);
    QTest::mouseMove(&View(), to);
    QTest::mouseRelease(&View(), Qt::MiddleButton, {}, to);
    EXPECT_LE((At(grabbed.x, grabbed.y) - to).manhattanLength(), 1)
        << "the grabbed point follows the mouse";
    EXPECT_FALSE(doc.IsModified()) << "looking around changes nothing in the scenario";

    QPushButton* reset = nullptr;
    for (QPushButton* button : frame->InputView().findChildren<QPushButton*>())
        if (button->text() == "set to default")
            reset = button;
    ASSERT_NE(reset, nullptr);
    QTest::mouseClick(reset, Qt::LeftButton);
    EXPECT_EQ(doc.Zoom(), 1.0);
    EXPECT_EQ(doc.Pan().x, 0.0);
    EXPECT_EQ(doc.Pan().y, 0.0);
    const QRect plot = View().Model().Layout().PlotPixels();
    const QPoint offCentre = View().ToLogical(At(50.0, 50.0)) - plot.center();
    EXPECT_LE(std::abs(offCentre.x()), 1) << "the scale box's centre is the plot's centre again";
    EXPECT_LE(std::abs(offCentre.y()), 1);
}

TEST_F(ChartWindowTest, SaveGraphicsWritesEachFormatQtReadsBack) {
    doc.Config().flagWinSet = 1;
    frame->RefreshViews();
    CChartActions& actions = frame->ChartActions();
    ASSERT_TRUE(actions.SaveGraphicsAs(dir.filePath("chart"), "png"));
    EXPECT_FALSE(QImage(dir.filePath("chart.png"), "PNG").isNull());
    ASSERT_TRUE(actions.SaveGraphicsAs(dir.filePath("typed.png"), "bmp"));
    EXPECT_FALSE(QImage(dir.filePath("typed.png"), "PNG").isNull());
    EXPECT_FALSE(QFile::exists(dir.filePath("typed.png.bmp"))) << "a typed extension rules";
    ASSERT_TRUE(actions.SaveGraphicsAs(dir.filePath("chart"), "bmp"));
    const QImage bitmap(dir.filePath("chart.bmp"), "BMP");
    EXPECT_EQ(bitmap.size(), View().Image().size()) << "the bitmap is the window's picture";
    ASSERT_TRUE(actions.SaveGraphicsAs(dir.filePath("chart.SVG"), "png"));
    QSvgRenderer svg(dir.filePath("chart.SVG"));
    EXPECT_TRUE(svg.isValid());
    QFile svgFile(dir.filePath("chart.SVG"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    for (const char* text : {">SYMBOL<", ">LINES AND SHAPES<", ">win set<"})
        EXPECT_TRUE(svgText.contains(text)) << text;
    ASSERT_TRUE(actions.SaveGraphicsAs(dir.filePath("chart"), "pdf"));
    QFile pdf(dir.filePath("chart.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
}

TEST_F(ChartWindowTest, CopyChartPutsAnImageAndAnSvgOnTheClipboard) {
    QApplication::clipboard()->clear();
    QAction* copy = frame->findChild<QAction*>("copyChart");
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->shortcut(), QKeySequence(QKeySequence::Copy));
    copy->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    EXPECT_FALSE(qvariant_cast<QImage>(data->imageData()).isNull());
    EXPECT_TRUE(data->data("image/svg+xml").contains(">SYMBOL<"));
}

} // namespace
