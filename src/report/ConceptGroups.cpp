#include "report/ConceptGroups.h"

#include "concepts/ConceptRegions.h"
#include "document/QueltaDoc.h"
#include "geometry/FPolygon.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/Member.h"
#include "montecarlo/Histogram.h"
#include "montecarlo/Regression.h"
#include "preferences/QuotaLines.h"
#include "preferences/SmallestCircle.h"
#include "report/FailureWatch.h"
#include "report/SetConcepts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <new>

namespace {

using Value = CConceptReport::Value;
using GroupFunction = std::function<void(CQueltaDoc&, CConceptReport&)>;

std::vector<Value> Point(const CFPoint& p) {
    return {p.x, p.y};
}

/// Adds a region's issue-space box as left right bottom top, or null when the region holds
/// no cell.
void AddBox(CConceptReport& report, const std::string& key, const CRgn& rgn, const CGridMap& map) {
    if (IsEmptyRgn(rgn)) {
        report.Add(key, Value{});
        return;
    }
    const CFRect r = RegionBounds(rgn, map);
    report.AddList(key, {r.left, r.right, r.bottom, r.top});
}

void ReportVote(CQueltaDoc& doc, CConceptReport& report) {
    const CVotingGame& game = doc.Game();
    report.Add("vote.rule", game.VoteRule());
    report.Add("vote.absolute", static_cast<double>(game.AbsolutePlurality()));
    report.Add("vote.total", game.VoteTotal());
    report.Add("vote.division", game.VoteDivision());
    report.Add("vote.quota", game.VoteQuota());
}

void ReportWinSet(CQueltaDoc& doc, CConceptReport& report) {
    CVotingGame& game = doc.Game();
    const CMappedRegion& winSet = game.GetWinSet();
    report.Add("winset.area", winSet.GetArea());
    AddBox(report, "winset.bbox", winSet.GetRgn(), winSet.GetMap());
    report.Add("winset.radius", game.GetWinSetRadius());
    report.Add("winset.complete", game.IsWinSetComplete() ? 1.0 : 0.0);
    report.Add("spoke.length", game.GetSpokeLength());
}

void ReportQuotaLines(CQueltaDoc& doc, CConceptReport& report) {
    const std::vector<CQuotaLine>& lines = doc.Game().GetQuotaLines();
    report.Add("quotalines.count", static_cast<double>(lines.size()));
    report.Add("quotalines.qualified",
               static_cast<double>(std::count_if(lines.begin(), lines.end(),
                                                 [](const CQuotaLine& l) { return l.qualified; })));
}

void ReportPetals(CQueltaDoc& doc, CConceptReport& report) {
    report.Add("petals.count", static_cast<double>(doc.Game().GetPetals().size()));
}

void ReportCoalition(CQueltaDoc& doc, CConceptReport& report) {
    std::vector<Value> ids;
    for (const CMember* member : doc.Game().MembersFavoring(doc.Game().Proposal()))
        ids.emplace_back(member->MemberID());
    report.AddList("coalition", ids);
}

/// The area and bounding box of a set concept's region, or nothing when there is no region.
void ReportRegion(CQueltaDoc& doc, CConceptReport& report, const std::string& group) {
    const SSetConcept& setConcept = *FindSetConcept(group);
    const std::unique_ptr<CRgn> rgn = setConcept.cells(doc);
    if (!rgn)
        return;
    report.Add(setConcept.key + ".area", RgnArea(*rgn, doc.Game().GridMap()));
    AddBox(report, setConcept.key + ".bbox", *rgn, doc.Game().GridMap());
}

/// The report group of a set concept other than the win set.
GroupFunction RegionGroup(const std::string& group) {
    return [group](CQueltaDoc& doc, CConceptReport& report) { ReportRegion(doc, report, group); };
}

void ReportYolk(CQueltaDoc& doc, CConceptReport& report) {
    const CFPoint centre = doc.Game().GetYolkCenter();
    report.AddList("yolk.center", Point(centre));
    report.Add("yolk.radius", doc.Game().GetYolkRadius());
    const SLineCircle& exact = doc.Game().GetExactYolk();
    report.AddList("yolk.exact.center", Point(exact.centre));
    report.Add("yolk.exact.radius", exact.radius);
}

void ReportCopeland(CQueltaDoc& doc, CConceptReport& report) {
    const DisplayConfig& config = doc.Config();
    report.AddList("copeland", Point(doc.Game().GetCopeland(config.nCopeland, config.dCopeland)));
}

void ReportBorda(CQueltaDoc& doc, CConceptReport& report) {
    report.AddList("borda", Point(doc.Game().FindBorda()));
}

void ReportPower(CQueltaDoc& doc, CConceptReport& report) {
    const DisplayConfig& config = doc.Config();
    CVotingGame& game = doc.Game();
    // Recomputed with the configured directions: the yolk may have left a ranking over others.
    game.FindPowerIndex(config.nCopeland, config.dCopeland);
    for (const CMember* member : game.Members())
        report.Add("power." + member->MemberID(),
                   game.GetMemberPower(member, config.nCopeland, config.dCopeland));
}

/// Whether two corners are one: equal but for the rounding of the steps that found them.
bool SameCorner(const CFPoint& a, const CFPoint& b) {
    const double scale = std::max({1.0, std::fabs(a.x), std::fabs(a.y)});
    return std::fabs(a.x - b.x) <= 1e-9 * scale && std::fabs(a.y - b.y) <= 1e-9 * scale;
}

/// A polygon's corners as x y pairs in order, each once: a corner that is one with the corner
/// kept before it (or, at the end, with the first) is left out.
std::vector<Value> Vertices(const std::optional<CFPolygon>& polygon) {
    std::vector<CFPoint> corners;
    if (polygon)
        for (const CFPoint& p : polygon->Points())
            if (corners.empty() || !SameCorner(p, corners.back()))
                corners.push_back(p);
    while (corners.size() > 1 && SameCorner(corners.back(), corners.front()))
        corners.pop_back();
    std::vector<Value> values;
    for (const CFPoint& p : corners) {
        values.emplace_back(p.x);
        values.emplace_back(p.y);
    }
    return values;
}

void ReportTriMedian(CQueltaDoc& doc, CConceptReport& report) {
    const DisplayConfig& config = doc.Config();
    report.AddList("trimedian.vertices", Vertices(doc.Game().GetTriMedianSet(
                                             config.dTriMedianTolerance, config.nTriMedianSet)));
}

void ReportSchattschneider(CQueltaDoc& doc, CConceptReport& report) {
    report.AddList("schattschneider.vertices",
                   Vertices(doc.Game().GetSchattschneiderSet(doc.Config().nSchattschneiderSet)));
}

/// Whether every member's ideal point has the same coordinate.
bool AllSame(const std::vector<CMember*>& members, double CFPoint::*coordinate) {
    return std::all_of(members.begin(), members.end(), [&](const CMember* member) {
        return member->IdealPoint().*coordinate == members.front()->IdealPoint().*coordinate;
    });
}

/// The fit of the ideal points; null where it is undefined: every value without two members,
/// the line and its errors for members on a vertical line, the correlation also for members
/// on a horizontal one, the errors and the chi-square for two members.
void ReportStatistics(CQueltaDoc& doc, CConceptReport& report) {
    const std::vector<CMember*>& members = doc.Game().Members();
    SRegression stats;
    FitIdealPoints(members, stats);
    const bool line = members.size() >= 2 && !AllSame(members, &CFPoint::x);
    const bool errors = line && members.size() > 2;
    const auto defined = [](bool known, double value) { return known ? Value(value) : Value(); };
    if (members.empty())
        report.Add("statistics.mean", Value{});
    else
        report.AddList("statistics.mean",
                       Point(members.size() == 1 ? members[0]->IdealPoint() : stats.mean));
    report.Add("statistics.slope", defined(line, stats.b));
    report.Add("statistics.intercept", defined(line, stats.a));
    report.Add("statistics.r", defined(line && !AllSame(members, &CFPoint::y), stats.r));
    report.Add("statistics.sigmaslope", defined(errors, stats.sigmaB));
    report.Add("statistics.sigmaintercept", defined(errors, stats.sigmaA));
    report.Add("statistics.chi", defined(errors, stats.chi));
}

/// The bin counts of both axis histograms at the configured chart and cell sizes.
void ReportHistogram(CQueltaDoc& doc, CConceptReport& report) {
    const DisplayConfig& config = doc.Config();
    const SEdges box = doc.ScaleBox();
    const auto counts = [&](EHistogramAxis axis, double low, double high, int extent, int cell) {
        const SHistogram h = MemberHistogram(doc.Game().Members(), axis, low, high, extent, cell);
        std::vector<Value> values;
        for (const int count : h.counts)
            values.emplace_back(static_cast<double>(count));
        return values;
    };
    report.AddList("histogram.h", counts(EHistogramAxis::Horizontal, box.left, box.right,
                                         config.szChart.cx, config.szHistH.cx));
    report.AddList("histogram.v", counts(EHistogramAxis::Vertical, box.bottom, box.top,
                                         config.szChart.cy, config.szHistV.cy));
}

/// The groups of values, in the order their keys are printed.
const std::vector<std::pair<std::string, GroupFunction>>& Groups() {
    static const std::vector<std::pair<std::string, GroupFunction>> groups = {
        {"vote", ReportVote},
        {"winset", ReportWinSet},
        {"quotalines", ReportQuotaLines},
        {"petals", ReportPetals},
        {"coalition", ReportCoalition},
        {"yolk", ReportYolk},
        {"pareto", RegionGroup("pareto")},
        {"core", RegionGroup("core")},
        {"heart", RegionGroup("heart")},
        {"heartexact", RegionGroup("heartexact")},
        {"uncovered", RegionGroup("uncovered")},
        {"banks", RegionGroup("banks")},
        {"copeland", ReportCopeland},
        {"borda", ReportBorda},
        {"power", ReportPower},
        {"trimedian", ReportTriMedian},
        {"schattschneider", ReportSchattschneider},
        {"statistics", ReportStatistics},
        {"histogram", ReportHistogram}};
    return groups;
}

/// The scenario's name and size. A scenario chosen from a database's committee has no name of
/// its own ("*"): it goes by its committee's ID.
void ReportHeader(CQueltaDoc& doc, CConceptReport& report) {
    const ScenarioHeader& header = doc.Header();
    const bool unnamed = header.scenarioName == "*" && header.currentCommittee;
    report.Add("scenario.name",
               unnamed ? header.currentCommittee->CommitteeID() : header.scenarioName);
    report.Add("members.count", static_cast<double>(doc.Game().Members().size()));
}

/// Computes one group and adds its values to the report; the failure, and nothing added, when
/// the computation failed or gave a value that is not a finite number; empty otherwise.
std::string ReportGroup(const std::string& name, const GroupFunction& compute, CQueltaDoc& doc,
                        CConceptReport& report) {
    CConceptReport values;
    // The Pareto set bounds the uncovered set's search but is not its result: a Pareto set that
    // fails says so on its own and does not take the uncovered set's group with it.
    if (name == "uncovered")
        doc.Game().FindParetoSet();
    CFailureWatch watch;
    try {
        compute(doc, values);
    } catch (const std::bad_alloc&) {
        return "memory exception computing " + name;
    }
    if (!watch.Failure().empty())
        return watch.Failure();
    if (!values.AllFinite())
        return kNotNumbersFailure;
    report.Append(values);
    return {};
}

} // namespace

const std::vector<std::string>& ConceptGroupNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& group : Groups())
            list.push_back(group.first);
        return list;
    }();
    return names;
}

bool IsConceptGroup(const std::string& name) {
    const std::vector<std::string>& names = ConceptGroupNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string SConceptResults::ErrorText() const {
    std::string text;
    for (const SConceptFailure& failure : failures)
        text += (text.empty() ? "" : "; ") + failure.group + ": " + failure.message;
    return text;
}

SConceptResults ComputeConceptResults(CQueltaDoc& doc, const std::vector<std::string>& groups) {
    SConceptResults results;
    ReportHeader(doc, results.report);
    for (const auto& [name, compute] : Groups()) {
        if (groups.empty() || std::find(groups.begin(), groups.end(), name) != groups.end())
            if (std::string failure = ReportGroup(name, compute, doc, results.report);
                !failure.empty())
                results.failures.push_back({name, std::move(failure)});
        if (name == "vote") {
            results.report.AddList("statusquo", Point(doc.Game().StatusQuo()));
            results.report.AddList("proposal", Point(doc.Game().Proposal()));
        }
    }
    if (!results.failures.empty())
        results.report.Add("error", results.ErrorText());
    return results;
}
