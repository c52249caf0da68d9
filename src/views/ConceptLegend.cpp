#include "document/QueltaDoc.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "preferences/Yolk.h"
#include "views/ChartLegend.h"
#include "views/ChartStyle.h"
#include "views/ConceptLayer.h"
#include "views/LongConcepts.h"

namespace {

std::string ValueLine(const std::string& name, double value) {
    return name + " = " + FormatNumber(value);
}

std::string RgnAreaLine(const std::string& name, const std::unique_ptr<CRgn>& rgn,
                        const CGridMap& map) {
    return ValueLine(name, rgn ? RgnArea(*rgn, map) : 0.0);
}

QColor PenColor(const SPenSpec& pen) {
    return ToQColor(pen.color);
}

/// A swatch filled with the brush colour and framed in the pen colour.
void AddFramedSwatch(CLegendBlock& block, const SPenSpec& pen, const SBrushSpec& brush,
                     const std::string& text) {
    block.AddSwatch(ToQColor(brush.color), text, ToQColor(pen.color));
}

std::string CandidateText(const CQueltaDoc& doc, const CMember& candidate) {
    const std::string kind = doc.Config().typeCand == 4 ? "cleave" : "issue";
    return "candidate: " + kind + " favors ( " + candidate.LastName() + " )";
}

/// Whether a concept's entry is listed: its display is on and, during a live drag, it is not
/// one of the long concepts still waiting for the worker (it is not drawn then either).
bool Listed(const CQueltaDoc& doc, bool live, int DisplayConfig::*flag) {
    return doc.Config().*flag && !(live && LongConceptPending(doc, flag));
}

/// Entries from "indifference curve" to "win set capture".
void AddUpperEntries(CQueltaDoc& doc, bool live, CLegendBlock& block, std::string& coreLine,
                     std::string& winSetLine) {
    const DisplayConfig& c = doc.Config();
    CVotingGame& game = doc.Game();
    const CGridMap& map = game.GridMap();
    if (c.flagIndiffCurve)
        block.AddSwatch(PenColor(c.lpIndiffCurve), "indifference curve");
    if (c.flagQuotaLine)
        block.AddSwatch(PenColor(c.lpQuotaLine), "quota line");
    if (c.flagQuotaLineQualified)
        block.AddSwatch(PenColor(c.lpQuotaLineQualified), "qualified quota line");
    if (c.flagCore) {
        block.AddSwatch(PenColor(c.lpCore), "core");
        coreLine = RgnAreaLine("core area", game.GetCoreRgn(c.nCore), map);
        block.AddValue(coreLine);
    }
    if (Listed(doc, live, &DisplayConfig::flagHeart)) {
        block.AddSwatch(PenColor(c.lpHeart), "heart");
        block.AddValue(RgnAreaLine("heart area", game.GetHeartRgn(c.nCore), map));
    }
    if (Listed(doc, live, &DisplayConfig::flagBanksSet))
        block.AddSwatch(PenColor(c.lpBanksSet), "Banks set");
    if (c.flagBanksChain)
        block.AddSwatch(PenColor(c.lpBanksChain), "Banks chain");
    if (c.flagCandidates)
        if (const CMember* candidate = game.Candidate(0))
            block.AddSwatch(PenColor(c.lpCandidate), CandidateText(doc, *candidate));
    if (c.flagSpoke)
        block.AddSwatch(PenColor(c.lpSpoke), "spoke");
    if (c.flagPetal)
        block.AddSwatch(PenColor(c.lpPetal), "petal");
    if (c.flagWinSet) {
        block.AddSwatch(PenColor(c.lpWinSet), "win set");
        winSetLine = ValueLine("win set area", game.GetWinSet().GetArea());
        block.AddValue(winSetLine);
        block.AddValue(ValueLine("win set radius", game.GetWinSetRadius()));
    }
    if (c.flagWinSetCap)
        block.AddSwatch(PenColor(c.lpWinSetCap), "win set capture");
}

/// Entries from "pareto set" to "cardioid".
void AddLowerEntries(CQueltaDoc& doc, bool live, CLegendBlock& block) {
    const DisplayConfig& c = doc.Config();
    CVotingGame& game = doc.Game();
    if (c.flagParetoSet) {
        AddFramedSwatch(block, c.lpParetoSet, c.lbParetoSet, "pareto set");
        block.AddValue(ValueLine("pareto set area", game.GetParetoSetArea()));
    }
    if (Listed(doc, live, &DisplayConfig::flagUncoveredSet)) {
        block.AddSwatch(ToQColor(c.lbUncoveredSet.color), "uncovered set",
                        PenColor(c.lpUncoveredSet));
        block.AddValue(ValueLine(
            "uncovered set area",
            game.GetUncoveredSetArea(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS)));
    }
    if (Listed(doc, live, &DisplayConfig::flagTriMedianSet))
        AddFramedSwatch(block, c.lpTriMedianSet, c.lbTriMedianSet, "Tri-Median set");
    if (c.flagSchattschneiderSet)
        AddFramedSwatch(block, c.lpSchattschneiderSet, c.lbSchattschneiderSet,
                        "Schattschnieder set");
    if (c.flagCardioid)
        block.AddSwatch(PenColor(c.lpCardioid), "cardioid");
}

} // namespace

void CConceptLayer::LogChange(CQueltaDoc& doc, std::optional<std::string>& last,
                              const std::string& line) {
    if (line.empty() || last == line)
        return;
    last = line;
    doc.Log().LogLine(line);
}

void CConceptLayer::AddLegend(CQueltaDoc& doc, std::vector<CLegendBlock>& blocks) {
    if (!AnyConceptShown(doc))
        return;
    CLegendBlock block("LINES AND SHAPES");
    block.AddValue("decision rule = " + FormatNumber(doc.Game().VoteRule()));
    std::string coreLine, winSetLine, centreLine, radiusLine;
    AddUpperEntries(doc, LiveDrag(), block, coreLine, winSetLine);
    AddLowerEntries(doc, LiveDrag(), block);
    if (doc.Config().flagYolk) {
        block.AddSwatch(PenColor(doc.Config().lpYolk), "yolk");
        const SYolk& yolk = doc.Game().GetYolk();
        if (YolkIsEmpty(yolk)) {
            centreLine = "yolk is empty";
            block.AddValue(centreLine);
        } else {
            centreLine =
                "yolk center = " + FormatNumber(yolk.center.x) + ", " + FormatNumber(yolk.center.y);
            radiusLine = ValueLine("yolk radius", yolk.radius);
            block.AddValue(centreLine);
            block.AddValue(radiusLine);
        }
    }
    // The log gets the values the chart settles on, not every frame of a drag.
    if (LiveDrag()) {
        blocks.push_back(block);
        return;
    }
    LogChange(doc, m_lastCore, coreLine);
    LogChange(doc, m_lastWinSet, winSetLine);
    LogChange(doc, m_lastYolkCentre, centreLine);
    LogChange(doc, m_lastYolkRadius, radiusLine);
    blocks.push_back(block);
}
