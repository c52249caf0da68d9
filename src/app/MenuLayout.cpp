#include "app/MenuLayout.h"

namespace {

using C = ECommandId;

SMenuEntry Cmd(ECommandId id) {
    return SMenuEntry::Command(id);
}

SMenuEntry Sep() {
    return SMenuEntry::Separator();
}

std::vector<SMenuEntry> Commands(std::initializer_list<ECommandId> ids) {
    std::vector<SMenuEntry> entries;
    for (ECommandId id : ids)
        entries.push_back(id == ECommandId{} ? Sep() : Cmd(id));
    return entries;
}

} // namespace

const std::vector<SMenuEntry>& MenuLayout() {
    // ECommandId{} marks a separator in the lists below.
    static const std::vector<SMenuEntry> layout = {
        SMenuEntry::Submenu(
            "&File",
            {SMenuEntry::Submenu("&New", Commands({C::NewWhiteboard,
                                                   C::NewMonteCarlo,
                                                   C::NewRegularPolygon,
                                                   C::NewBargain,
                                                   {},
                                                   C::NewScript})),
             SMenuEntry::Submenu(
                 "&Open",
                 Commands({C::OpenFile, C::OpenXYFile, C::OpenDatabase, {}, C::OpenScript})),
             Cmd(C::ImportFile), Cmd(C::Close), Sep(),
             SMenuEntry::Submenu("&Save",
                                 Commands({C::SaveScenario, C::SaveToFile, C::SaveGraphics})),
             SMenuEntry::WindowItems("print"), Sep(), Cmd(C::Log), Cmd(C::Report), Sep(),
             Cmd(C::Exit)}),
        SMenuEntry::Submenu("&Edit", {SMenuEntry::WindowItems("edit")}),
        SMenuEntry::Submenu("&View", {SMenuEntry::WindowItems("view")}),
        SMenuEntry::Submenu(
            "&Model",
            {Cmd(C::EditMember), Sep(),
             SMenuEntry::Submenu(
                 "&Preferences",
                 Commands(
                     {C::RationalityGeneral, C::BenefitOfDoubt, {}, C::Rational, C::Correlated})),
             SMenuEntry::Submenu("&Default Model",
                                 Commands({C::ModelTradeOff, C::ModelCityBlock, C::ModelIndependent,
                                           C::ModelDirectional, C::ModelUnified, C::ModelEum})),
             SMenuEntry::Submenu("&Voting",
                                 Commands({C::Weighted, C::Probabilistic, {}, C::TwoCandidate})),
             SMenuEntry::Submenu("Status &Quo", Commands({C::StatusQuoToCopeland,
                                                          C::StatusQuoToBorda,
                                                          C::StatusQuoToYolk,
                                                          C::StatusQuoToProposal,
                                                          C::StatusQuoToRandom,
                                                          {},
                                                          C::Agenda})),
             SMenuEntry::Submenu("P&roposal", Commands({C::ProposalBySubgroup})), Sep(),
             Cmd(C::ProjectionLine), Sep(), Cmd(C::Configuration)}),
        SMenuEntry::Submenu("&Win Set", Commands({C::CaptureWinSet,
                                                  C::CaptureUnion,
                                                  C::CaptureIntersect,
                                                  C::CaptureDifference,
                                                  C::CaptureExclusive,
                                                  {},
                                                  C::AddWinSetToList,
                                                  C::FreeWinSetList,
                                                  C::ShowWinSetList})),
        SMenuEntry::Submenu(
            "&Show",
            {SMenuEntry::Submenu(
                 "&Win Set",
                 Commands({C::ShowWinSet, C::ShowWinSetCapture, C::ShowPetals, C::ShowSpokes,
                           C::ShowCardioid, C::ShowVeto, C::ShowCoalition})),
             SMenuEntry::Submenu(
                 "&Lines", Commands({C::ShowIndifferenceCurves, C::ShowQuotaLines,
                                     C::ShowQualifiedQuotaLines, C::ShowBudgetLine, C::ShowGrid})),
             SMenuEntry::Submenu("&Solution Sets", Commands({C::ShowYolk,
                                                             C::ShowYolkTriangle,
                                                             C::ShowCore,
                                                             C::ShowHeart,
                                                             C::ShowParetoSet,
                                                             C::ShowUncoveredSet,
                                                             C::ShowBanksSet,
                                                             C::ShowBanksChain,
                                                             {},
                                                             C::ShowCopeland,
                                                             C::ShowSchattschneiderSet,
                                                             C::ShowTriMedianSet,
                                                             C::ShowCandidates})),
             SMenuEntry::Submenu("&Members", Commands({C::ShowMemberNames, C::ShowPowerIndex,
                                                       C::ShowPowerIndexColor, C::ShowColorCode})),
             SMenuEntry::Submenu("S&tatistics", Commands({C::ShowStatistics, C::ShowHistogram,
                                                          C::ShowThermograph}))}),
        SMenuEntry::Submenu("&Help", {SMenuEntry::WindowItems("about")}),
    };
    return layout;
}

const std::vector<SMenuEntry>& MainToolbarLayout() {
    static const std::vector<SMenuEntry> layout = Commands({C::NewWhiteboard,
                                                            C::OpenFile,
                                                            C::SaveScenario,
                                                            {},
                                                            C::EditMember,
                                                            C::RationalityGeneral,
                                                            C::Configuration,
                                                            {},
                                                            C::StatusQuoToYolk,
                                                            C::StatusQuoToCopeland,
                                                            C::StatusQuoToProposal,
                                                            {},
                                                            C::NewScript,
                                                            C::Report});
    return layout;
}

const std::vector<SMenuEntry>& WinSetToolbarLayout() {
    static const std::vector<SMenuEntry> layout = Commands({C::ShowWinSet,
                                                            C::ShowYolk,
                                                            C::ShowParetoSet,
                                                            C::ShowUncoveredSet,
                                                            C::ShowHeart,
                                                            C::ShowCore,
                                                            C::ShowQuotaLines,
                                                            {},
                                                            C::CaptureWinSet,
                                                            C::CaptureUnion,
                                                            C::CaptureIntersect,
                                                            C::CaptureDifference,
                                                            C::CaptureExclusive,
                                                            C::ShowWinSetCapture});
    return layout;
}
