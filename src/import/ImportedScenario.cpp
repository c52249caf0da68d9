#include "import/ImportedScenario.h"

#include "document/QueltaDoc.h"
#include "model/Member.h"
#include "preferences/PreferenceSpec.h"

#include <new>

namespace {

/// The scales, the house and its committee of a new imported scenario.
void AddImportedGroup(CQueltaDoc& doc, const SImportedBody& body) {
    ScenarioHeader& h = doc.Header();
    for (const SImportedScale* scale : {&body.horizontal, &body.vertical})
        h.scales.push_back(
            std::make_unique<CRatingScale>(scale->id, scale->name, scale->min, scale->max));
    h.horizontalScale = h.scales[0].get();
    h.verticalScale = h.scales[1].get();
    SHouse& house = body.house == HOUSE_LOWER ? h.lowerHouse : h.upperHouse;
    house.label = body.houseLabel;
    house.membersLabel = "Members";
    house.committeesLabel = body.houseLabel + " Committees";
    house.committees.push_back(
        std::make_unique<CCommittee>(0, body.committeeId, "", body.committeeName, "", "", ""));
    h.currentCommittee = house.committees.back().get();
    h.houseInUse = body.house;
    h.committeeLabel = body.committeeName;
}

void AddImportedMembers(CQueltaDoc& doc, const SImportedBody& body) {
    const int prefType = PreferenceTypeFromName(doc.Header().defaultModelName);
    CQueltaDoc::CBatchLoad batch(doc);
    for (const SImportedMember& m : body.members) {
        CMember* member = doc.CreateMember(m.id, m.lastName, CFPoint(m.h, m.v), prefType);
        if (!member)
            throw std::bad_alloc();
        member->SetFirstName(m.firstName);
        member->SetConstituencyGenus(m.state);
        member->SetConstituencySpecies(m.district);
        member->SetVoteWeight(m.weight);
        if (!m.party.empty())
            member->SetNominalAttribute("PARTY", m.party);
        if (!m.state.empty())
            member->SetNominalAttribute("STATE", m.state);
    }
}

/// Status quo and proposal start at the centre of the scales, inside the members' space
/// whatever units their scores come in.
void PlaceAtTheCentre(CQueltaDoc& doc, const SImportedBody& body) {
    const CFPoint centre((body.horizontal.min + body.horizontal.max) / 2.0,
                         (body.vertical.min + body.vertical.max) / 2.0);
    doc.Game().SetStatusQuo(centre);
    doc.Game().SetProposal(centre);
}

} // namespace

bool BuildImportedScenario(CQueltaDoc& doc, const SImportedBody& body) {
    try {
        doc.ResetScenario();
        doc.Header().scenarioName = body.title;
        AddImportedGroup(doc, body);
        AddImportedMembers(doc, body);
        PlaceAtTheCentre(doc, body);
        doc.FinishLoad();
        doc.SetModifiedFlag(true);
        return true;
    } catch (const std::bad_alloc&) {
        doc.ResetScenario();
        return false;
    }
}
