// Model functions that create, drop, change and read out members.
#include "document/QueltaDoc.h"
#include "preferences/PreferenceSpec.h"
#include "script/ScriptBindings.h"

#include <algorithm>

namespace {

const std::vector<CMember*>* CommitteeMembers(const CQueltaDoc& doc) {
    const CCommittee* committee = doc.Header().currentCommittee;
    return committee ? &committee->Members() : nullptr;
}

/// The committee's member at a position counted from 1; nullptr outside the list.
const CMember* MemberAtPosition(const CQueltaDoc& doc, int position) {
    const std::vector<CMember*>* members = CommitteeMembers(doc);
    if (!members || position < 1 || static_cast<std::size_t>(position) > members->size())
        return nullptr;
    return (*members)[static_cast<std::size_t>(position - 1)];
}

/// The committee's first member whose field `get` gives equals the text; nullptr for none or
/// for an empty text.
template <typename Get>
CMember* MemberWhere(const CQueltaDoc& doc, const std::string& text, Get get) {
    const std::vector<CMember*>* members = CommitteeMembers(doc);
    if (!members || text.empty())
        return nullptr;
    const auto it = std::find_if(members->begin(), members->end(),
                                 [&](const CMember* m) { return get(*m) == text; });
    return it == members->end() ? nullptr : *it;
}

const std::string& IdOf(const CMember& m) {
    return m.MemberID();
}
const std::string& LabelOf(const CMember& m) {
    return m.Label();
}

SScriptValue AddMemberEx(CScriptCall& call) {
    const std::optional<CFPoint> point = call.Point(2);
    const std::string& id = call.Text(0);
    if (!point || id.empty())
        return ScriptResult(false);
    CQueltaDoc& doc = call.Doc();
    if (doc.FindMember(id) || doc.FindMember(call.Text(1)))
        return ScriptOne();
    return ScriptResult(doc.CreateMember(id, call.Text(1), *point, call.Integer(4)) != nullptr);
}

SScriptValue AddMember(CScriptCall& call) {
    const std::optional<CFPoint> point = call.Point(1);
    if (!point)
        return ScriptResult(false);
    CQueltaDoc& doc = call.Doc();
    const int type = PreferenceTypeFromName(doc.Header().defaultModelName);
    return ScriptResult(doc.CreateMember(doc.NextMemberID(), call.Text(0), *point, type) !=
                        nullptr);
}

SScriptValue DropMember(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    CMember* member = MemberWhere(doc, call.Text(0), IdOf);
    return ScriptResult(member && doc.RemoveMember(member));
}

/// A member setter: finds the member by reference and hands its ID to the document's setter.
template <typename Apply> SScriptValue SetOnMember(CScriptCall& call, Apply apply) {
    CMember* member = call.MemberReference(0, 1);
    if (!member)
        return ScriptResult(false);
    apply(call.Doc(), *member);
    return ScriptOne();
}

SScriptValue SetMemberCandidate(CScriptCall& call) {
    const int flag = call.Integer(2);
    return SetOnMember(
        call, [flag](CQueltaDoc& d, CMember& m) { d.SetMemberCandidate(m.MemberID(), flag); });
}

SScriptValue SetMemberIdealPoint(CScriptCall& call) {
    const std::optional<CFPoint> point = call.Point(2);
    if (!point)
        return ScriptResult(false);
    return SetOnMember(
        call, [&point](CQueltaDoc& d, CMember& m) { d.SetMemberIdealPoint(m.MemberID(), *point); });
}

SScriptValue SetMemberPreference(CScriptCall& call) {
    const int type = call.Integer(2);
    const double salience = call.Number(3), complementarity = call.Number(4),
                 discount = call.Number(5), intensity = call.Number(6), beta = call.Number(7);
    return SetOnMember(call, [&](CQueltaDoc& d, CMember& m) {
        m.SetPrefType(type);
        m.SetSalience(salience);
        m.SetComplementarity(complementarity);
        m.SetDiscount(discount);
        m.SetIntensity(intensity);
        m.SetBeta(beta);
        d.Game().MemberChanged(m);
        d.RefreshAndModify();
    });
}

SScriptValue SetMemberRational(CScriptCall& call) {
    const int flag = call.Integer(2);
    return SetOnMember(
        call, [flag](CQueltaDoc& d, CMember& m) { d.SetMemberRational(m.MemberID(), flag); });
}

SScriptValue SetMemberVoteProb(CScriptCall& call) {
    const int flag = call.Integer(2);
    return SetOnMember(
        call, [flag](CQueltaDoc& d, CMember& m) { d.SetMemberVoteProb(m.MemberID(), flag); });
}

SScriptValue SetMemberVoteWeighted(CScriptCall& call) {
    const int flag = call.Integer(2);
    return SetOnMember(
        call, [flag](CQueltaDoc& d, CMember& m) { d.SetMemberVoteWeighted(m.MemberID(), flag); });
}

SScriptValue SetMemberVoteWt(CScriptCall& call) {
    const double weight = call.Number(2);
    return SetOnMember(
        call, [weight](CQueltaDoc& d, CMember& m) { d.SetMemberVoteWt(m.MemberID(), weight); });
}

SScriptValue SetMemberVeto(CScriptCall& call) {
    const int flag = call.Integer(2);
    return SetOnMember(call,
                       [flag](CQueltaDoc& d, CMember& m) { d.SetMemberVeto(m.MemberID(), flag); });
}

SScriptValue GetMemberCount(CScriptCall& call) {
    const std::vector<CMember*>* members = CommitteeMembers(call.Doc());
    return ScriptNumber(members ? static_cast<double>(members->size()) : 0.0);
}

SScriptValue GetMemberIndex(CScriptCall& call) {
    const CMember* member = call.Doc().FindMember(call.Text(0));
    const std::vector<CMember*>* members = CommitteeMembers(call.Doc());
    if (!member || !members)
        return ScriptNumber(0.0);
    const auto it = std::find(members->begin(), members->end(), member);
    return ScriptNumber(static_cast<double>(it - members->begin() + 1));
}

SScriptValue GetMemberIdByIndex(CScriptCall& call) {
    const CMember* member = MemberAtPosition(call.Doc(), call.Integer(0));
    return ScriptString(member ? member->MemberID() : std::string());
}

SScriptValue GetMemberIdByLabel(CScriptCall& call) {
    const CMember* member = MemberWhere(call.Doc(), call.Text(0), LabelOf);
    return ScriptString(member ? member->MemberID() : std::string());
}

SScriptValue GetMemberLabelByIndex(CScriptCall& call) {
    const CMember* member = MemberAtPosition(call.Doc(), call.Integer(0));
    return ScriptString(member ? member->Label() : std::string());
}

SScriptValue GetMemberLabelById(CScriptCall& call) {
    const CMember* member = MemberWhere(call.Doc(), call.Text(0), IdOf);
    return ScriptString(member ? member->Label() : std::string());
}

/// A member getter: the value, or -1 and "Requested object not found" without a member.
template <typename Get> SScriptValue GetFromMember(CScriptCall& call, Get get) {
    const CMember* member = call.MemberReference(0, 1);
    if (!member) {
        call.Fail(EScriptError::ObjectNotFound);
        return ScriptNumber(-1.0);
    }
    return ScriptNumber(get(*member));
}

SScriptValue GetMemberIdealPointH(CScriptCall& call) {
    return GetFromMember(call, [](const CMember& m) { return m.IdealPoint().x; });
}

SScriptValue GetMemberIdealPointV(CScriptCall& call) {
    return GetFromMember(call, [](const CMember& m) { return m.IdealPoint().y; });
}

SScriptValue GetMemberVoteWt(CScriptCall& call) {
    return GetFromMember(call, [](const CMember& m) { return m.ReportedVoteWeight(); });
}

const SScriptBinding kBindings[] = {
    {"AddMemberEx", AddMemberEx},
    {"AddMember", AddMember},
    {"DropMember", DropMember},
    {"SetMemberCandidate", SetMemberCandidate},
    {"SetMemberIdealPoint", SetMemberIdealPoint},
    {"SetMemberPreference", SetMemberPreference},
    {"SetMemberRational", SetMemberRational},
    {"SetMemberVoteProb", SetMemberVoteProb},
    {"SetMemberVoteWeighted", SetMemberVoteWeighted},
    {"SetMemberVoteWt", SetMemberVoteWt},
    {"SetMemberVeto", SetMemberVeto},
    {"GetMemberCount", GetMemberCount},
    {"GetMemberIndex", GetMemberIndex},
    {"GetMemberIdByIndex", GetMemberIdByIndex},
    {"GetMemberIdByLabel", GetMemberIdByLabel},
    {"GetMemberLabelByIndex", GetMemberLabelByIndex},
    {"GetMemberLabelById", GetMemberLabelById},
    {"GetMemberIdealPointH", GetMemberIdealPointH},
    {"GetMemberIdealPointV", GetMemberIdealPointV},
    {"GetMemberVoteWt", GetMemberVoteWt},
};

} // namespace

std::span<const SScriptBinding> MemberScriptBindings() {
    return kBindings;
}
