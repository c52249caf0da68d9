#include "views/ChartHitTest.h"

#include "document/QueltaDoc.h"
#include "views/ChartModel.h"
#include "views/GuideLayers.h"
#include "views/LabelLayer.h"
#include "views/MainLayer.h"
#include "views/PointSymbol.h"

bool HitsPoint(const CQueltaDoc& doc, const CChartModel& chart, const CFPoint& point,
               const QPoint& pixel) {
    return SymbolRect(chart.Layout().ToChart(point), doc.Config().szPoint).contains(pixel);
}

SChartHit HitTest(CQueltaDoc& doc, CChartModel& chart, const QRect& legend, const QPoint& pixel) {
    const bool ready = doc.IsReady();
    if (ready && chart.Layout().PlotPixels().contains(pixel)) {
        const CVotingGame& game = doc.Game();
        if (HitsPoint(doc, chart, game.Proposal(), pixel))
            return {EChartHit::Proposal, nullptr};
        if (HitsPoint(doc, chart, game.StatusQuo(), pixel))
            return {EChartHit::StatusQuo, nullptr};
        if (CMember* member = MemberAt(doc, chart.Layout(), pixel))
            return {EChartHit::Member, member};
        if (!chart.ProjectionLine().IsVisible())
            if (CMember* member = chart.Names().LabelAt(doc, chart.Layout(), pixel))
                return {EChartHit::Label, member};
        if (!legend.contains(pixel))
            return {EChartHit::Plot, nullptr};
    }
    if (legend.contains(pixel))
        return {EChartHit::Legend, nullptr};
    return {};
}
