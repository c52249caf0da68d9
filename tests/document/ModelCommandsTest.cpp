#include "document/ModelCommands.h"
#include "document/DisplayCommands.h"
#include "document/DocumentDialogs.h"
#include "document/QueltaDoc.h"
#include "document/ScenarioGenerators.h"
#include "document/WinSetCommands.h"
#include "geometry/MappedRegion.h"
#include "geometry/Rgn.h"
#include "model/Member.h"
#include "platform/HeadlessPlatform.h"

#include <gtest/gtest.h>

namespace {

/// A ready pentagon committee (XX0 to XX4) with the status quo off its centre.
class ModelCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(NewRegularPolygon(doc, SRegularPolygonSettings{30.0, 5, "Tradeoff"}));
        doc.SetStatusQuo(kStatusQuo);
        platform.Clear();
    }

    const std::vector<CMember*>& Members() { return doc.Header().currentCommittee->Members(); }

    const CFPoint kStatusQuo{62.0, 58.0};
    CRecordingPlatform platform;
    CScopedPlatform scope{platform};
    CQueltaDoc doc;
};

} // namespace

TEST_F(ModelCommandsTest, RandomIsReseededSoTheSameScenarioGivesTheSamePointOfItsWinSet) {
    SetStatusQuoToRandomProposal(doc, true);
    const CFPoint first = doc.Game().Proposal();
    EXPECT_EQ(doc.Game().StatusQuo(), first) << "the status quo follows the proposal";
    doc.SetStatusQuo(kStatusQuo);
    EXPECT_TRUE(doc.Game().GetWinSet().PtInRegion(first)) << "a point of the win set";
    SetStatusQuoToRandomProposal(doc, true);
    EXPECT_EQ(doc.Game().Proposal(), first);

    doc.SetStatusQuo(kStatusQuo);
    SetStatusQuoToRandomProposal(doc, false);
    EXPECT_NE(doc.Game().Proposal(), first) << "without reseeding the generator draws on";
}

TEST_F(ModelCommandsTest, RationalSwitchGivesEveryMemberTheOppositeFlagWithItsStatusText) {
    ASSERT_EQ(doc.Config().flagPrefRational, 1);
    ToggleRational(doc);
    EXPECT_EQ(doc.Config().flagPrefRational, 0);
    for (const CMember* member : Members())
        EXPECT_EQ(member->Rational(), 1) << member->MemberID();
    ASSERT_GE(platform.StatusTexts().size(), 2u);
    EXPECT_EQ(platform.StatusTexts().front().text, "Updating preference rationality...");
    EXPECT_EQ(platform.StatusTexts().back().text, " ");
    EXPECT_EQ(platform.WaitCursorDepth(), 0);
    EXPECT_TRUE(doc.IsModified());
    ToggleRational(doc);
    for (const CMember* member : Members())
        EXPECT_EQ(member->Rational(), 0) << member->MemberID();
}

TEST_F(ModelCommandsTest, DefaultModelChangesOnlyThePreferenceTypeOfEveryMember) {
    CMember* first = Members().front();
    first->SetDiscount(0.5);
    const std::pair<const char*, int> models[] = {{"cityblock", 4},   {"independent", 5},
                                                  {"directional", 2}, {"unified", 1},
                                                  {"tradeoff", 3},    {"eum", 8}};
    for (const auto& [name, type] : models) {
        SetDefaultModel(doc, name);
        EXPECT_EQ(doc.Header().defaultModelName, name);
        for (const CMember* member : Members())
            EXPECT_EQ(member->Preference().prefType, type) << name;
        EXPECT_EQ(first->Preference().discount, 0.5) << "the rest of the settings stay";
    }
}

TEST_F(ModelCommandsTest, WeightedAndProbabilisticSwitchesReachTheGame) {
    ToggleWeighted(doc);
    EXPECT_EQ(doc.Config().flagVoteWt, 1);
    EXPECT_EQ(doc.Game().WeightedVoting(), 1);
    SetVoteWeightedSwitch(doc, 1);
    EXPECT_EQ(doc.Game().WeightedVoting(), 1) << "setting it twice leaves it on";
    ToggleWeighted(doc);
    EXPECT_EQ(doc.Game().WeightedVoting(), 0);
    ToggleProbabilistic(doc);
    EXPECT_EQ(doc.Game().ProbabilisticVoting(), 1);
    EXPECT_EQ(doc.Config().flagVoteProb, 1);
}

TEST_F(ModelCommandsTest, BySubgroupProposesTheSubgroupsCopelandWinnerAndKeepsTheCommittee) {
    EXPECT_FALSE(ProposalBySubgroupCommand(doc)) << "cancelled";
    EXPECT_EQ(platform.OfferedMembers().size(), 5u);
    EXPECT_EQ(platform.OfferedMembers()[2].id, "XX2");

    const std::vector<CMember*> pair{Members()[0], Members()[1]};
    doc.Game().SetMembers(&pair);
    const CFPoint expected = doc.Game().GetCopeland(doc.Config().nCopeland, doc.Config().dCopeland);
    doc.Game().SetMembers(&doc.Header().currentCommittee->Members());

    platform.QueueDialogAnswer(std::optional(SMemberSubsetAnswer{{"XX1", "XX0"}}));
    EXPECT_TRUE(ProposalBySubgroupCommand(doc));
    EXPECT_EQ(doc.Game().Proposal(), expected);
    EXPECT_EQ(doc.Game().Members().size(), 5u);

    const CFPoint before = doc.Game().Proposal();
    platform.QueueDialogAnswer(std::optional(SMemberSubsetAnswer{{"nobody"}}));
    EXPECT_FALSE(ProposalBySubgroupCommand(doc)) << "an empty subgroup changes nothing";
    EXPECT_EQ(doc.Game().Proposal(), before);
}

TEST_F(ModelCommandsTest, TwoCandidateMakesExactlyTheChosenMembersCandidates) {
    Members()[0]->SetCandidate(1);
    platform.QueueDialogAnswer(std::optional(SMemberSubsetAnswer{{"XX2", "XX4"}}));
    EXPECT_TRUE(TwoCandidateCommand(doc));
    std::vector<int> flags;
    for (const CMember* member : Members())
        flags.push_back(member->Candidate());
    EXPECT_EQ(flags, (std::vector<int>{0, 0, 1, 0, 1}));
    EXPECT_FALSE(TwoCandidateCommand(doc)) << "cancelled";
    EXPECT_EQ(Members()[2]->Candidate(), 1);
}

TEST_F(ModelCommandsTest, RationalityModelAnswerWritesBothBlocksAndSetsTheSwitch) {
    SRationalityModelAnswer answer;
    answer.committeeId = "C1";
    answer.model = 5;
    answer.idealPoint = {4, 1.0, 0.0, 10, 10.0, false};
    answer.statusQuo = {4, 1.5, 0.25, 10, 10.0, true};
    const std::vector<SCommitteeChoice> choices = CommitteeChoices(doc);
    ASSERT_EQ(choices.size(), 1u);
    EXPECT_EQ(choices[0].text, "Group (5)");

    platform.QueueDialogAnswer(std::optional(answer));
    EXPECT_TRUE(GeneralRationalityCommand(doc));
    for (const CMember* member : Members()) {
        const PreferenceSpec& spec = member->Preference();
        EXPECT_EQ(spec.modelType, 5);
        EXPECT_EQ(spec.idealPoint.type, 4);
        EXPECT_EQ(spec.idealPoint.samples, 10);
        EXPECT_EQ(spec.idealPoint.resolution, 10.0);
        EXPECT_EQ(spec.statusQuo.complementarity, 0.25) << "the block's own value";
        EXPECT_EQ(spec.statusQuo.salience, 1.5);
        EXPECT_EQ(spec.statusQuo.resolution, 0.0) << "a generated member has no spread";
        EXPECT_EQ(member->Rational(), 1);
    }
    EXPECT_EQ(doc.Config().flagPrefRational, 0) << "a model in force turns Rational off";
    EXPECT_EQ(platform.StatusTexts().front().text, "Updating preference rationality...");

    answer.committeeId = "nope";
    answer.model = 0;
    EXPECT_FALSE(ApplyRationalityModel(doc, answer)) << "no committee chosen";
    EXPECT_EQ(Members()[0]->Preference().modelType, 5);
    answer.committeeId = "C1";
    EXPECT_TRUE(ApplyRationalityModel(doc, answer));
    EXPECT_EQ(doc.Config().flagPrefRational, 1) << "Sincere turns Rational on";
    EXPECT_EQ(Members()[0]->Rational(), 0);
}

TEST_F(ModelCommandsTest, BenefitOfDoubtShowsTheQuotaLinesAndTakesTheSlidersValue) {
    EXPECT_FALSE(BenefitOfDoubtCommand(doc));
    EXPECT_EQ(doc.Config().flagQuotaLine, 1) << "the dialog opens with the quota lines shown";
    EXPECT_EQ(doc.Config().dBOD, 0.0);
    platform.QueueDialogAnswer(std::optional(SBenefitOfDoubtAnswer{0.35}));
    EXPECT_TRUE(BenefitOfDoubtCommand(doc));
    EXPECT_EQ(doc.Config().dBOD, 0.35);
}

TEST_F(ModelCommandsTest, ConfigurationAnswerIsAppliedWholeOrRefused) {
    DisplayConfig edited = doc.Config();
    edited.flagVeto = 1;
    edited.szChart = {200, 150};
    platform.QueueDialogAnswer(std::optional(edited));
    EXPECT_TRUE(ConfigurationCommand(doc));
    EXPECT_EQ(doc.Config(), edited);
    EXPECT_EQ(doc.Game().VetoSwitch(), 1);

    DisplayConfig unusable = edited;
    unusable.nCore = 1000000;
    platform.QueueDialogAnswer(std::optional(unusable));
    EXPECT_FALSE(ConfigurationCommand(doc));
    EXPECT_EQ(doc.Config().nCore, edited.nCore);
    ASSERT_FALSE(platform.Messages().empty());
    EXPECT_EQ(platform.Messages().back().text.rfind("nCore", 0), 0u);
    EXPECT_FALSE(ConfigurationCommand(doc)) << "cancelled";
}

TEST_F(ModelCommandsTest, AgendaRunsForTheDialogsIterations) {
    EXPECT_FALSE(AgendaCommand(doc));
    platform.QueueDialogAnswer(std::optional(SAgendaSettings{3}));
    EXPECT_TRUE(AgendaCommand(doc));
    EXPECT_EQ(doc.AgendaPath().size(), 4u);
    EXPECT_EQ(platform.DialogQuestions(), (std::vector<std::string>{"Agenda", "Agenda"}));

    platform.QueueDialogAnswer(std::optional(SAgendaSettings{0}));
    EXPECT_FALSE(AgendaCommand(doc)) << "no iterations is refused";
    EXPECT_EQ(platform.MessageTexts().back(),
              "\"Number of Iterations\" must be an integer from 1 to 100000.");
    EXPECT_EQ(doc.AgendaPath().size(), 4u) << "the last path stays";
}

TEST_F(ModelCommandsTest, ShowFlagsDoTheirWorkOnlyForExactlyOne) {
    SetShowFlag(doc, ECommandId::ShowVeto, 1);
    EXPECT_EQ(doc.Game().VetoSwitch(), 1);
    SetShowFlag(doc, ECommandId::ShowVeto, 2);
    EXPECT_EQ(doc.Config().flagVeto, 2) << "stored as given";
    EXPECT_EQ(doc.Game().VetoSwitch(), 0);

    doc.SetModifiedFlag(false);
    const int refreshes = platform.RefreshCount();
    SetShowFlag(doc, ECommandId::ShowBanksChain, 1);
    EXPECT_EQ(doc.Config().flagBanksChain, 1);
    EXPECT_FALSE(doc.IsModified()) << "the Banks chain only stores its flag";
    EXPECT_EQ(platform.RefreshCount(), refreshes);

    platform.QueueDialogAnswer(std::optional<SColorCodeAnswer>());
    ToggleShowFlag(doc, ECommandId::ShowColorCode);
    EXPECT_EQ(doc.Config().flagColorCode, 0) << "a cancelled colour-code dialog";
    ToggleShowFlag(doc, ECommandId::ShowColorCode);
    EXPECT_EQ(doc.Config().flagColorCode, 1);

    ToggleProjectionLine(doc);
    doc.Config().flagShapleyOwen = 1;
    ClearDisplaySwitches(doc);
    for (const SShowItem& item : ShowItems())
        EXPECT_EQ(doc.Config().*(item.flag), 0) << static_cast<int>(item.id);
    EXPECT_EQ(doc.ProjectionLine(), 0);
    EXPECT_EQ(doc.Config().flagShapleyOwen, 1) << "the power index bounds stay";
}

TEST_F(ModelCommandsTest, CaptureRedrawsOnlyWhileShownAndTheListEditorsEditsApplyInOrder) {
    doc.Game().GetWinSet();
    doc.SetModifiedFlag(false);
    CaptureWinSetCommand(doc);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Game().CapturedWinSet().GetArea(), doc.Game().GetWinSetArea());
    doc.Config().flagWinSetCap = 1;
    CombineWinSetCommand(doc, RGN_DIFF);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.Game().CapturedWinSet().GetArea(), 0.0);

    AddWinSetToList(doc);
    doc.SetStatusQuo(CFPoint(40.0, 45.0));
    AddWinSetToList(doc);
    SWinSetListAnswer edits;
    edits.edits.push_back({SWinSetListEdit::EKind::Combine, RGN_OR, {0, 1}});
    edits.edits.push_back({SWinSetListEdit::EKind::Capture, 0, {2}});
    edits.edits.push_back({SWinSetListEdit::EKind::Delete, 0, {0}});
    edits.edits.push_back({SWinSetListEdit::EKind::Delete, 0, {7}});
    platform.QueueDialogAnswer(std::optional(edits));
    EXPECT_TRUE(ShowWinSetListCommand(doc));
    ASSERT_EQ(doc.WinSetList().Size(), 2u) << "the out-of-range deletion is passed over";
    EXPECT_EQ(doc.WinSetList().Label(1), "2\t( 1 or 2 )") << "numbers follow the list";
    EXPECT_EQ(doc.Game().CapturedWinSet().GetArea(), doc.WinSetList().At(1).GetArea());
    FreeWinSetList(doc);
    EXPECT_EQ(doc.WinSetList().Size(), 0u);
}
