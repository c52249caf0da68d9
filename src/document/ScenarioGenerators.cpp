#include "document/ScenarioGenerators.h"

#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

#include <cmath>
#include <new>

namespace {

constexpr double kPi = 3.14159265358979323846;

/// The empty scenario every generator starts from, without its log summary.
bool BuildBlankScenario(CQueltaDoc& doc, const std::string& name, const std::string& source) {
    try {
        doc.ResetScenario();
        doc.SetPathName(source);
        doc.Header().scenarioName = name;
        AddGeneratedGroup(doc);
        doc.FinishLoad();
        return true;
    } catch (const std::bad_alloc&) {
        doc.ResetScenario();
        return false;
    }
}

/// The vote lines the polygon and the one-step Monte Carlo generators write.
void LogGeneratedVotes(CQueltaDoc& doc) {
    doc.Log().LogLine("vote total = " + FormatNumber(doc.Game().VoteTotal()));
    doc.Log().LogLine("vote quota = " + FormatNumber(doc.Game().VoteQuota()));
}

/// Shows a refusal of settings as the dialogs do.
void RefuseSettings(const std::string& problem) {
    MessageBoxOk(problem, "Quelta");
}

} // namespace

void AddGeneratedGroup(CQueltaDoc& doc) {
    ScenarioHeader& h = doc.Header();
    const SEdges plane = h.plane;
    h.scales.push_back(
        std::make_unique<CRatingScale>("D1", "Dimension 1", plane.left, plane.right));
    h.scales.push_back(
        std::make_unique<CRatingScale>("D2", "Dimension 2", plane.bottom, plane.top));
    h.horizontalScale = h.scales[0].get();
    h.verticalScale = h.scales[1].get();
    h.upperHouse.label = "Group";
    h.upperHouse.membersLabel = "Members";
    h.upperHouse.committeesLabel = "Group Committees";
    h.upperHouse.committees.push_back(
        std::make_unique<CCommittee>(0, "C1", "", "Group", "", "", ""));
    h.currentCommittee = h.upperHouse.committees.back().get();
    h.houseInUse = HOUSE_UPPER;
    h.committeeLabel = "Group";
}

std::string RegularPolygonSettingsProblem(const SRegularPolygonSettings& s) {
    if (!(s.radius >= 0.0 && s.radius <= 100.0))
        return "\"Radial Distance\" must be a number from 0 to 100.";
    if (s.members < 3 || s.members > 1000)
        return "\"Number of Members\" must be an integer from 3 to 1000.";
    if (GeneratorPreferenceType(s.preferenceModel, 0) == 0)
        return "\"Default Preference Model\" must be Tradeoff, City Block, Directional or "
               "Unified.";
    return {};
}

bool NewBlankScenario(CQueltaDoc& doc, const std::string& name) {
    if (!BuildBlankScenario(doc, name, "*"))
        return false;
    doc.LogSummary(false);
    return true;
}

bool NewWhiteboard(CQueltaDoc& doc, const std::string& name) {
    if (!BuildBlankScenario(doc, name, name))
        return false;
    doc.Header().sourceKind = SOURCE_WHITEBOARD;
    doc.LogSummary(true);
    RestartHistory(doc);
    return true;
}

CMember* AddGeneratedMember(CQueltaDoc& doc, const CFPoint& point, int prefType) {
    const std::string id = doc.NextMemberID();
    return doc.CreateMember(id, id, point, prefType);
}

bool NewRegularPolygon(CQueltaDoc& doc, const std::optional<SRegularPolygonSettings>& settings) {
    if (settings) {
        if (const std::string problem = RegularPolygonSettingsProblem(*settings);
            !problem.empty()) {
            RefuseSettings(problem);
            return false;
        }
    }
    if (!NewBlankScenario(doc, "Regular Polygon Model"))
        return false;
    if (settings) {
        const int type = GeneratorPreferenceType(settings->preferenceModel, 3);
        const double step = 2.0 * kPi / settings->members;
        CQueltaDoc::CBatchLoad batch(doc);
        for (int j = 0; j < settings->members; ++j) {
            const double angle = j * step;
            AddGeneratedMember(doc,
                               CFPoint(50.0 + settings->radius * std::cos(angle),
                                       50.0 + settings->radius * std::sin(angle)),
                               type);
        }
    }
    doc.Header().sourceKind = SOURCE_REGULAR_POLYGON;
    doc.RefreshAndModify();
    LogGeneratedVotes(doc);
    RestartHistory(doc);
    return true;
}

bool NewBargain(CQueltaDoc& doc) {
    if (!NewBlankScenario(doc, "Bargain"))
        return false;
    ScenarioHeader& h = doc.Header();
    h.scales[0] = std::make_unique<CRatingScale>(
        "D1", "Utility of Player 1", h.scales[0]->Scale_Min(), h.scales[0]->Scale_Max());
    h.scales[1] = std::make_unique<CRatingScale>(
        "D2", "Utility of Player 2", h.scales[1]->Scale_Min(), h.scales[1]->Scale_Max());
    h.horizontalScale = h.scales[0].get();
    h.verticalScale = h.scales[1].get();
    doc.Game().SetStatusQuo(CFPoint(0.0, 0.0));
    {
        CQueltaDoc::CBatchLoad batch(doc);
        AddGeneratedMember(doc, CFPoint(100.0, 0.0), PREF_CITYBLOCK);
        AddGeneratedMember(doc, CFPoint(0.0, 100.0), PREF_CITYBLOCK);
    }
    doc.Config().flagBudgetLine = 1;
    h.sourceKind = SOURCE_BARGAIN;
    Platform().RefreshViews();
    doc.SetModifiedFlag(false);
    RestartHistory(doc);
    return true;
}

std::string TooFewInsideMessage(const SMonteCarloDraw& draw) {
    return Format("Only %d of %d members fell inside the scale box in %lld draws; move the "
                  "means inside the box or widen the spread.",
                  draw.accepted, static_cast<int>(draw.points.size()),
                  static_cast<long long>(draw.candidates));
}

void RetainMonteCarloPoints(CQueltaDoc& doc, SMonteCarloSettings& settings, SMonteCarloDraw& draw) {
    settings.prefType = GeneratorPreferenceType(settings.preferenceModel, settings.prefType);
    {
        CQueltaDoc::CBatchLoad batch(doc);
        for (const CFPoint& point : draw.points)
            AddGeneratedMember(doc, point, settings.prefType);
    }
    draw = SMonteCarloDraw{};
    doc.RefreshAndModify();
}

void FinishMonteCarloScenario(CQueltaDoc& doc) {
    doc.Header().sourceKind = SOURCE_MONTE_CARLO;
    if (CCommittee* committee = doc.Header().currentCommittee)
        doc.Game().SetMembers(&committee->Members());
    doc.RefreshAndModify();
}

EMonteCarloResult NewMonteCarlo(CQueltaDoc& doc, const std::string& title,
                                SMonteCarloSettings& settings, std::int64_t maxCandidates) {
    if (const std::string problem = MonteCarloSettingsProblem(settings); !problem.empty()) {
        RefuseSettings(problem);
        return EMonteCarloResult::Refused;
    }
    if (!NewBlankScenario(doc, title))
        return EMonteCarloResult::Failed;
    SMonteCarloDraw draw = RunMonteCarloDraw(settings, doc.ScaleBox(), maxCandidates);
    if (!draw.Complete()) {
        if (draw.exhausted)
            RefuseSettings(TooFewInsideMessage(draw));
        return draw.exhausted ? EMonteCarloResult::TooFewInside : EMonteCarloResult::Cancelled;
    }
    {
        CQueltaDoc::CBatchLoad batch(doc);
        for (const CFPoint& point : draw.points)
            AddGeneratedMember(doc, point, settings.prefType);
    }
    doc.Header().sourceKind = SOURCE_MONTE_CARLO;
    doc.RefreshAndModify();
    LogGeneratedVotes(doc);
    RestartHistory(doc);
    return EMonteCarloResult::Generated;
}
