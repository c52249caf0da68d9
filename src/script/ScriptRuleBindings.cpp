// Model functions of the voting rule and the members' preferences.
#include "document/ModelCommands.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "script/ScriptBindings.h"

namespace {

// Each member's region is built once per pair of ideal-point and status-quo samples; beyond
// one sample per degree a region takes longer to build than anyone would wait.
constexpr int kLargestSampleCount = 360;

const std::vector<CMember*>& GameMembers(CQueltaDoc& doc) {
    return doc.Game().Members();
}

/// Gives every member the preference settings `change` makes of its own and lets the game
/// take the members again.
template <typename Change> void ChangeEveryPreference(CQueltaDoc& doc, Change change) {
    for (CMember* member : GameMembers(doc)) {
        PreferenceSpec spec = member->Preference();
        change(spec);
        member->SetPreferenceSpec(spec);
    }
    if (CCommittee* committee = doc.Header().currentCommittee)
        doc.Game().SetMembers(&committee->Members());
    doc.RefreshAndModify();
}

SScriptValue SetRationality(CScriptCall& call) {
    const int model = call.Integer(0);
    CQueltaDoc& doc = call.Doc();
    for (CMember* member : GameMembers(doc))
        member->SetModelType(model);
    // The views wait for the script's Refresh.
    doc.Game().InvalidateAll();
    doc.SetModifiedFlag(true);
    return ScriptOne();
}

/// The sampling block of arguments 0 to 7: type, salience, complementarity, samples,
/// resolution, discount, intensity, beta; none, with "Bad value", for a sample count out of
/// range.
std::optional<SSamplingSpec> SamplingArguments(CScriptCall& call) {
    SSamplingSpec block;
    block.type = call.Integer(0);
    block.salience = call.Number(1);
    block.complementarity = call.Number(2);
    block.samples = call.Integer(3);
    block.resolution = call.Number(4);
    block.discount = call.Number(5);
    block.intensity = call.Number(6);
    block.beta = call.Number(7);
    if (block.samples < 0 || block.samples > kLargestSampleCount) {
        MessageBoxOk(Format("A sample count of %d is out of range: counts run from 0 to %d.",
                            block.samples, kLargestSampleCount));
        call.Fail(EScriptError::BadValue);
        return std::nullopt;
    }
    return block;
}

SScriptValue SetBndRationalitySQ(CScriptCall& call) {
    if (const std::optional<SSamplingSpec> block = SamplingArguments(call))
        ChangeEveryPreference(call.Doc(), [&block](PreferenceSpec& s) { s.statusQuo = *block; });
    return ScriptOne();
}

SScriptValue SetBndRationalityIP(CScriptCall& call) {
    if (const std::optional<SSamplingSpec> block = SamplingArguments(call))
        ChangeEveryPreference(call.Doc(), [&block](PreferenceSpec& s) { s.idealPoint = *block; });
    return ScriptOne();
}

SScriptValue SetPreferences(CScriptCall& call) {
    const int type = ValidPreferenceType(call.Integer(0));
    const double salience = call.Number(1), complementarity = call.Number(2),
                 discount = call.Number(3), intensity = call.Number(4), beta = call.Number(5);
    // The seventh argument is read and has no effect.
    ChangeEveryPreference(call.Doc(), [&](PreferenceSpec& s) {
        s.prefType = type;
        s.salience = salience;
        s.complementarity = complementarity;
        s.discount = discount;
        s.intensity = intensity;
        s.beta = beta;
    });
    return ScriptOne();
}

SScriptValue SetVoteProb(CScriptCall& call) {
    SetVoteProbabilisticSwitch(call.Doc(), call.Integer(0));
    return ScriptOne();
}

SScriptValue SetVoteWeighted(CScriptCall& call) {
    SetVoteWeightedSwitch(call.Doc(), call.Integer(0));
    return ScriptOne();
}

SScriptValue SetVoteRule(CScriptCall& call) {
    call.Doc().SetVoteRule(call.Number(0));
    return ScriptOne();
}

SScriptValue SetVoteAbsolute(CScriptCall& call) {
    call.Doc().SetAbsolutePlurality(call.Integer(0));
    return ScriptOne();
}

SScriptValue GetVoteRule(CScriptCall& call) {
    return ScriptNumber(call.Doc().Game().VoteRule());
}

SScriptValue GetVoteAbsolute(CScriptCall& call) {
    return ScriptNumber(call.Doc().Game().AbsolutePlurality());
}

SScriptValue GetVoteTotal(CScriptCall& call) {
    return ScriptNumber(call.Doc().Game().VoteTotal());
}

SScriptValue GetVoteDivision(CScriptCall& call) {
    return ScriptNumber(call.Doc().Game().VoteDivision());
}

SScriptValue GetVoteQuota(CScriptCall& call) {
    return ScriptNumber(call.Doc().Game().VoteQuota());
}

const SScriptBinding kBindings[] = {
    {"SetRationality", SetRationality},
    {"SetBndRationalitySQ", SetBndRationalitySQ},
    {"SetBndRationalityIP", SetBndRationalityIP},
    {"SetPreferences", SetPreferences},
    {"SetVoteProb", SetVoteProb},
    {"SetVoteWeighted", SetVoteWeighted},
    {"SetVoteRule", SetVoteRule},
    {"SetVoteAbsolute", SetVoteAbsolute},
    {"GetVoteRule", GetVoteRule},
    {"GetVoteAbsolute", GetVoteAbsolute},
    {"GetVoteTotal", GetVoteTotal},
    {"GetVoteDivision", GetVoteDivision},
    {"GetVoteQuota", GetVoteQuota},
};

} // namespace

std::span<const SScriptBinding> RuleScriptBindings() {
    return kBindings;
}
