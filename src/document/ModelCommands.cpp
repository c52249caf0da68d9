#include "document/ModelCommands.h"

#include "document/Agenda.h"
#include "document/ConfigBounds.h"
#include "document/DocumentDialogs.h"
#include "document/QueltaDoc.h"
#include "geometry/MappedRegion.h"
#include "model/Member.h"
#include "platform/CRand.h"
#include "platform/Platform.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kRandomProposalSeed = 123456789;

CCommittee* Committee(CQueltaDoc& doc) {
    return doc.Header().currentCommittee;
}

/// The members' flags changed: the game takes the list again (every concept goes stale) and
/// the views are redrawn.
void MembersChanged(CQueltaDoc& doc, CCommittee& committee) {
    doc.Game().SetMembers(&committee.Members());
    doc.Game().InvalidateAll();
    doc.RefreshAndModify();
}

/// Shows a status text with the wait cursor while alive, then resets it to a blank.
class CBusyStatus {
public:
    explicit CBusyStatus(const std::string& text) { Platform().SetStatusText(0, text); }
    ~CBusyStatus() { Platform().SetStatusText(0, " "); }
    CBusyStatus(const CBusyStatus&) = delete;
    CBusyStatus& operator=(const CBusyStatus&) = delete;

private:
    CWaitCursor m_wait;
};

void ApplySamplingBlock(SSamplingSpec& spec, const SSamplingBlockAnswer& block,
                        const CMember& member) {
    spec.type = block.shape;
    spec.salience = block.salience;
    spec.complementarity = block.complementarity;
    spec.samples = block.samples;
    spec.resolution = block.useMemberSpread ? (member.Spread().first + member.Spread().second) / 2.0
                                            : block.resolution;
}

CCommittee* FindHouseCommittee(CQueltaDoc& doc, const std::string& id) {
    for (const auto& committee : doc.Header().HouseInUse().committees)
        if (committee->CommitteeID() == id)
            return committee.get();
    return nullptr;
}

} // namespace

void SetStatusQuoToCopeland(CQueltaDoc& doc) {
    if (!Committee(doc))
        return;
    doc.SetStatusQuo(doc.Game().GetCopeland(doc.Config().nCopeland, doc.Config().dCopeland));
}

void SetStatusQuoToBorda(CQueltaDoc& doc) {
    if (Committee(doc))
        doc.SetStatusQuo(doc.Game().FindBorda());
}

void SetStatusQuoToYolkCenter(CQueltaDoc& doc) {
    if (Committee(doc))
        doc.SetStatusQuo(doc.Game().GetYolkCenter());
}

void SetStatusQuoToProposal(CQueltaDoc& doc) {
    if (Committee(doc))
        doc.SetStatusQuo(doc.Game().Proposal());
}

CFPoint RandomWinSetPoint(CQueltaDoc& doc) {
    return doc.Game().GetWinSet().GetRandomPoint();
}

void SetStatusQuoToRandomProposal(CQueltaDoc& doc, bool reseed) {
    if (!Committee(doc))
        return;
    if (reseed)
        CRand::Seed(kRandomProposalSeed);
    const CFPoint point = RandomWinSetPoint(doc);
    doc.SetProposal(point);
    doc.SetStatusQuo(point);
}

std::vector<SMemberChoice> MemberChoices(const CQueltaDoc& doc) {
    std::vector<SMemberChoice> choices;
    if (const CCommittee* committee = doc.Header().currentCommittee)
        for (const CMember* member : committee->Members())
            choices.push_back({member->MemberID(), member->Label()});
    return choices;
}

std::vector<CMember*> ChosenMembers(const CQueltaDoc& doc, const SMemberSubsetAnswer& answer) {
    std::vector<CMember*> chosen;
    if (const CCommittee* committee = doc.Header().currentCommittee)
        for (CMember* member : committee->Members())
            if (std::find(answer.memberIds.begin(), answer.memberIds.end(), member->MemberID()) !=
                answer.memberIds.end())
                chosen.push_back(member);
    return chosen;
}

void SetProposalBySubgroup(CQueltaDoc& doc, const std::vector<CMember*>& subgroup) {
    CCommittee* committee = Committee(doc);
    if (!committee || subgroup.empty())
        return;
    CVotingGame& game = doc.Game();
    game.SetMembers(&subgroup);
    const CFPoint winner = game.GetCopeland(doc.Config().nCopeland, doc.Config().dCopeland);
    game.SetProposal(winner);
    game.SetMembers(&committee->Members());
    doc.RefreshAndModify();
}

bool ProposalBySubgroupCommand(CQueltaDoc& doc) {
    if (!Committee(doc))
        return false;
    const auto answer = Platform().AskMemberSubset("Select Subgroup", MemberChoices(doc));
    if (!answer)
        return false;
    const std::vector<CMember*> subgroup = ChosenMembers(doc, *answer);
    SetProposalBySubgroup(doc, subgroup);
    return !subgroup.empty();
}

void SetCandidates(CQueltaDoc& doc, const std::vector<CMember*>& candidates) {
    CCommittee* committee = Committee(doc);
    if (!committee)
        return;
    for (CMember* member : committee->Members())
        member->SetCandidate(0);
    for (CMember* member : candidates)
        member->SetCandidate(1);
    doc.RefreshAndModify();
}

bool TwoCandidateCommand(CQueltaDoc& doc) {
    if (!Committee(doc))
        return false;
    const auto answer = Platform().AskMemberSubset("Select Candidates", MemberChoices(doc));
    if (!answer)
        return false;
    SetCandidates(doc, ChosenMembers(doc, *answer));
    return true;
}

void SetRationalSwitch(CQueltaDoc& doc, int flag) {
    doc.Config().flagPrefRational = flag;
    CCommittee* committee = Committee(doc);
    if (!committee)
        return;
    CBusyStatus busy("Updating preference rationality...");
    for (CMember* member : committee->Members())
        member->SetRational(flag ? 0 : 1);
    MembersChanged(doc, *committee);
}

void ToggleRational(CQueltaDoc& doc) {
    SetRationalSwitch(doc, doc.Config().flagPrefRational ? 0 : 1);
}

std::vector<SCommitteeChoice> CommitteeChoices(const CQueltaDoc& doc) {
    std::vector<SCommitteeChoice> choices;
    for (const auto& committee : doc.Header().HouseInUse().committees)
        choices.push_back({committee->CommitteeID(), CommitteeEntryText(*committee)});
    return choices;
}

bool ApplyRationalityModel(CQueltaDoc& doc, const SRationalityModelAnswer& answer) {
    CCommittee* chosen = FindHouseCommittee(doc, answer.committeeId);
    if (!chosen)
        return false;
    for (CMember* member : chosen->Members()) {
        PreferenceSpec spec = member->Preference();
        spec.modelType = answer.model;
        ApplySamplingBlock(spec.idealPoint, answer.idealPoint, *member);
        ApplySamplingBlock(spec.statusQuo, answer.statusQuo, *member);
        member->SetPreferenceSpec(spec);
    }
    SetRationalSwitch(doc, answer.model != 0 ? 0 : 1);
    // Without a current committee the switch had no members to update; the chosen ones
    // still carry new settings.
    if (!Committee(doc))
        doc.RefreshAndModify();
    return true;
}

bool GeneralRationalityCommand(CQueltaDoc& doc) {
    if (!Committee(doc))
        return false;
    const auto answer = Platform().AskRationalityModel(CommitteeChoices(doc));
    return answer && ApplyRationalityModel(doc, *answer);
}

int DefaultModelType(const std::string& name) {
    return PreferenceTypeFromName(name);
}

void SetDefaultModel(CQueltaDoc& doc, const std::string& name) {
    doc.Header().defaultModelName = name;
    CCommittee* committee = Committee(doc);
    if (!committee)
        return;
    const int type = DefaultModelType(name);
    for (CMember* member : committee->Members())
        member->SetPrefType(type);
    MembersChanged(doc, *committee);
}

void SetVoteWeightedSwitch(CQueltaDoc& doc, int flag) {
    doc.Config().flagVoteWt = flag;
    doc.Game().SetWeightedVoting(flag);
    doc.Game().InvalidateAll();
    doc.RefreshAndModify();
}

void ToggleWeighted(CQueltaDoc& doc) {
    SetVoteWeightedSwitch(doc, doc.Config().flagVoteWt ? 0 : 1);
}

void SetVoteProbabilisticSwitch(CQueltaDoc& doc, int flag) {
    doc.Config().flagVoteProb = flag;
    doc.Game().SetProbabilisticVoting(flag);
    doc.Game().InvalidateAll();
    doc.RefreshAndModify();
}

void ToggleProbabilistic(CQueltaDoc& doc) {
    SetVoteProbabilisticSwitch(doc, doc.Config().flagVoteProb ? 0 : 1);
}

void ApplyBenefitOfDoubt(CQueltaDoc& doc, double value) {
    doc.Config().dBOD = value;
    doc.Config().flagQuotaLine = 1;
    doc.RefreshAndModify();
}

bool BenefitOfDoubtCommand(CQueltaDoc& doc) {
    if (!Committee(doc))
        return false;
    doc.Config().flagQuotaLine = 1;
    doc.RefreshAndModify();
    const auto answer = Platform().AskBenefitOfDoubt(doc.Config().dBOD);
    if (!answer)
        return false;
    ApplyBenefitOfDoubt(doc, answer->value);
    return true;
}

bool AgendaCommand(CQueltaDoc& doc) {
    if (!Committee(doc))
        return false;
    const auto settings = Platform().AskAgenda(SAgendaSettings{});
    if (!settings)
        return false;
    if (const std::string problem = AgendaSettingsProblem(*settings); !problem.empty()) {
        MessageBoxOk(problem);
        return false;
    }
    RunAgenda(doc, *settings);
    return true;
}

bool ApplyConfiguration(CQueltaDoc& doc, const DisplayConfig& config) {
    for (const std::string& key : DisplayConfig::KeyNames()) {
        if (const std::string problem = ConfigValueProblem(config, key); !problem.empty()) {
            MessageBoxOk(key + ": " + problem);
            return false;
        }
    }
    doc.Config() = config;
    CVotingGame& game = doc.Game();
    game.SetWeightedVoting(config.flagVoteWt);
    game.SetProbabilisticVoting(config.flagVoteProb);
    game.SetVetoSwitch(config.flagVeto);
    doc.UpdateGridMap();
    game.InvalidateAll();
    doc.RefreshAndModify();
    return true;
}

bool ConfigurationCommand(CQueltaDoc& doc) {
    const auto config = AskConfiguration(doc.Config());
    return config && ApplyConfiguration(doc, *config);
}
