#include "document/MemberEditor.h"

#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kRadiansPerDegree = 0.017453292519943295;

int MemberCount(const SHouse& house) {
    return static_cast<int>(house.members.size());
}

int IndexIn(const SHouse& house, const CMember* member) {
    for (int i = 0; i < MemberCount(house); ++i)
        if (house.members[static_cast<std::size_t>(i)].get() == member)
            return i;
    return -1;
}

} // namespace

double ComplementarityOfAngle(double degrees) {
    return std::tan(degrees * kRadiansPerDegree);
}

double AngleOfComplementarity(double complementarity) {
    return std::atan(complementarity) / kRadiansPerDegree;
}

double FieldNumber(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

CMemberEditor::CMemberEditor(CQueltaDoc& doc)
    : m_doc(doc), m_house(doc.Header().houseInUse == HOUSE_LOWER ? HOUSE_LOWER : HOUSE_UPPER) {}

const SHouse& CMemberEditor::Walked() const {
    const ScenarioHeader& header = m_doc.Header();
    return m_house == HOUSE_LOWER ? header.lowerHouse : header.upperHouse;
}

void CMemberEditor::SelectHouse(int house) {
    m_house = house == HOUSE_LOWER ? HOUSE_LOWER : HOUSE_UPPER;
    m_index = 0;
}

CMember* CMemberEditor::Current() const {
    const SHouse& house = Walked();
    if (m_index < 0 || m_index >= MemberCount(house))
        return nullptr;
    return house.members[static_cast<std::size_t>(m_index)].get();
}

bool CMemberEditor::ShowMember(const CMember* member) {
    const ScenarioHeader& header = m_doc.Header();
    for (const int house :
         {m_house, m_house == HOUSE_LOWER ? int{HOUSE_UPPER} : int{HOUSE_LOWER}}) {
        const SHouse& list = house == HOUSE_LOWER ? header.lowerHouse : header.upperHouse;
        if (const int index = IndexIn(list, member); index >= 0) {
            m_house = house;
            m_index = index;
            return true;
        }
    }
    MessageBoxOk("m_pMem not found");
    return false;
}

void CMemberEditor::Next() {
    if (!Current()) {
        MessageBoxOk("empty list", "ERROR");
        return;
    }
    if (++m_index >= MemberCount(Walked())) {
        MessageBoxOk("past end of list");
        m_index = 0;
    }
}

void CMemberEditor::Previous() {
    if (!Current()) {
        MessageBoxOk("empty list", "ERROR");
        return;
    }
    if (--m_index < 0) {
        MessageBoxOk("past beginning of list");
        m_index = MemberCount(Walked()) - 1;
    }
}

template <typename Change> void CMemberEditor::Apply(Change change) {
    CMember* member = Current();
    if (!member)
        return;
    change(*member);
    const CCommittee* committee = m_doc.Header().currentCommittee;
    if (committee && std::find(committee->Members().begin(), committee->Members().end(), member) !=
                         committee->Members().end())
        m_doc.Game().MemberChanged(*member);
    m_doc.RefreshAndModify();
    CommitEdit(m_doc, "Edit Member");
}

void CMemberEditor::SetLastName(const std::string& name) {
    Apply([&name](CMember& m) { m.SetLastName(name); });
}

void CMemberEditor::SetFirstName(const std::string& name) {
    Apply([&name](CMember& m) { m.SetFirstName(name); });
}

void CMemberEditor::SetMiddleName(const std::string& name) {
    Apply([&name](CMember& m) { m.SetMiddleName(name); });
}

void CMemberEditor::SetVoteWeight(double weight) {
    if (weight >= 0.0)
        Apply([weight](CMember& m) { m.SetVoteWeight(weight); });
}

void CMemberEditor::SetVeto(bool checked) {
    Apply([checked](CMember& m) { m.SetVeto(checked ? 1 : 0); });
}

void CMemberEditor::SetCandidate(bool checked) {
    Apply([checked](CMember& m) { m.SetCandidate(checked ? 1 : 0); });
}

void CMemberEditor::SetRationalBox(bool checked) {
    Apply([checked](CMember& m) { m.SetRational(checked ? 0 : 1); });
}

SPreferenceFields CMemberEditor::ChoosePreferenceType(int prefType, double salienceField,
                                                      double angleField) {
    if (prefType == PREF_TRADEOFF || prefType == PREF_CITYBLOCK) {
        const double complementarity = ComplementarityOfAngle(angleField);
        Apply([&](CMember& m) {
            m.SetPrefType(prefType);
            m.SetSalience(salienceField);
            m.SetComplementarity(complementarity);
        });
    } else if (prefType == PREF_INDEPENDENT || prefType == PREF_ABSOLUTE) {
        Apply([prefType](CMember& m) {
            m.SetPrefType(prefType);
            m.SetSalience(1.0);
            m.SetComplementarity(0.0);
        });
    } else {
        Apply([prefType](CMember& m) { m.SetPrefType(prefType); });
    }
    return PreferenceFields();
}

void CMemberEditor::SetSalience(double salience) {
    if (Current() && Current()->Preference().salience != salience)
        Apply([salience](CMember& m) { m.SetSalience(salience); });
}

void CMemberEditor::SetAngle(double degrees) {
    const double complementarity = ComplementarityOfAngle(degrees);
    if (Current() && Current()->Preference().complementarity != complementarity)
        Apply([complementarity](CMember& m) { m.SetComplementarity(complementarity); });
}

void CMemberEditor::SetDiscount(double discount) {
    Apply([discount](CMember& m) {
        PreferenceSpec spec = m.Preference();
        spec.discount = spec.idealPoint.discount = spec.statusQuo.discount = discount;
        m.SetPreferenceSpec(spec);
    });
}

void CMemberEditor::SetIntensity(double intensity) {
    Apply([intensity](CMember& m) {
        PreferenceSpec spec = m.Preference();
        spec.intensity = spec.idealPoint.intensity = spec.statusQuo.intensity = intensity;
        m.SetPreferenceSpec(spec);
    });
}

void CMemberEditor::SetBeta(double beta) {
    Apply([beta](CMember& m) {
        PreferenceSpec spec = m.Preference();
        spec.beta = spec.idealPoint.beta = spec.statusQuo.beta = beta;
        m.SetPreferenceSpec(spec);
    });
}

void CMemberEditor::SetRatingValue(const std::string& ratingId, double value) {
    const CRating* rating = Current() ? Current()->FindRating(ratingId) : nullptr;
    if (!rating)
        return;
    const double stdDev = rating->StdDev;
    const int count = rating->Count;
    const ScenarioHeader& header = m_doc.Header();
    Apply([&](CMember& m) {
        m.UpdateRating(ratingId, value, stdDev, count);
        if (header.horizontalScale && header.horizontalScale->RatingID() == ratingId)
            m.SetHorizontalScale(header.horizontalScale);
        if (header.verticalScale && header.verticalScale->RatingID() == ratingId)
            m.SetVerticalScale(header.verticalScale);
    });
}

SPreferenceFields CMemberEditor::PreferenceFields() const {
    SPreferenceFields fields;
    if (const CMember* member = Current()) {
        const PreferenceSpec& spec = member->Preference();
        fields = {spec.prefType, spec.salience,  AngleOfComplementarity(spec.complementarity),
                  spec.discount, spec.intensity, spec.beta};
    }
    return fields;
}
