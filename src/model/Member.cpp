#include "model/Member.h"

#include "preferences/MemberRows.h"
#include "preferences/PreferredRgn.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

std::atomic<unsigned> idChanges{0};

} // namespace

void CMember::SetMemberID(const std::string& id) {
    if (!m_memberId.empty() && m_memberId != id)
        ++idChanges;
    m_memberId = id;
}

unsigned CMember::IdChanges() {
    return idChanges;
}

CMember::CMember(int prefType, const CFPoint& statusQuo, const CGridMap& gridMap)
    : m_preference(PreferenceSpec::ForNewMember(prefType)), m_statusQuo(statusQuo),
      m_gridMap(gridMap) {}

void CMember::SetLastName(const std::string& name) {
    m_lastName = name;
    m_label = name;
}

std::string CMember::NameLastFirst(bool withMiddle) const {
    if (m_lastName.empty())
        return "?";
    std::string text = m_lastName;
    if (!m_firstName.empty()) {
        text += ", " + m_firstName;
        if (withMiddle && !m_middleName.empty())
            text += " " + m_middleName;
    }
    return text;
}

std::string CMember::NameFirstLast(bool withMiddle) const {
    if (m_lastName.empty())
        return "?";
    std::string text = m_firstName;
    if (withMiddle && !m_middleName.empty())
        text += " " + m_middleName;
    return text + " " + m_lastName;
}

std::string CMember::NameConstituency() const {
    if (m_genus.empty())
        return m_species;
    return m_species.empty() ? m_genus : m_genus + "-" + m_species;
}

std::string CMember::NameParty() const {
    const std::string* party = NominalAttribute("PARTY");
    return party ? *party : std::string();
}

std::string CMember::FormatName(int code) const {
    switch (code) {
    case NAME_NONE:
        return {};
    case NAME_FIRST_MIDDLE_LAST:
        return NameFirstLast(true);
    case NAME_LAST_FIRST_MIDDLE:
        return NameLastFirst(true);
    case NAME_FIRST_LAST:
        return NameFirstLast(false);
    case NAME_LAST_FIRST:
        return NameLastFirst(false);
    case NAME_PARTY:
        return NameParty();
    case NAME_PARTY_LAST_FIRST_MIDDLE:
        return NameParty() + " " + NameLastFirst(true);
    case NAME_CONSTITUENCY:
        return NameConstituency();
    case NAME_CONSTITUENCY_LAST_FIRST_MIDDLE:
        return NameConstituency() + " " + NameLastFirst(true);
    case NAME_CONSTITUENCY_PARTY_LAST_FIRST:
        return NameConstituency() + "\t" + NameParty() + "\t" + NameLastFirst(false);
    default:
        return "ERROR: unrecognized format specification";
    }
}

void CMember::SetVoteWeight(double weight) {
    if (weight >= 0.0)
        m_voteWeight = weight;
}

double CMember::EffectiveVote() const {
    if (m_preference.prefType == PREF_ABSTAIN)
        return 0.0;
    return m_weighted == 1 ? m_voteWeight : 1.0;
}

void CMember::SetCertainty(double fraction) {
    if (fraction >= 0.0)
        m_certainty = fraction;
}

void CMember::SetPrefType(int prefType) {
    m_preference.prefType = ValidPreferenceType(prefType);
    RenewPreferredRgn();
}

void CMember::SetPreferenceSpec(const PreferenceSpec& spec) {
    m_preference = spec;
    RenewPreferredRgn();
}

void CMember::SetRational(int flag) {
    SetAndRenew(m_rational, flag);
}

void CMember::SetModelType(int modelType) {
    SetAndRenew(m_preference.modelType, modelType);
}

void CMember::SetSalience(double salience) {
    SetAndRenew(m_preference.salience, salience);
}

void CMember::SetComplementarity(double complementarity) {
    SetAndRenew(m_preference.complementarity, complementarity);
}

void CMember::SetDiscount(double discount) {
    SetAndRenew(m_preference.discount, discount);
}

void CMember::SetIntensity(double intensity) {
    SetAndRenew(m_preference.intensity, intensity);
}

void CMember::SetBeta(double beta) {
    SetAndRenew(m_preference.beta, beta);
}

void CMember::SetIdealPoint(const CFPoint& point, double spreadH, double spreadV) {
    m_spread = {spreadH, spreadV};
    SetIdealPoint(point);
}

void CMember::ShiftIdealPoint(double dx, double dy) {
    if (dx == 0.0 && dy == 0.0)
        return;
    SetIdealPoint(CFPoint(m_idealPoint.x + dx, m_idealPoint.y + dy));
}

void CMember::SetIdealPoint(const CFPoint& point) {
    m_idealPoint = point;
    RenewPreferredRgn();
}

void CMember::Adopt(const CFPoint& statusQuo, const CGridMap& gridMap) {
    m_statusQuo = statusQuo;
    m_gridMap = gridMap;
    RenewPreferredRgn();
}

int CMember::RatingIndex(const std::string& ratingId) const {
    for (size_t i = 0; i < m_ratings.size(); ++i)
        if (m_ratings[i].scale && m_ratings[i].scale->RatingID() == ratingId)
            return static_cast<int>(i);
    return -1;
}

void CMember::AddRating(const CRatingScale& scale, double value, double stdDev, int count) {
    int index = RatingIndex(scale.RatingID());
    if (index < 0) {
        m_ratings.push_back(CRating{&scale});
        index = static_cast<int>(m_ratings.size()) - 1;
    }
    m_ratings[static_cast<size_t>(index)].scale = &scale;
    m_ratings[static_cast<size_t>(index)].Set(value, stdDev, count);
}

int CMember::UpdateRating(const std::string& ratingId, double value, double stdDev, int count) {
    const int index = RatingIndex(ratingId);
    if (index < 0)
        return 0;
    m_ratings[static_cast<size_t>(index)].Set(value, stdDev, count);
    return 1;
}

const CRating* CMember::FindRating(const std::string& ratingId) const {
    const int index = RatingIndex(ratingId);
    return index < 0 ? nullptr : &m_ratings[static_cast<size_t>(index)];
}

const CRating* CMember::HorizontalRating() const {
    return m_horizontalRating < 0 ? nullptr : &m_ratings[static_cast<size_t>(m_horizontalRating)];
}

const CRating* CMember::VerticalRating() const {
    return m_verticalRating < 0 ? nullptr : &m_ratings[static_cast<size_t>(m_verticalRating)];
}

void CMember::SetHorizontalScale(const CRatingScale* scale) {
    m_horizontalRating = scale ? RatingIndex(scale->RatingID()) : -1;
    if (const CRating* rating = HorizontalRating()) {
        m_idealPoint.x = rating->Value;
        m_spread.first = rating->StdDev;
    } else {
        m_idealPoint.x = m_statusQuo.x;
        m_spread.first = 0.0;
    }
    RenewPreferredRgn();
}

void CMember::SetVerticalScale(const CRatingScale* scale) {
    m_verticalRating = scale ? RatingIndex(scale->RatingID()) : -1;
    if (const CRating* rating = VerticalRating()) {
        m_idealPoint.y = rating->Value;
        m_spread.second = rating->StdDev;
    } else {
        m_idealPoint.y = m_statusQuo.y;
        m_spread.second = 0.0;
    }
    RenewPreferredRgn();
}

void CMember::SetNominalAttribute(const std::string& id, const std::string& value) {
    for (auto& attribute : m_nominalAttributes) {
        if (attribute.first == id) {
            attribute.second = value;
            return;
        }
    }
    m_nominalAttributes.emplace_back(id, value);
}

std::unique_ptr<CMember> CMember::CopyRelinked(const SLegislatureRelink& relink) const {
    auto copy = std::make_unique<CMember>(*this);
    copy->m_preferredRgn.Drop();
    for (CRating& rating : copy->m_ratings)
        rating.scale = relink.scales.at(rating.scale);
    for (CCommittee*& committee : copy->m_committees)
        committee = relink.committees.at(committee);
    return copy;
}

const std::string* CMember::NominalAttribute(const std::string& id) const {
    for (const auto& attribute : m_nominalAttributes)
        if (attribute.first == id)
            return &attribute.second;
    return nullptr;
}

void CMember::SetNumericAttribute(const std::string& id, double value) {
    for (auto& attribute : m_numericAttributes) {
        if (attribute.first == id) {
            attribute.second = value;
            return;
        }
    }
    m_numericAttributes.emplace_back(id, value);
}

void CMember::SetPrefVertices(int vertices) {
    if (vertices == m_prefVertices)
        return;
    m_prefVertices = vertices;
    RenewPreferredRgn();
}

void CMember::RenewPreferredRgn() {
    DeriveTypeSettings(m_preference.prefType, m_preference, m_idealPoint, m_statusQuo);
    m_preferredRgn.Drop();
}

CRgn CMember::BuildRegion() const {
    // The settings derived from the positions are already in place, so the builder's copy
    // derives the same again and the member's own settings stay as they are.
    PreferenceSpec spec = m_preference;
    SPreferredRgnInput input;
    input.ideal = m_idealPoint;
    input.statusQuo = m_statusQuo;
    input.map = m_gridMap;
    input.spec = &spec;
    input.spread = m_spread;
    input.rational = m_rational;
    input.label = m_label;
    input.prefVertices = m_prefVertices;
    return BuildPreferredRgn(input);
}

const CRgn& CMember::PreferredRgn() const {
    return m_preferredRgn.Get([this] { return BuildRegion(); });
}

bool CMember::RegionHoldsCell(const QPoint& cell) const {
    // A region not at hand is not built for one cell where the member's rows can tell.
    if (!PreferredRgnHeld())
        if (const std::optional<bool> held = CMemberRows(*this).Holds(cell.x(), cell.y()))
            return *held;
    return PreferredRgn().PtInRegion(cell.x(), cell.y());
}

bool CMember::Prefers(const CFPoint& point) const {
    switch (m_preference.prefType) {
    case PREF_ABSTAIN:
        return false;
    case PREF_ABSOLUTE:
        return PreferredRgn().IsValid() && std::fabs(point.x - m_idealPoint.x) <= 0.00000001 &&
               std::fabs(point.y - m_idealPoint.y) <= 0.00000001;
    default:
        return RegionHoldsCell(m_gridMap.WorldToCell(point));
    }
}

double CMember::VoteValue(const CFPoint& point) const {
    if (!RegionHoldsCell(m_gridMap.WorldToCell(point)))
        return 0.0;
    return ProbabilisticVote(point);
}

double CMember::ProbabilisticVote(const CFPoint& point) const {
    const double base = EffectiveVote();
    const double dS = m_idealPoint.Distance(m_statusQuo);
    if (!m_probabilistic || !(dS > 0.0))
        return base;
    const double dP = m_idealPoint.Distance(point);
    if (dS * m_certainty < dP && dP < dS)
        return base * (1.0 - dP / dS) / (1.0 - m_certainty);
    return base;
}

double CMember::SquaredDistance(const CFPoint& point) const {
    const double d = m_idealPoint.Distance(point);
    return d * d;
}
