#include "RandomBody.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioFile.h"
#include "views/ChartGestures.h"
#include "views/ChartLayout.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

/// Painting text needs a GUI application; the offscreen platform needs no display.
void RequireGuiApplication() {
    static int argc = 1;
    static char name[] = "quelta_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static QGuiApplication app(argc, argv);
    }
}

/// A scenario file of `count` trade-off members at the random body's ideal points.
std::string BodyScenario(int count) {
    const SRandomBody body(count);
    std::string text = "GAME PARAMETERS BEGIN\nScenario\tDrag\nGroup\tCommittee\tC1\n"
                       "Dimension\tEconomic\tECON\t0\t100\nDimension\tSocial\tSOC\t0\t100\n"
                       "Decision Rule\treserved\t0.5\nPlurality\tAbsolute\t1\n"
                       "Status Quo\treserved\treserved\t35\t62\n"
                       "Proposal\treserved\treserved\t50\t50\n";
    for (int i = 0; i < count; ++i) {
        const CFPoint point = body.pointers[static_cast<std::size_t>(i)]->IdealPoint();
        text += "Player\tM" + std::to_string(i) + "\tXX" + std::to_string(i) + "\t" +
                std::to_string(point.x) + "\t" + std::to_string(point.y) + "\t1\t0\t0\n";
    }
    return text + "GAME PARAMETERS END\n";
}

/// One frame of a live status-quo drag with the win set, yolk, Pareto set and uncovered set
/// shown: the mouse moves (the status quo follows, the win set goes stale), the chart takes the
/// document again (the win set and what depends on the status quo are computed there) and
/// paints its image. Arguments: members, chart side. The status quo goes back and forth
/// between two points, so every frame moves it.
void BM_DragFrame(benchmark::State& state) {
    RequireGuiApplication();
    CQuietPlatform platform;
    CScopedPlatform scope(platform);
    QTemporaryDir dir;
    const QString path = dir.filePath("body.txt");
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(BodyScenario(static_cast<int>(state.range(0))).c_str());
    }
    CQueltaDoc doc;
    doc.SetConfigPath("");
    if (!ReadScenarioFile(doc, path.toStdString())) {
        state.SkipWithError("the scenario was not read");
        return;
    }
    const int side = static_cast<int>(state.range(1));
    doc.SetFittedChartSize(SSizeSpec{side, side});
    DisplayConfig& c = doc.Config();
    c.flagWinSet = c.flagYolk = c.flagParetoSet = c.flagUncoveredSet = 1;
    CChartModel chart;
    chart.Update(doc);
    CChartRenderer renderer(chart, doc);
    QImage image(renderer.Prepare().size(), QImage::Format_RGB32);
    {
        QPainter warm(&image);
        renderer.Paint(warm);
    }
    CChartGestures gestures(doc, chart, renderer);
    const QPoint ends[2] = {chart.Layout().ToChart(CFPoint(35, 62)),
                            chart.Layout().ToChart(CFPoint(55, 40))};
    gestures.LeftDown(ends[0], false, false);
    if (gestures.Kind() != EDragKind::StatusQuo) {
        state.SkipWithError("the press did not catch the status quo");
        return;
    }
    chart.SetLiveDrag(true);
    int at = 1;
    for (auto _ : state) {
        gestures.Move(ends[at]);
        at = 1 - at;
        chart.Update(doc);
        renderer.Prepare();
        QPainter painter(&image);
        renderer.Paint(painter);
    }
    chart.SetLiveDrag(false);
    gestures.LeftUp(ends[at]);
}
BENCHMARK(BM_DragFrame)
    ->Args({101, 400})
    ->Args({435, 400})
    ->Args({101, 1000})
    ->Args({435, 1000})
    ->Args({10000, 400})
    ->Args({10000, 1000})
    ->Unit(benchmark::kMillisecond);

} // namespace
