#pragma once

#include "geometry/FPoint.h"

#include <functional>
#include <string>
#include <vector>

class CCommittee;
class CMember;
class CQueltaDoc;

/// What the committee/member list of the scenario form holds.
enum EFormListMode { LIST_COMMITTEES = 1, LIST_MEMBERS = 2 };

/// One entry of the committee/member list with the object it stands for.
struct SFormListEntry {
    std::string text;
    CCommittee* committee = nullptr;
    CMember* member = nullptr;
};

/// The decision-rule fields of the form, as the document has them.
struct SRuleFields {
    bool absolute = true;
    double fraction = 0.5;
    double quota = 0.0;
    double total = 0.0;
};

/// The scenario form without its widgets: the lists it shows, the selections it keeps and the
/// document operation behind every control event. The form widget only mirrors this state.
class CInputForm {
public:
    explicit CInputForm(CQueltaDoc& doc) : m_doc(doc) {}

    /// The list text of a committee: indented by its sub-level, followed by its member count.
    static std::string CommitteeEntryText(const CCommittee& committee);
    /// The help lines shown while the scenario is ready (empty otherwise).
    std::string HelpText() const;

    int ListMode() const { return m_listMode; }
    /// The committees of the house in use, or the members of the current committee.
    std::vector<SFormListEntry> ListEntries() const;
    /// The caption over the list: "no committees", "select committee" or the committee's name.
    std::string CommitteeCaption() const;
    /// The label of the house in use.
    std::string HouseCaption() const;
    /// The names of the rating scales, in the scenario's order.
    std::vector<std::string> ScaleNames() const;
    /// The selected list entry and scales (-1 when nothing is selected).
    int ListSelection() const { return m_listSelection; }
    int HorizontalSelection() const;
    int VerticalSelection() const;
    /// The member highlighted on the chart after a choice in member mode (nullptr: none).
    CMember* HighlightedMember() const { return m_highlighted; }
    SRuleFields RuleFields() const;

    /// The scenario name typed into the field.
    void EditScenarioName(const std::string& name);
    /// A stored scenario chosen from the list; true when it was opened.
    bool ChooseScenario(const std::string& name);
    /// How a database document opens one of its stored scenarios by name.
    void SetStoredScenarioOpener(std::function<bool(const std::string&)> opener) {
        m_openStoredScenario = std::move(opener);
    }
    /// The "UH" (upper) or "LH" (lower) button.
    void ChooseHouse(int house);
    /// The "Select Committee" (1) or "Show Members" (2) button.
    void SetListMode(int mode);
    /// An entry chosen from the committee/member list.
    void ChooseListEntry(int index);
    /// The list's text when leaving the field: renames the current committee.
    void EditListText(const std::string& text);
    /// A rating scale chosen for the horizontal (or vertical) axis.
    void ChooseScale(bool horizontal, int index);
    /// The text of a rating list when leaving it: renames the selected scale.
    void EditScaleText(bool horizontal, const std::string& text);
    /// The status-quo (proposal) fields when leaving either of them; points beyond the
    /// coordinate limit are refused.
    void EditStatusQuo(const CFPoint& point);
    void EditProposal(const CFPoint& point);
    /// The zoom field or "set"; zooms outside the zoom limits are refused.
    void EditZoom(double zoom);
    /// The up/down control: +1 adds 0.5, -1 subtracts 0.5.
    void StepZoom(int direction);
    /// "set to default".
    void DefaultZoom();
    /// The fraction field; fractions outside 0 to 1 are refused.
    void EditFraction(double fraction);
    /// The quota field; anything but a whole number of votes up to the vote total is refused.
    void EditQuota(double quota);
    void SetAbsolute(bool absolute);
    /// "Refresh": recompute and redraw everything.
    void Refresh();

private:
    void RenameSelectedScale(int selection, const std::string& text);

    CQueltaDoc& m_doc;
    int m_listMode = LIST_COMMITTEES;
    int m_listSelection = -1;
    CMember* m_highlighted = nullptr;
    std::function<bool(const std::string&)> m_openStoredScenario;
};
