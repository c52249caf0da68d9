#include "document/Commands.h"

#include "document/DisplayCommands.h"
#include "document/DocumentLog.h"
#include "document/EditSteps.h"
#include "document/FileCommands.h"
#include "document/ModelCommands.h"
#include "document/PreferenceCorrelation.h"
#include "document/QueltaDoc.h"
#include "document/ReportFile.h"
#include "document/ScenarioGenerators.h"
#include "document/WinSetCommands.h"
#include "geometry/Rgn.h"
#include "platform/Platform.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>
#include <vector>

namespace {

using C = ECommandCondition;
using Id = ECommandId;
using Doc = CQueltaDoc;

std::map<ECommandId, FFrontEndCommand>& FrontEndCommands() {
    static std::map<ECommandId, FFrontEndCommand> handlers;
    return handlers;
}

void RunFrontEnd(Doc& doc, ECommandId id) {
    const auto it = FrontEndCommands().find(id);
    if (it == FrontEndCommands().end())
        MessageBoxOk(kNoFrontEndMessage);
    else
        it->second(doc);
}

template <int Kind> bool IsKind(const Doc& doc) {
    return doc.Header().sourceKind == Kind;
}

/// The check rule of a default-model command: the stored name.
bool ModelIs(const Doc& doc, const char* name) {
    return doc.Header().defaultModelName == name;
}

constexpr SCommand Plain(ECommandId id, const char* text, ECommandCondition enabled,
                         void (*run)(Doc&), bool (*checked)(const Doc&) = nullptr,
                         const char* accelerator = "") {
    return SCommand{id, text, accelerator, enabled, checked, nullptr, run};
}

// The File menu.
const SCommand kFileCommands[] = {
    Plain(
        Id::NewWhiteboard, "Whiteboard \tCtrl+N", C::Always,
        [](Doc& d) { NewWhiteboardCommand(d); }, IsKind<SOURCE_WHITEBOARD>, "Ctrl+N"),
    Plain(
        Id::NewMonteCarlo, "Monte Carlo", C::Always, [](Doc& d) { NewMonteCarloCommand(d); },
        IsKind<SOURCE_MONTE_CARLO>),
    Plain(
        Id::NewRegularPolygon, "Regular Polygon", C::Always,
        [](Doc& d) { NewRegularPolygonCommand(d); }, IsKind<SOURCE_REGULAR_POLYGON>),
    Plain(
        Id::NewBargain, "Bargain", C::Always, [](Doc& d) { NewBargainCommand(d); },
        IsKind<SOURCE_BARGAIN>),
    Plain(Id::NewScript, "Script", C::Always,
          [](Doc& d) {
              if (d.Header().sourceKind == SOURCE_NONE)
                  NewWhiteboard(d);
              RunFrontEnd(d, Id::NewScript);
          }),
    Plain(
        Id::OpenFile, "File \tCtrl+O", C::Always, [](Doc& d) { OpenScenarioCommand(d); },
        IsKind<SOURCE_STANDARD_FILE>, "Ctrl+O"),
    Plain(
        Id::OpenXYFile, "File(XY)\tCtrl+Shift+O", C::Always, [](Doc& d) { OpenXYCommand(d); },
        nullptr, "Ctrl+Shift+O"),
    Plain(
        Id::OpenDatabase, "Database \tAlt+O", C::Always, [](Doc& d) { OpenDatabaseCommand(d); },
        IsKind<SOURCE_DATABASE>, "Alt+O"),
    Plain(Id::OpenScript, "Script", C::Always, [](Doc& d) { RunFrontEnd(d, Id::OpenScript); }),
    // The import's flow lives with the importers above the document; each front end that
    // offers it registers it.
    Plain(Id::ImportFile, "Import...", C::Always, [](Doc& d) { RunFrontEnd(d, Id::ImportFile); }),
    Plain(
        Id::Close, "Close \tCtrl+W", C::Loaded, [](Doc& d) { CloseScenario(d); }, nullptr,
        "Ctrl+W"),
    Plain(
        Id::SaveScenario, "Scenario \tCtrl+S", C::Loaded, [](Doc& d) { SaveScenario(d); }, nullptr,
        "Ctrl+S"),
    Plain(
        Id::SaveToFile, "To File \tCtrl+Shift+S", C::Loaded, [](Doc& d) { SaveScenarioAs(d); },
        nullptr, "Ctrl+Shift+S"),
    Plain(
        Id::SaveGraphics, "Graphics \tCtrl+G", C::Loaded,
        [](Doc& d) { RunFrontEnd(d, Id::SaveGraphics); }, nullptr, "Ctrl+G"),
    Plain(Id::Exit, "E&xit", C::Always, ExitCommand),
};

// The Model menu.
const SCommand kModelCommands[] = {
    Plain(Id::EditMember, "Member", C::HasMembers, [](Doc& d) { RunFrontEnd(d, Id::EditMember); }),
    Plain(Id::RationalityGeneral, "General", C::HasMembers,
          [](Doc& d) { GeneralRationalityCommand(d); }),
    Plain(Id::BenefitOfDoubt, "BOD", C::HasMembers, [](Doc& d) { BenefitOfDoubtCommand(d); }),
    Plain(Id::Configuration, "Configuration...", C::Always,
          [](Doc& d) { ConfigurationCommand(d); }),
    Plain(Id::StatusQuoToCopeland, "Copland Winner", C::Ready, SetStatusQuoToCopeland),
    Plain(Id::StatusQuoToBorda, "Borda Winner", C::Ready, SetStatusQuoToBorda),
    Plain(Id::StatusQuoToYolk, "Yolk Center", C::Ready, SetStatusQuoToYolkCenter),
    Plain(Id::StatusQuoToProposal, "Current", C::Ready, SetStatusQuoToProposal),
    Plain(Id::StatusQuoToRandom, "Random", C::Ready,
          [](Doc& d) { SetStatusQuoToRandomProposal(d, true); }),
    Plain(Id::Agenda, "Agenda", C::HasMembers, [](Doc& d) { AgendaCommand(d); }),
    Plain(Id::ProposalBySubgroup, "By Subgroup", C::Ready,
          [](Doc& d) { ProposalBySubgroupCommand(d); }),
    Plain(Id::Rational, "Rational", C::Ready, ToggleRational,
          [](const Doc& d) { return d.Config().flagPrefRational != 0; }),
    Plain(Id::Correlated, "Correlated", C::Ready, ToggleCorrelated,
          [](const Doc& d) { return d.Config().flagPrefCorrelated != 0; }),
    Plain(
        Id::ModelTradeOff, "Trade-Off", C::HasMembers,
        [](Doc& d) { SetDefaultModel(d, "tradeoff"); },
        [](const Doc& d) { return ModelIs(d, "tradeoff"); }),
    Plain(
        Id::ModelCityBlock, "City Block", C::HasMembers,
        [](Doc& d) { SetDefaultModel(d, "cityblock"); },
        [](const Doc& d) { return ModelIs(d, "cityblock"); }),
    Plain(
        Id::ModelIndependent, "Independent", C::HasMembers,
        [](Doc& d) { SetDefaultModel(d, "independent"); },
        [](const Doc& d) { return ModelIs(d, "independent"); }),
    Plain(
        Id::ModelDirectional, "Directional", C::HasMembers,
        [](Doc& d) { SetDefaultModel(d, "directional"); },
        [](const Doc& d) { return ModelIs(d, "directional"); }),
    Plain(
        Id::ModelUnified, "Unified", C::HasMembers, [](Doc& d) { SetDefaultModel(d, "unified"); },
        [](const Doc& d) { return ModelIs(d, "unified"); }),
    Plain(
        Id::ModelEum, "EUM", C::HasMembers, [](Doc& d) { SetDefaultModel(d, "eum"); },
        [](const Doc& d) { return ModelIs(d, "eum"); }),
    Plain(Id::Weighted, "Weighted", C::HasMembers, ToggleWeighted,
          [](const Doc& d) { return d.Config().flagVoteWt != 0; }),
    Plain(Id::Probabilistic, "Probabilistic", C::HasMembers, ToggleProbabilistic,
          [](const Doc& d) { return d.Config().flagVoteProb != 0; }),
    Plain(Id::ProjectionLine, "Proj Line", C::HasMembers, ToggleProjectionLine,
          [](const Doc& d) { return d.ProjectionLine() != 0; }),
    Plain(Id::TwoCandidate, "Two-Candidate", C::HasMembers, [](Doc& d) { TwoCandidateCommand(d); }),
    Plain(Id::Log, "Log", C::Always, ToggleLogging,
          [](const Doc& d) { return d.Log().IsLogging(); }),
    Plain(Id::Report, "Report", C::HasMembers, [](Doc& d) { ReportCommand(d); }),
};

// The Win Set menu.
const SCommand kWinSetCommands[] = {
    Plain(Id::CaptureWinSet, "Capture", C::Ready, CaptureWinSetCommand),
    Plain(Id::CaptureUnion, "Union", C::Ready, [](Doc& d) { CombineWinSetCommand(d, RGN_OR); }),
    Plain(Id::CaptureIntersect, "Intersect", C::Ready,
          [](Doc& d) { CombineWinSetCommand(d, RGN_AND); }),
    Plain(Id::CaptureDifference, "Difference", C::Ready,
          [](Doc& d) { CombineWinSetCommand(d, RGN_DIFF); }),
    Plain(Id::CaptureExclusive, "Exclusive", C::Ready,
          [](Doc& d) { CombineWinSetCommand(d, RGN_XOR); }),
    Plain(Id::AddWinSetToList, "Add to List", C::Always, AddWinSetToList),
    Plain(Id::FreeWinSetList, "Free List", C::WinSetListNotEmpty, FreeWinSetList),
    Plain(Id::ShowWinSetList, "Show List", C::WinSetListNotEmpty,
          [](Doc& d) { ShowWinSetListCommand(d); }),
};

// The Show menu: the menu texts of the "Show" items; their flags and conditions come from
// the display commands.
constexpr std::pair<ECommandId, const char*> kShowTexts[] = {
    {Id::ShowIndifferenceCurves, "Show Indifference Curves"},
    {Id::ShowQuotaLines, "Show Quota Lines"},
    {Id::ShowQualifiedQuotaLines, "Show Qualified Quota Lines"},
    {Id::ShowCardioid, "Show Cardioid"},
    {Id::ShowSpokes, "Show Spokes"},
    {Id::ShowPetals, "Show Petals"},
    {Id::ShowWinSet, "Show Win-Set"},
    {Id::ShowWinSetCapture, "Show Win-Set Capture"},
    {Id::ShowCoalition, "Show Coalition"},
    {Id::ShowVeto, "Show Veto"},
    {Id::ShowCore, "Show Core"},
    {Id::ShowCopeland, "Show Copeland Winner"},
    {Id::ShowYolk, "Show Yolk"},
    {Id::ShowYolkTriangle, "Show Yolk Triangle"},
    {Id::ShowSchattschneiderSet, "Show Schattschneider Set"},
    {Id::ShowTriMedianSet, "Show Tri-Median Set"},
    {Id::ShowHeart, "Show Heart"},
    {Id::ShowUncoveredSet, "Show Uncovered Set"},
    {Id::ShowBanksSet, "Show Banks Set"},
    {Id::ShowBanksChain, "Show Banks Chain"},
    {Id::ShowParetoSet, "Show Pareto Set"},
    {Id::ShowStatistics, "Show Statistics"},
    {Id::ShowThermograph, "Show Thermograph"},
    {Id::ShowHistogram, "Show Histogram"},
    {Id::ShowColorCode, "Show Color Code"},
    {Id::ShowMemberNames, "Show Member Names"},
    {Id::ShowPowerIndex, "Show Power Index"},
    {Id::ShowPowerIndexColor, "Show Power Index - Color"},
    {Id::ShowGrid, "Show Grid"},
    {Id::ShowBudgetLine, "Show Budget Line"},
    {Id::ShowCandidates, "Show Candidates"},
};

template <ECommandId Which> void ToggleShow(Doc& doc) {
    ToggleShowFlag(doc, Which);
}

/// The "Show" rows, each run by the toggle of its own item.
template <std::size_t... I> std::vector<SCommand> ShowRows(std::index_sequence<I...>) {
    std::vector<SCommand> rows;
    (
        [&rows] {
            constexpr ECommandId id = kShowTexts[I].first;
            const SShowItem* item = FindShowItem(id);
            rows.push_back(SCommand{id, kShowTexts[I].second, "", item->enabled, nullptr,
                                    item->flag, ToggleShow<id>});
        }(),
        ...);
    return rows;
}

std::vector<SCommand> BuildTable() {
    std::vector<SCommand> table;
    for (const auto& part :
         {std::span<const SCommand>(kFileCommands), std::span<const SCommand>(kModelCommands),
          std::span<const SCommand>(kWinSetCommands)})
        table.insert(table.end(), part.begin(), part.end());
    const std::vector<SCommand> show = ShowRows(std::make_index_sequence<std::size(kShowTexts)>());
    table.insert(table.end(), show.begin(), show.end());
    return table;
}

} // namespace

std::span<const SCommand> CommandTable() {
    static const std::vector<SCommand> table = BuildTable();
    return table;
}

const SCommand* FindCommand(ECommandId id) {
    const std::span<const SCommand> table = CommandTable();
    const auto it = std::find_if(table.begin(), table.end(),
                                 [id](const SCommand& command) { return command.id == id; });
    return it == table.end() ? nullptr : &*it;
}

bool IsConditionMet(const CQueltaDoc& doc, ECommandCondition condition) {
    const CCommittee* committee = doc.Header().currentCommittee;
    switch (condition) {
    case C::Always:
        return true;
    case C::Loaded:
        return doc.Header().sourceKind != SOURCE_NONE;
    case C::HasMembers:
        return committee && !committee->Members().empty();
    case C::Ready:
        return doc.IsReady();
    case C::WinSetListNotEmpty:
        return doc.WinSetList().Size() > 0;
    }
    return false;
}

bool IsCommandEnabled(const CQueltaDoc& doc, ECommandId id) {
    const SCommand* command = FindCommand(id);
    return command && IsConditionMet(doc, command->enabled);
}

bool IsCommandChecked(const CQueltaDoc& doc, ECommandId id) {
    const SCommand* command = FindCommand(id);
    if (!command)
        return false;
    if (command->showFlag)
        return IsConditionMet(doc, command->enabled) && doc.Config().*(command->showFlag) != 0;
    return command->checked && command->checked(doc);
}

SCommandState UpdateCommandState(CQueltaDoc& doc, ECommandId id) {
    const SCommand* command = FindCommand(id);
    if (!command)
        return {};
    const SCommandState state{IsCommandEnabled(doc, id), IsCommandChecked(doc, id)};
    if (command->showFlag && !state.enabled)
        doc.Config().*(command->showFlag) = 0;
    return state;
}

bool RunCommand(CQueltaDoc& doc, ECommandId id) {
    const SCommand* command = FindCommand(id);
    if (!command || !IsConditionMet(doc, command->enabled))
        return false;
    command->run(doc);
    CommitEdit(doc, CommandStepName(command->menuText));
    return true;
}

void SetFrontEndCommand(ECommandId id, FFrontEndCommand handler) {
    if (handler)
        FrontEndCommands()[id] = std::move(handler);
    else
        FrontEndCommands().erase(id);
}
