#pragma once

#include <string>

class CMember;
class CQueltaDoc;
struct SHouse;

/// The preference values the member editor shows for a member.
struct SPreferenceFields {
    int prefType = 0;
    double salience = 1.0;
    double angle = 0.0; ///< the complementarity as an angle in degrees
    double discount = 1.0;
    double intensity = 0.0;
    double beta = 1.0;
};

/// The member editor without its window: which house's member list it walks, the entry shown,
/// and what each field does to the member when the user leaves or clicks it. Every write goes
/// through the member's setters, which rebuild its preferred-to region at once; the game is told
/// when the member votes in the current committee, and the views are refreshed and the document
/// marked modified.
class CMemberEditor {
public:
    /// Walks the members of the house in use, from its first member.
    explicit CMemberEditor(CQueltaDoc& doc);

    /// Walks the upper (HOUSE_UPPER) or lower (HOUSE_LOWER) house's member list from its first
    /// member.
    void SelectHouse(int house);
    int House() const { return m_house; }
    /// The member shown; nullptr when the list has no entry there.
    CMember* Current() const;
    /// The entry shown, from 0 (-1 when the list is empty).
    int Index() const { return Current() ? m_index : -1; }
    /// Shows a member of the list walked (the house in use is chosen first when the member is in
    /// it); false with the message "m_pMem not found" when it is in neither.
    bool ShowMember(const CMember* member);
    /// "Next": the following entry; past the last the message "past end of list" and the first.
    void Next();
    /// "Previous": the entry before; before the first "past beginning of list" and the last.
    void Previous();

    void SetLastName(const std::string& name);
    void SetFirstName(const std::string& name);
    void SetMiddleName(const std::string& name);
    /// "Vote:": the vote weight (a negative weight is ignored).
    void SetVoteWeight(double weight);
    void SetVeto(bool checked);
    void SetCandidate(bool checked);
    /// "Rational": the member is bounded-rational when the box is cleared.
    void SetRationalBox(bool checked);
    /// A preference-type button pressed with the salience and angle fields' values; gives the
    /// fields to show afterwards.
    SPreferenceFields ChoosePreferenceType(int prefType, double salienceField, double angleField);
    /// "Salience (V/H)": stored when it differs from the member's.
    void SetSalience(double salience);
    /// "Complementarity (Angle in degrees)": the tangent stored when it differs from the
    /// member's.
    void SetAngle(double degrees);
    /// "Discount", "Intensity", "Beta": the member's own value and that of both sampling blocks.
    void SetDiscount(double discount);
    void SetIntensity(double intensity);
    void SetBeta(double beta);
    /// The rating value field: the member's rating on that scale; a rating that places the
    /// member on an axis moves its ideal point with it.
    void SetRatingValue(const std::string& ratingId, double value);

    /// The preference values of the member shown (defaults without one).
    SPreferenceFields PreferenceFields() const;

    /// The house whose member list is walked.
    const SHouse& Walked() const;

private:
    template <typename Change> void Apply(Change change);

    CQueltaDoc& m_doc;
    int m_house;
    int m_index = 0;
};

/// The complementarity of an angle in degrees: its tangent.
double ComplementarityOfAngle(double degrees);
/// The angle in degrees whose tangent is the complementarity.
double AngleOfComplementarity(double complementarity);
/// A number typed into a field as the C library reads it: 0 when the text does not start with
/// one.
double FieldNumber(const std::string& text);
