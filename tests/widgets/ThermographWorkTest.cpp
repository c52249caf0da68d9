#include "app/ChartActions.h"
#include "app/ChartFit.h"
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
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <semaphore>

namespace {

/// Passes everything on to the window's platform, but holds the first progress report of a map
/// on its worker until `cancel` has run on the window's thread: the cancel then surely reaches
/// a map that is still running, however fast the map or busy the machine.
class CLatchedPlatform : public CPlatform {
public:
    CLatchedPlatform(CPlatform& outer, QObject& window, std::function<void()> cancel)
        : m_outer(outer), m_window(window), m_cancel(std::move(cancel)) {}

    void SetProgressPercent(double percent) override {
        m_outer.SetProgressPercent(percent);
        if (QThread::currentThread() == m_window.thread() || m_reported.test_and_set())
            return;
        QMetaObject::invokeMethod(
            &m_window,
            [this] {
                m_cancel();
                m_done.release();
            },
            Qt::QueuedConnection);
        // A minute bounds a failure only: the window's thread runs its events meanwhile.
        EXPECT_TRUE(m_done.try_acquire_for(std::chrono::seconds(60)));
    }
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override {
        return m_outer.MessageBox(text, title, buttons);
    }
    void SetStatusText(int pane, const std::string& text) override {
        m_outer.SetStatusText(pane, text);
    }
    void SetWaitCursor(bool on) override { m_outer.SetWaitCursor(on); }
    bool CancelRequested() override { return m_outer.CancelRequested(); }
    std::string AskOpenFileName(const std::string& title, const std::string& filter) override {
        return m_outer.AskOpenFileName(title, filter);
    }
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const std::string& filter) override {
        return m_outer.AskSaveFileName(title, suggested, filter);
    }
    void RefreshViews() override { m_outer.RefreshViews(); }
    void ExitProgram(int code) override { m_outer.ExitProgram(code); }

private:
    CPlatform& m_outer;
    QObject& m_window;
    std::function<void()> m_cancel;
    std::atomic_flag m_reported;
    std::binary_semaphore m_done{0};
};

/// The real main window; the thermograph is switched on through its menu command, so the map
/// runs as the window's long work on the worker thread.
class ThermographWorkTest : public ::testing::Test {
public:
    /// The window on an example with the configured chart of that size: the fit to the window is
    /// off, so that no resize settling while the map runs computes it again at another size.
    void Open(const char* example, int chartSize) {
        doc.SetConfigPath("");
        frame = std::make_unique<CQueltaFrame>(doc);
        frame->ChartActions().Fit().Action()->setChecked(false);
        ASSERT_TRUE(frame->OpenStartupFile(QString(QUELTA_EXAMPLES "/") + example));
        doc.Config().szChart = {chartSize, chartSize};
        doc.UpdateGridMap();
        doc.Config().typeThermo = THERMO_AREA;
        frame->show();
    }
    void ShowThermograph() { frame->Menus().Action(ECommandId::ShowThermograph)->trigger(); }
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
        CLatchedPlatform latched(frame->WidgetPlatform(), *frame, [&] {
            EXPECT_TRUE(CancelButton().isVisible()) << "the map runs as the window's long work";
            cancelled = true;
            way.cancel(*this);
        });
        SetPlatform(&latched);
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
