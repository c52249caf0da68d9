#include "RandomBody.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "views/ChartGestures.h"
#include "views/ChartLayout.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

/// Painting text needs a GUI application; the offscreen platform needs no display.
void EnsureGuiApplication() {
    static int argc = 1;
    static char name[] = "quelta_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static QGuiApplication app(argc, argv);
    }
}

/// The shipped 101-member senate with the status quo off the centre.
void OpenSenate(CQueltaDoc& doc) {
    doc.SetConfigPath("");
    ReadScenarioFile(doc, QUELTA_EXAMPLES "/senate101.txt");
    doc.SetStatusQuo(CFPoint(35, 62));
}

/// Every display the chart can show at once, the thermograph's vote count among them.
void ShowEverything(DisplayConfig& c) {
    for (int DisplayConfig::*flag : {&DisplayConfig::flagWinSet,
                                     &DisplayConfig::flagQuotaLine,
                                     &DisplayConfig::flagQuotaLineQualified,
                                     &DisplayConfig::flagPetal,
                                     &DisplayConfig::flagSpoke,
                                     &DisplayConfig::flagCardioid,
                                     &DisplayConfig::flagYolk,
                                     &DisplayConfig::flagYolkTri,
                                     &DisplayConfig::flagParetoSet,
                                     &DisplayConfig::flagCore,
                                     &DisplayConfig::flagHeart,
                                     &DisplayConfig::flagUncoveredSet,
                                     &DisplayConfig::flagBanksSet,
                                     &DisplayConfig::flagCopeland,
                                     &DisplayConfig::flagTriMedianSet,
                                     &DisplayConfig::flagSchattschneiderSet,
                                     &DisplayConfig::flagIndiffCurve,
                                     &DisplayConfig::flagCoalition,
                                     &DisplayConfig::flagNames,
                                     &DisplayConfig::flagGrid,
                                     &DisplayConfig::flagPowerIndex,
                                     &DisplayConfig::flagThermo,
                                     &DisplayConfig::flagHist,
                                     &DisplayConfig::flagStats,
                                     &DisplayConfig::flagBudgetLine,
                                     &DisplayConfig::flagCandidates,
                                     &DisplayConfig::flagWinSetCap})
        c.*flag = 1;
}

/// Repaints the 101-member senate at 400 x 400 once its concepts are computed: the work of one
/// frame while a member or the legend is dragged.
void BM_ChartRepaint(benchmark::State& state) {
    EnsureGuiApplication();
    CQuietPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    OpenSenate(doc);
    if (state.range(0) == 1)
        ShowEverything(doc.Config());
    else
        doc.Config().flagWinSet = doc.Config().flagYolk = doc.Config().flagUncoveredSet =
            doc.Config().flagParetoSet = 1;
    CChartModel chart;
    chart.Update(doc);
    CChartRenderer first(chart, doc);
    QImage image(first.Prepare().size(), QImage::Format_RGB32);
    {
        QPainter warm(&image);
        first.Paint(warm);
    }
    for (auto _ : state) {
        CChartRenderer renderer(chart, doc);
        renderer.Prepare();
        QPainter painter(&image);
        renderer.Paint(painter);
    }
    state.SetLabel(state.range(0) == 1 ? "every layer" : "win set, yolk, uncovered, Pareto");
}
BENCHMARK(BM_ChartRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

/// From the release of a status-quo drag to the repainted chart, 101-member senate at 400 x 400
/// with the win set shown: the drag ends (the status quo moves, the win set goes stale), the
/// chart takes the document again (the win set is computed there) and paints its image. The
/// status quo goes back and forth between two points, so every release moves it.
void BM_StatusQuoDragRelease(benchmark::State& state) {
    EnsureGuiApplication();
    CQuietPlatform platform;
    CScopedPlatform scope(platform);
    CQueltaDoc doc;
    OpenSenate(doc);
    doc.Config().flagWinSet = 1;
    CChartModel chart;
    chart.Update(doc);
    CChartRenderer renderer(chart, doc);
    QImage image(renderer.Prepare().size(), QImage::Format_RGB32);
    CChartGestures gestures(doc, chart, renderer);
    const QPoint ends[2] = {chart.Layout().ToChart(CFPoint(35, 62)),
                            chart.Layout().ToChart(CFPoint(55, 40))};
    int at = 0;
    for (auto _ : state) {
        gestures.LeftDown(ends[at], false, false);
        if (gestures.Kind() != EDragKind::StatusQuo) {
            state.SkipWithError("the press did not catch the status quo");
            break;
        }
        gestures.Move(ends[1 - at]);
        gestures.LeftUp(ends[1 - at]);
        at = 1 - at;
        chart.Update(doc);
        renderer.Prepare();
        QPainter painter(&image);
        renderer.Paint(painter);
    }
}
BENCHMARK(BM_StatusQuoDragRelease)->Unit(benchmark::kMillisecond);

} // namespace
