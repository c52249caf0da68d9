#include "views/ConceptLayer.h"

#include "document/QueltaDoc.h"
#include "geometry/FPolygon.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "preferences/QuotaLines.h"
#include "preferences/Yolk.h"
#include "views/ChartDrawing.h"
#include "views/ChartLayout.h"
#include "views/LongConcepts.h"
#include "views/PointSymbol.h"

#include <QPainter>

#include <cmath>
#include <functional>
#include <memory>

namespace {

using Drawer = std::function<void(SChartPaint&)>;

const DisplayConfig& Config(SChartPaint& paint) {
    return paint.doc.Config();
}

CVotingGame& Game(SChartPaint& paint) {
    return paint.doc.Game();
}

void PaintRgn(SChartPaint& paint, const std::unique_ptr<CRgn>& rgn, const SPenSpec& pen,
              const SBrushSpec& brush) {
    if (rgn)
        PaintRegion(paint.painter, rgn->ToQRegion(), pen, brush);
}

/// Regions keep to their cells: no smoothing while they are painted.
class CCellPainting {
public:
    explicit CCellPainting(QPainter& painter) : m_painter(painter) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
    }
    ~CCellPainting() { m_painter.setRenderHint(QPainter::Antialiasing, true); }
    CCellPainting(const CCellPainting&) = delete;
    CCellPainting& operator=(const CCellPainting&) = delete;

private:
    QPainter& m_painter;
};

void DrawIndifferenceCurves(SChartPaint& paint) {
    const SPenSpec pen{PenStyle::Solid, Config(paint).lpIndiffCurve.width,
                       Config(paint).lpIndiffCurve.color};
    for (const CMember* member : Game(paint).Members())
        if (member->PreferredRgn().IsValid())
            PaintRegion(paint.painter, member->PreferredRgn().ToQRegion(), pen,
                        Config(paint).lbIndiffCurve);
}

void DrawQuotaLines(SChartPaint& paint, bool qualified) {
    const SPenSpec& pen =
        qualified ? Config(paint).lpQuotaLineQualified : Config(paint).lpQuotaLine;
    for (const CQuotaLine& line : Game(paint).GetQuotaLines())
        if (qualified ? line.qualified : line.quotaLine)
            DrawLineThrough(paint.painter, paint.layout, line.segment, pen);
}

void DrawPareto(SChartPaint& paint) {
    const CFPolygon hull = Game(paint).GetParetoSet();
    DrawWorldPolygon(paint.painter, paint.layout, hull.Points(), Config(paint).lpParetoSet,
                     Config(paint).lbParetoSet);
}

void DrawUncovered(SChartPaint& paint) {
    const DisplayConfig& c = Config(paint);
    PaintRgn(paint,
             Game(paint).GetUncoveredSetRgn(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS),
             c.lpUncoveredSet, c.lbUncoveredSet);
}

void DrawYolk(SChartPaint& paint) {
    const SYolk& yolk = Game(paint).GetYolk();
    if (YolkIsEmpty(yolk))
        return;
    const DisplayConfig& c = Config(paint);
    DrawWorldCircle(paint.painter, paint.layout, yolk.center, yolk.radius, c.lpYolk, c.lbYolk);
    const SPointStyle centre{4, c.lpYolk, c.lbYolk};
    DrawPointSymbol(paint.painter, SymbolRect(paint.layout.ToChart(yolk.center), c.szPoint),
                    centre);
}

void DrawYolkTriangle(SChartPaint& paint) {
    const CFTriangle& triangle = Game(paint).GetYolk().triangle;
    for (int i = 0; i < 3; ++i)
        DrawSegment(paint.painter, paint.layout, triangle.GetEdge(i).GetP1(),
                    triangle.GetEdge(i).GetP2(), Config(paint).lpYolkTri);
}

void DrawPolygonConcept(SChartPaint& paint, const std::optional<CFPolygon>& polygon,
                        const SPenSpec& pen, const SBrushSpec& brush) {
    if (polygon && polygon->Count() >= 3)
        DrawWorldPolygon(paint.painter, paint.layout, polygon->Points(), pen, brush);
}

void DrawCardioid(SChartPaint& paint) {
    CVotingGame& game = Game(paint);
    const DisplayConfig& c = Config(paint);
    const CFPoint centre = game.GetYolkCenter();
    const double radius = game.GetYolkRadius();
    DrawWorldCircle(paint.painter, paint.layout, centre,
                    WinSetLimitRadius(game.StatusQuo(), centre, radius), c.lpWinSetLimit,
                    {BrushStyle::Null, 0, 0});
    const CCellPainting cells(paint.painter);
    PaintRgn(paint, game.GetOuterCardioidRgn(), c.lpCardioid, {BrushStyle::Null, 0, 0});
}

void DrawSpokes(SChartPaint& paint) {
    for (const CFLineSeg& spoke : Game(paint).GetSpokes().spokes)
        DrawSegment(paint.painter, paint.layout, spoke.GetP1(), spoke.GetP2(),
                    Config(paint).lpSpoke);
}

void DrawPetals(SChartPaint& paint) {
    const std::vector<QPoint>& petals = Game(paint).GetPetals();
    if (petals.empty())
        return;
    paint.painter.setPen(QPen(ToQColor(Config(paint).lpPetal.color), 1));
    paint.painter.drawPoints(petals.data(), static_cast<int>(petals.size()));
}

/// The line of the budget: from the right end of the horizontal scale to the top of the
/// vertical one, where a two-player bargain splits what is to be had.
void DrawBudgetLine(SChartPaint& paint) {
    const CChartAxis& h = paint.layout.HorizontalAxis();
    const CChartAxis& v = paint.layout.VerticalAxis();
    const SPenSpec pen{PenStyle::Solid, 1, Config(paint).colorDefault};
    DrawLineThrough(paint.painter, paint.layout,
                    CFLineSeg(CFPoint(h.Maximum(), v.Minimum()), CFPoint(h.Minimum(), v.Maximum())),
                    pen);
}

/// The candidates' lines: the line joining the two candidates and the line of members
/// indifferent between them (its perpendicular bisector).
void DrawCandidateLines(SChartPaint& paint) {
    const CMember* first = Game(paint).Candidate(0);
    const CMember* second = Game(paint).Candidate(1);
    if (!first || !second)
        return;
    const CFPoint a = first->IdealPoint(), b = second->IdealPoint();
    const SPenSpec& pen = Config(paint).lpCandidate;
    DrawLineThrough(paint.painter, paint.layout, CFLineSeg(a, b), pen);
    const CFPoint middle((a.x + b.x) / 2.0, (a.y + b.y) / 2.0);
    const CFPoint across(middle.x - (b.y - a.y), middle.y + (b.x - a.x));
    DrawLineThrough(paint.painter, paint.layout, CFLineSeg(middle, across), pen);
}

/// Region concepts painted cell for cell.
void DrawCellConcepts(SChartPaint& paint, int order) {
    const DisplayConfig& c = Config(paint);
    CVotingGame& game = Game(paint);
    const CCellPainting cells(paint.painter);
    switch (order) {
    case 1:
        DrawIndifferenceCurves(paint);
        break;
    case 5:
        DrawUncovered(paint);
        break;
    case 6:
        PaintRgn(paint, game.GetHeartRgn(c.nCore), c.lpHeart, c.lbHeart);
        break;
    case 7:
        PaintRgn(paint, game.GetCoreRgn(c.nCore), c.lpCore, c.lbCore);
        break;
    case 14:
        PaintRegion(paint.painter, game.CapturedWinSet().GetRgn().ToQRegion(), c.lpWinSetCap,
                    c.lbWinSetCap);
        break;
    case 15:
        DrawPetals(paint);
        break;
    case 16:
        PaintRegion(paint.painter, game.GetWinSet().GetRgn().ToQRegion(), c.lpWinSet, c.lbWinSet);
        break;
    case 17:
        PaintRgn(paint, game.GetBanksSetRgn(c.nChain, c.nResolution), c.lpBanksSet, c.lbBanksSet);
        break;
    default:
        break;
    }
}

/// One concept: its display switch and how it is drawn.
struct SConcept {
    int DisplayConfig::*flag;
    Drawer draw;
};

Drawer Cells(int order) {
    return [order](SChartPaint& paint) { DrawCellConcepts(paint, order); };
}

const std::vector<SConcept>& Concepts() {
    using C = DisplayConfig;
    static const std::vector<SConcept> concepts = {
        {&C::flagIndiffCurve, Cells(1)},
        {&C::flagQuotaLine, [](SChartPaint& p) { DrawQuotaLines(p, false); }},
        {&C::flagQuotaLineQualified, [](SChartPaint& p) { DrawQuotaLines(p, true); }},
        {&C::flagParetoSet, DrawPareto},
        {&C::flagUncoveredSet, Cells(5)},
        {&C::flagHeart, Cells(6)},
        {&C::flagCore, Cells(7)},
        {&C::flagYolk, DrawYolk},
        {&C::flagYolkTri, DrawYolkTriangle},
        {&C::flagTriMedianSet,
         [](SChartPaint& p) {
             const DisplayConfig& c = Config(p);
             DrawPolygonConcept(p, Game(p).GetTriMedianSet(c.dTriMedianTolerance, c.nTriMedianSet),
                                c.lpTriMedianSet, c.lbTriMedianSet);
         }},
        {&C::flagSchattschneiderSet,
         [](SChartPaint& p) {
             const DisplayConfig& c = Config(p);
             DrawPolygonConcept(p, Game(p).GetSchattschneiderSet(c.nSchattschneiderSet),
                                c.lpSchattschneiderSet, c.lbSchattschneiderSet);
         }},
        {&C::flagCardioid, DrawCardioid},
        {&C::flagSpoke, DrawSpokes},
        {&C::flagWinSetCap, Cells(14)},
        {&C::flagPetal, Cells(15)},
        {&C::flagWinSet, Cells(16)},
        {&C::flagBanksSet, Cells(17)},
        {&C::flagBudgetLine, DrawBudgetLine},
        {&C::flagCandidates, DrawCandidateLines},
    };
    return concepts;
}

} // namespace

bool YolkIsEmpty(const SYolk& yolk) {
    return yolk.radius <= 0.0 && yolk.center.x == 0.0 && yolk.center.y == 0.0;
}

double WinSetLimitRadius(const CFPoint& statusQuo, const CFPoint& yolkCentre, double yolkRadius) {
    return std::hypot(statusQuo.x - yolkCentre.x, statusQuo.y - yolkCentre.y) + 2.0 * yolkRadius;
}

std::vector<int DisplayConfig::*> ConceptFlags() {
    std::vector<int DisplayConfig::*> flags;
    for (const SConcept& item : Concepts())
        flags.push_back(item.flag);
    return flags;
}

bool AnyConceptShown(const CQueltaDoc& doc) {
    const DisplayConfig& config = doc.Config();
    for (const SConcept& item : Concepts())
        if (config.*item.flag)
            return true;
    return config.flagBanksChain != 0;
}

void CConceptLayer::Draw(SChartPaint& paint) {
    paint.painter.save();
    paint.painter.setRenderHint(QPainter::Antialiasing, true);
    for (const SConcept& item : Concepts()) {
        if (!(Config(paint).*item.flag))
            continue;
        // During a live drag a long concept waits for the release and the worker.
        if (LiveDrag() && LongConceptPending(paint.doc, item.flag))
            continue;
        paint.painter.setBrush(Qt::NoBrush);
        item.draw(paint);
    }
    paint.painter.restore();
}
