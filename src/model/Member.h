#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/LazyRgn.h"
#include "geometry/Rgn.h"
#include "model/RatingScale.h"
#include "preferences/PreferenceSpec.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CCommittee;

/// The scales and committees of a copied legislature by the originals they stand for.
struct SLegislatureRelink {
    std::unordered_map<const CRatingScale*, const CRatingScale*> scales;
    std::unordered_map<const CCommittee*, CCommittee*> committees;
};

/// Label format codes of CMember::FormatName.
enum EMemberNameFormat {
    NAME_NONE = 0,
    NAME_FIRST_MIDDLE_LAST = 2,
    NAME_LAST_FIRST_MIDDLE = 4,
    NAME_FIRST_LAST = 16,
    NAME_LAST_FIRST = 32,
    NAME_PARTY = 64,
    NAME_PARTY_LAST_FIRST_MIDDLE = 68,
    NAME_CONSTITUENCY = 128,
    NAME_CONSTITUENCY_LAST_FIRST_MIDDLE = 132,
    NAME_CONSTITUENCY_PARTY_LAST_FIRST = 224,
};

/// A member of the voting body (a legislator): ratings, vote, flags, preference settings and
/// the preferred-to region about its copy of the status quo. The region is built when it is
/// first asked for after a change, so a large body whose win set is counted from the members'
/// preferences directly holds no region per member.
class CMember {
public:
    /// A member with every default; a preference type of 0 or above 8 becomes trade-off.
    CMember(int prefType, const CFPoint& statusQuo, const CGridMap& gridMap);

    // Identity and names.
    const std::string& MemberID() const { return m_memberId; }
    void SetMemberID(const std::string& id);
    /// How many times a member's ID has been changed once it was set, by any member: an index
    /// of members by ID made before a change may be out of date.
    static unsigned IdChanges();
    const std::string& Label() const { return m_label; }
    const std::string& LastName() const { return m_lastName; }
    /// Sets the last name and the label with it.
    void SetLastName(const std::string& name);
    const std::string& FirstName() const { return m_firstName; }
    void SetFirstName(const std::string& name) { m_firstName = name; }
    const std::string& MiddleName() const { return m_middleName; }
    void SetMiddleName(const std::string& name) { m_middleName = name; }
    const std::string& ConstituencyGenus() const { return m_genus; }
    void SetConstituencyGenus(const std::string& text) { m_genus = text; }
    const std::string& ConstituencySpecies() const { return m_species; }
    void SetConstituencySpecies(const std::string& text) { m_species = text; }
    /// The member's label in one of the name formats.
    std::string FormatName(int code) const;

    // Vote and flags.
    double VoteWeight() const { return m_voteWeight; }
    /// Sets the vote weight; a negative weight is ignored.
    void SetVoteWeight(double weight);
    /// What the member's vote counts: 0 when abstaining, its weight when weighted, else 1.
    double EffectiveVote() const;
    /// The weight as scripts see it: the weight when weighted, otherwise 1.
    double ReportedVoteWeight() const { return m_weighted == 1 ? m_voteWeight : 1.0; }
    int Probabilistic() const { return m_probabilistic; }
    void SetProbabilistic(int flag) { m_probabilistic = flag; }
    int Weighted() const { return m_weighted; }
    void SetWeighted(int flag) { m_weighted = flag; }
    int Veto() const { return m_veto; }
    void SetVeto(int flag) { m_veto = flag; }
    int Candidate() const { return m_candidate; }
    void SetCandidate(int flag) { m_candidate = flag; }
    double Certainty() const { return m_certainty; }
    /// Sets the certainty fraction of probabilistic voting; negative values are ignored.
    void SetCertainty(double fraction);
    int Leader() const { return m_leader; }
    void SetLeader(int flag) { m_leader = flag; }

    // Preferences.
    const PreferenceSpec& Preference() const { return m_preference; }
    int PrefType() const { return m_preference.prefType; }
    /// Sets the preference type (invalid codes become trade-off) and renews the region.
    void SetPrefType(int prefType);
    /// Copies every preference setting and renews the region.
    void SetPreferenceSpec(const PreferenceSpec& spec);
    /// Setters of single preference settings; each renews the region.
    void SetModelType(int modelType);
    void SetSalience(double salience);
    void SetComplementarity(double complementarity);
    void SetDiscount(double discount);
    void SetIntensity(double intensity);
    void SetBeta(double beta);
    /// How the member's ellipses become cells: 0 the exact ellipse, N >= 3 its inscribed N-gon.
    int PrefVertices() const { return m_prefVertices; }
    /// Sets how ellipses become cells and renews the region when that changes.
    void SetPrefVertices(int vertices);
    int Rational() const { return m_rational; }
    /// Sets the bounded-rationality flag and renews the region.
    void SetRational(int flag);

    // Position.
    const CFPoint& IdealPoint() const { return m_idealPoint; }
    /// Places the ideal point explicitly (for members without ratings) and renews the region.
    void SetIdealPoint(const CFPoint& point);
    /// Places the ideal point with its benefit-of-the-doubt radii and renews the region.
    void SetIdealPoint(const CFPoint& point, double spreadH, double spreadV);
    /// Moves the ideal point by a vector (nothing for a zero vector) and renews the region.
    void ShiftIdealPoint(double dx, double dy);
    const std::pair<double, double>& Spread() const { return m_spread; }
    const CFPoint& StatusQuo() const { return m_statusQuo; }
    /// Takes the game's status quo and grid map and renews the preferred-to region.
    void Adopt(const CFPoint& statusQuo, const CGridMap& gridMap);
    const CGridMap& GridMap() const { return m_gridMap; }

    // Ratings.
    const std::vector<CRating>& Ratings() const { return m_ratings; }
    /// Adds (or replaces) the rating on a scale.
    void AddRating(const CRatingScale& scale, double value, double stdDev, int count);
    /// Updates the rating on the scale with this ID; 0 when the member has none there.
    int UpdateRating(const std::string& ratingId, double value, double stdDev, int count);
    /// The rating on the scale with this ID, or nullptr.
    const CRating* FindRating(const std::string& ratingId) const;
    /// Takes the horizontal coordinate from the member's rating on the scale (or the status quo).
    void SetHorizontalScale(const CRatingScale* scale);
    /// Takes the vertical coordinate from the member's rating on the scale (or the status quo).
    void SetVerticalScale(const CRatingScale* scale);
    const CRating* HorizontalRating() const;
    const CRating* VerticalRating() const;

    // Committees and attributes.
    const std::vector<CCommittee*>& Committees() const { return m_committees; }
    void AddCommittee(CCommittee* committee) { m_committees.push_back(committee); }
    /// Sets (or adds) a nominal attribute.
    void SetNominalAttribute(const std::string& id, const std::string& value);
    /// The value of a nominal attribute; nullptr when the member has none.
    const std::string* NominalAttribute(const std::string& id) const;
    void SetNumericAttribute(const std::string& id, double value);
    const std::vector<std::pair<std::string, double>>& NumericAttributes() const {
        return m_numericAttributes;
    }
    const std::vector<std::pair<std::string, std::string>>& NominalAttributes() const {
        return m_nominalAttributes;
    }

    /// A copy of the member in a copied legislature: every setting as it is, its ratings on
    /// and its committees among the counterparts `relink` gives. The copy holds no region; it
    /// builds one when asked.
    std::unique_ptr<CMember> CopyRelinked(const SLegislatureRelink& relink) const;

    /// The member's region of cells preferred to its status quo (may hold no region), built
    /// first when a change renewed it.
    const CRgn& PreferredRgn() const;
    /// Whether the region is at hand, so that PreferredRgn builds nothing.
    bool PreferredRgnHeld() const { return m_preferredRgn.Held(); }
    /// Renews the preferred-to region after a change of the settings it depends on: the
    /// settings derived from them (the expected-utility salience) are set at once, the region
    /// is built when next asked for. A member never renewed holds no region.
    void RenewPreferredRgn();
    /// Whether the member prefers the point to its status quo: its cell lies in the region
    /// (an absolute member only its own ideal point, an abstaining member nothing).
    bool Prefers(const CFPoint& point) const;
    /// The member's support for the point against its status quo: 0 outside its region, its
    /// effective vote inside, reduced near the status quo under probabilistic voting.
    double VoteValue(const CFPoint& point) const;
    /// The vote value at a point known to lie in the region.
    double ProbabilisticVote(const CFPoint& point) const;
    /// The squared distance from the ideal point (the closer-than comparison).
    double SquaredDistance(const CFPoint& point) const;

private:
    /// Stores one setting the region depends on and renews the region.
    template <typename T> void SetAndRenew(T& field, T value) {
        field = value;
        RenewPreferredRgn();
    }
    /// Builds the region from the current settings.
    CRgn BuildRegion() const;
    /// Whether the region holds the cell.
    bool RegionHoldsCell(const QPoint& cell) const;
    std::string NameLastFirst(bool withMiddle) const;
    std::string NameFirstLast(bool withMiddle) const;
    std::string NameConstituency() const;
    std::string NameParty() const;
    int RatingIndex(const std::string& ratingId) const;

    std::string m_label;
    double m_voteWeight = 1.0;
    int m_probabilistic = 0;
    int m_weighted = 1;
    int m_veto = 0;
    int m_candidate = 0;
    double m_certainty = 0.9;
    PreferenceSpec m_preference;
    int m_rational = 0;
    int m_prefVertices = 0;
    CFPoint m_statusQuo{50.0, 50.0};
    CFPoint m_idealPoint{50.0, 50.0};
    std::pair<double, double> m_spread{0.0, 0.0};
    CGridMap m_gridMap;
    CLazyRgn m_preferredRgn;
    std::vector<CRating> m_ratings;
    std::vector<CCommittee*> m_committees;
    std::vector<std::pair<std::string, std::string>> m_nominalAttributes;
    std::vector<std::pair<std::string, double>> m_numericAttributes;
    int m_horizontalRating = -1;
    int m_verticalRating = -1;
    std::string m_memberId;
    std::string m_lastName;
    std::string m_firstName;
    std::string m_middleName;
    std::string m_genus;
    std::string m_species;
    int m_leader = 0;
};
