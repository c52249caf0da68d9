#include "app/CommandMenus.h"
#include "app/MainWindow.h"
#include "app/WidgetPlatform.h"
#include "document/ChartThermograph.h"
#include "document/QueltaDoc.h"
#include "geometry/Rgn.h"
#include "thermograph/Thermograph.h"
#include "views/widgets/VisualView.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

/// The real main window; the thermograph is switched on through its menu command, so the map
/// runs as the window's long work on the worker thread.
class ThermographWorkTest : public ::testing::Test {
public:
    void Open(const char* example, int chartSize) {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        ASSERT_TRUE(frame->OpenStartupFile(QString(QUELTA_EXAMPLES "/") + example));
        doc.Config().szChart = {chartSize, chartSize};
        doc.UpdateGridMap();
        doc.Config().typeThermo = THERMO_AREA;
        frame->show();
    }
    void ShowThermograph() { frame->Menus().Action(ECommandId::ShowThermograph)->trigger(); }
    /// Calls `watch` every few milliseconds while the window's event loop runs.
    void Watch(const std::function<void()>& watch) {
        auto* timer = new QTimer(frame.get());
        QObject::connect(timer, &QTimer::timeout, watch);
        timer->start(2);
    }
    QProgressBar& Bar() { return *frame->statusBar()->findChild<QProgressBar*>(); }
    QPushButton& CancelButton() {
        return *frame->statusBar()->findChild<QPushButton*>("cancelComputation");
    }
    /// The chart's pixel at an issue-space cell.
    QRgb ChartPixel(const QPoint& cell) {
        CVisualView& view = frame->ChartView();
        return view.Image().pixel(view.ToWidget(cell));
    }

    CQueltaDoc doc;
    std::unique_ptr<CQueltaFrame> frame;
};

TEST_F(ThermographWorkTest, WinSetAreaRunsAsLongWorkAndPaintsTheParetoSet) {
    Open("five.txt", 80);
    int greatestPercent = -1;
    bool busy = false;
    // Every step the worker reports reaches the bar; reading the bar on a timer instead would
    // miss a map that finishes between two ticks.
    QObject::connect(&Bar(), &QProgressBar::valueChanged, [&](int value) {
        if (Bar().isVisible() && Bar().maximum() == 100) {
            greatestPercent = std::max(greatestPercent, value);
            busy = busy || !frame->centralWidget()->isEnabled();
        }
    });
    ShowThermograph();
    ASSERT_EQ(doc.Config().flagThermo, 1);
    const SThermographSettings settings = ThermographSettingsOf(doc.Config());
    ASSERT_TRUE(doc.Thermograph().IsFresh(doc.Game(), THERMO_AREA, settings));
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_TRUE(busy) << "the window is locked while the map runs";
    EXPECT_GT(greatestPercent, 50) << "the bar moves with the rows";

    CThermograph synchronous;
    SThermographSettings oneThread = settings;
    oneThread.threads = 1;
    ASSERT_TRUE(synchronous.MapThermographValues(doc.Game(), THERMO_AREA, oneThread));
    EXPECT_EQ(synchronous.Grid().values, doc.Thermograph().Grid().values)
        << "the worker's map is the synchronous one";
    EXPECT_EQ(synchronous.Grid().smallest, doc.Thermograph().Grid().smallest);
    EXPECT_EQ(synchronous.Grid().largest, doc.Thermograph().Grid().largest);

    const std::unique_ptr<CRgn> pareto = doc.Game().GetParetoSetRgn();
    ASSERT_TRUE(pareto);
    const QRect plot = frame->ChartView().Model().Layout().PlotPixels().adjusted(1, 1, -1, -1);
    int inside = 0, white = 0;
    for (int y = plot.top(); y <= plot.bottom(); ++y)
        for (int x = plot.left(); x <= plot.right(); ++x)
            if (pareto->PtInRegion(x, y)) {
                ++inside;
                white += (ChartPixel({x, y}) & 0xFFFFFF) == 0xFFFFFF;
            }
    EXPECT_GT(inside, 100);
    EXPECT_LT(white, inside / 10) << "the Pareto set is coloured (members' symbols aside)";
}

TEST_F(ThermographWorkTest, CancelDuringTheMapLeavesThePreviousState) {
    const struct {
        const char* name;
        std::function<void(ThermographWorkTest&)> cancel;
    } ways[] = {
        {"Cancel button", [](ThermographWorkTest& t) { t.CancelButton().click(); }},
        {"Escape key",
         [](ThermographWorkTest& t) { QTest::keyClick(t.frame.get(), Qt::Key_Escape); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        Open("senate101.txt", 400);
        const CFPoint statusQuo = doc.Game().StatusQuo();
        bool cancelled = false;
        Watch([&] {
            if (!cancelled && CancelButton().isVisible()) {
                cancelled = true;
                way.cancel(*this);
            }
        });
        ShowThermograph();
        EXPECT_TRUE(cancelled);
        EXPECT_EQ(doc.Config().flagThermo, 0) << "the thermograph is off again, as before";
        EXPECT_EQ(doc.Thermograph().Grid().mode, 0) << "no partial map is kept";
        EXPECT_EQ(doc.Game().StatusQuo().x, statusQuo.x);
        EXPECT_EQ(doc.Game().StatusQuo().y, statusQuo.y);
        EXPECT_FALSE(CancelButton().isVisible());
        EXPECT_TRUE(frame->centralWidget()->isEnabled());
        const QList<QLabel*> panes = frame->statusBar()->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(panes.begin(), panes.end(),
                                [](QLabel* pane) { return pane->text() == "Cancelled"; }));
        frame.reset();
    }
}

} // namespace
