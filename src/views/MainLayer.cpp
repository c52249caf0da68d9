#include "views/MainLayer.h"

#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "preferences/PreferenceSpec.h"
#include "preferences/Yolk.h"
#include "views/ChartLayout.h"
#include "views/ChartLegend.h"
#include "views/CoalitionList.h"
#include "views/PointSymbol.h"
#include "views/ThermoColors.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kAbstain = 7;

bool Abstains(const CMember& member) {
    return member.PrefType() == kAbstain;
}

void DrawPoint(SChartPaint& paint, const CFPoint& point, const SPointStyle& style,
               int inflate = 0) {
    const QPoint centre = paint.layout.ToChart(point);
    DrawPointSymbol(paint.painter, SymbolRect(centre, paint.doc.Config().szPoint, inflate), style);
}

/// The member's symbol; with the power colour code its fill shows its share of the power.
SPointStyle MemberStyle(CQueltaDoc& doc, const CMember& member, double greatestPower) {
    const DisplayConfig& config = doc.Config();
    SPointStyle style = PointStyle(config, EPointKind::Member);
    if (config.flagPowerIndexColorCode && greatestPower > 0.0) {
        const double power = doc.Game().GetMemberPower(&member, config.nCopeland, config.dCopeland);
        const QColor color = ThermoColor(config, power, greatestPower);
        style.brush = {BrushStyle::Solid, 0, MakeRgb(color.red(), color.green(), color.blue())};
    }
    return style;
}

double GreatestPower(CQueltaDoc& doc) {
    const DisplayConfig& config = doc.Config();
    if (!config.flagPowerIndexColorCode)
        return 0.0;
    double greatest = 0.0;
    for (const CMember* member : doc.Game().Members())
        greatest = std::max(greatest,
                            doc.Game().GetMemberPower(member, config.nCopeland, config.dCopeland));
    return greatest;
}

void DrawMembers(SChartPaint& paint) {
    const DisplayConfig& config = paint.doc.Config();
    const SPointStyle abstainer = PointStyle(config, EPointKind::Abstainer);
    const double greatestPower = GreatestPower(paint.doc);
    for (const CMember* member : paint.doc.Game().Members()) {
        if (Abstains(*member)) {
            if (config.flagPlayerAbstain)
                DrawPoint(paint, member->IdealPoint(), abstainer);
        } else if (config.flagPlayer) {
            DrawPoint(paint, member->IdealPoint(), MemberStyle(paint.doc, *member, greatestPower));
        }
    }
}

/// The two candidates are ringed by a square with a cross-hair in the candidate pen.
void DrawCandidates(SChartPaint& paint) {
    const DisplayConfig& config = paint.doc.Config();
    const SPointStyle style{6, config.lpCandidate, {BrushStyle::Null, 0, 0}};
    for (int k = 0; k < 2; ++k)
        if (const CMember* candidate = paint.doc.Game().Candidate(k))
            DrawPoint(paint, candidate->IdealPoint(), style, kCoalitionInflate);
}

std::string PointText(const std::string& name, const CFPoint& point) {
    return name + " (" + FormatNumber(point.x) + ", " + FormatNumber(point.y) + ")";
}

} // namespace

void CMainLayer::Draw(SChartPaint& paint) {
    CQueltaDoc& doc = paint.doc;
    const DisplayConfig& config = doc.Config();
    CVotingGame& game = doc.Game();
    DrawMembers(paint);
    if (config.flagYolk && config.flagTovey)
        for (const CFPoint& point : game.GetYolk().extraPoints)
            DrawPoint(paint, point, PointStyle(config, EPointKind::Tovey));
    if (config.flagCandidates)
        DrawCandidates(paint);
    if (config.flagCopeland)
        DrawPoint(paint, game.GetCopeland(config.nCopeland, config.dCopeland),
                  PointStyle(config, EPointKind::Copeland), kMarkedPointInflate);
    if (config.flagStatusQuo)
        DrawPoint(paint, game.StatusQuo(), PointStyle(config, EPointKind::StatusQuo),
                  kMarkedPointInflate);
    if (config.flagProposal)
        DrawPoint(paint, game.Proposal(), PointStyle(config, EPointKind::Proposal),
                  kMarkedPointInflate);
}

void CMainLayer::AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
    const DisplayConfig& config = doc.Config();
    CVotingGame& game = doc.Game();
    const std::vector<CMember*>& members = game.Members();
    // A symbol is listed only where the chart draws it.
    const auto any = [&members](bool abstaining) {
        return std::any_of(members.begin(), members.end(), [abstaining](const CMember* member) {
            return Abstains(*member) == abstaining;
        });
    };
    CLegendBlock block("SYMBOL");
    if (config.flagPlayer && any(false))
        block.AddSymbol(PointStyle(config, EPointKind::Member), 0, "member");
    if (config.flagPlayerAbstain && any(true))
        block.AddSymbol(PointStyle(config, EPointKind::Abstainer), 0, "abstainer");
    if (config.flagCoalition && !BuildCoalition(doc).marked.empty())
        block.AddSymbol(PointStyle(config, EPointKind::Coalition), kCoalitionInflate, "coalition");
    if (config.flagStatusQuo)
        block.AddSymbol(PointStyle(config, EPointKind::StatusQuo), kMarkedPointInflate,
                        PointText("status quo", game.StatusQuo()));
    if (config.flagProposal)
        block.AddSymbol(PointStyle(config, EPointKind::Proposal), kMarkedPointInflate,
                        PointText("proposal", game.Proposal()));
    if (config.flagCopeland) {
        const CFPoint copeland = game.GetCopeland(config.nCopeland, config.dCopeland);
        block.AddSymbol(PointStyle(config, EPointKind::Copeland), kMarkedPointInflate,
                        "Copeland = " + FormatNumber(copeland.x) + ", " + FormatNumber(copeland.y));
    }
    // The Tovey points are drawn only with the yolk, so they are listed only with it, and only
    // when there are some.
    if (config.flagTovey && config.flagYolk && !game.GetYolk().extraPoints.empty())
        block.AddSymbol(PointStyle(config, EPointKind::Tovey), 0, "Tovey");
    if (!block.Entries().empty())
        blocks.push_back(block);
}

CMember* MemberAt(const CQueltaDoc& doc, const CChartLayout& layout, const QPoint& pixel) {
    const std::vector<CMember*>& members = doc.Game().Members();
    for (auto it = members.rbegin(); it != members.rend(); ++it) {
        const QRect rect = SymbolRect(layout.ToChart((*it)->IdealPoint()), doc.Config().szPoint);
        if (rect.contains(pixel))
            return *it;
    }
    return nullptr;
}
