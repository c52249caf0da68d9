#include "views/InputForm.h"

#include "document/EditSteps.h"
#include "document/InputLimits.h"
#include "document/QueltaDoc.h"
#include "platform/Platform.h"

#include <cmath>

namespace {

const char* const kHelpLines[] = {
    "Adjust Legend:\thold left mouse button and drag\r\n",
    "View Coalition:\tctrl-key + left mouse button\r\n",
    "Hide Coalition:\tctrl-key + right mouse button\r\n",
    "Create Member:\tshift-key + left mouse button\r\n",
    "Delete Member:\tshift-key + right mouse button\r\n",
    "Move Member:\thold left mouse button and drag\r\n",
    "Edit Member:\tdouble-click left mouse button\r\n",
    "Identify Member:\tright mouse button\r\n",
};

/// Whether a point lies within the limits a point of the scenario may take.
bool IsPlacePoint(const CFPoint& point) {
    return std::fabs(point.x) <= kLargestCoordinate && std::fabs(point.y) <= kLargestCoordinate;
}

int ScaleIndex(const ScenarioHeader& header, const CRatingScale* scale) {
    for (std::size_t i = 0; i < header.scales.size(); ++i)
        if (header.scales[i].get() == scale)
            return static_cast<int>(i);
    return -1;
}

} // namespace

std::string CInputForm::CommitteeEntryText(const CCommittee& committee) {
    return ::CommitteeEntryText(committee);
}

std::string CInputForm::HelpText() const {
    // An empty whiteboard shows the help too: it is where members are created.
    const ScenarioHeader& header = m_doc.Header();
    const bool chart = header.currentCommittee && header.horizontalScale && header.verticalScale &&
                       header.horizontalScale != header.verticalScale;
    if (!chart)
        return {};
    std::string text;
    for (const char* line : kHelpLines)
        text += line;
    return text;
}

std::vector<SFormListEntry> CInputForm::ListEntries() const {
    std::vector<SFormListEntry> entries;
    const ScenarioHeader& header = m_doc.Header();
    if (m_listMode == LIST_MEMBERS) {
        if (const CCommittee* committee = header.currentCommittee)
            for (CMember* member : committee->Members())
                entries.push_back({member->LastName(), nullptr, member});
        return entries;
    }
    for (const auto& committee : header.HouseInUse().committees)
        entries.push_back({CommitteeEntryText(*committee), committee.get(), nullptr});
    return entries;
}

std::string CInputForm::CommitteeCaption() const {
    const ScenarioHeader& header = m_doc.Header();
    if (header.HouseInUse().committees.empty())
        return "no committees";
    if (!header.currentCommittee)
        return "select committee";
    return header.currentCommittee->Name();
}

std::string CInputForm::HouseCaption() const {
    return m_doc.Header().HouseInUse().committeesLabel;
}

std::vector<std::string> CInputForm::ScaleNames() const {
    std::vector<std::string> names;
    for (const auto& scale : m_doc.Header().scales)
        names.push_back(scale->Rating());
    return names;
}

int CInputForm::HorizontalSelection() const {
    return ScaleIndex(m_doc.Header(), m_doc.Header().horizontalScale);
}

int CInputForm::VerticalSelection() const {
    return ScaleIndex(m_doc.Header(), m_doc.Header().verticalScale);
}

SRuleFields CInputForm::RuleFields() const {
    const CVotingGame& game = m_doc.Game();
    return {game.AbsolutePlurality() != 0, game.VoteRule(), game.VoteQuota(), game.VoteTotal()};
}

void CInputForm::EditScenarioName(const std::string& name) {
    if (m_doc.Header().scenarioName == name)
        return;
    m_doc.Header().scenarioName = name;
    CommitEdit(m_doc, "Scenario Name");
}

bool CInputForm::ChooseScenario(const std::string& name) {
    if (m_doc.Header().sourceKind != SOURCE_DATABASE || !m_openStoredScenario)
        return false;
    return m_openStoredScenario(name);
}

void CInputForm::ChooseHouse(int house) {
    ScenarioHeader& header = m_doc.Header();
    header.houseInUse = house;
    header.currentCommittee = nullptr;
    m_doc.Game().SetMembers(nullptr);
    m_listSelection = -1;
    m_highlighted = nullptr;
    if (house == HOUSE_LOWER)
        m_listMode = LIST_COMMITTEES;
    Platform().RefreshViews();
    // Only a legislature's snapshot carries a scenario without a committee.
    if (SnapshotNeedsLegislature(m_doc))
        CommitEdit(m_doc, house == HOUSE_LOWER ? "Lower House" : "Upper House");
}

void CInputForm::SetListMode(int mode) {
    m_listMode = mode == LIST_MEMBERS ? LIST_MEMBERS : LIST_COMMITTEES;
    m_listSelection = -1;
}

void CInputForm::ChooseListEntry(int index) {
    const std::vector<SFormListEntry> entries = ListEntries();
    if (index < 0 || index >= static_cast<int>(entries.size()))
        return;
    m_listSelection = index;
    if (m_listMode == LIST_MEMBERS) {
        m_highlighted = entries[index].member;
        Platform().RefreshViews();
        return;
    }
    m_highlighted = nullptr;
    // Selecting a committee as a load does leaves the document unmodified; chosen here it
    // keeps unsaved changes unsaved, the committee in use before among them.
    const bool modified = m_doc.IsModified();
    m_doc.SelectCommittee(entries[index].committee->CommitteeID());
    if (modified)
        m_doc.RefreshAndModify();
    else
        Platform().RefreshViews();
    CommitEdit(m_doc, "Select Committee");
}

void CInputForm::EditListText(const std::string& text) {
    CCommittee* committee = m_doc.Header().currentCommittee;
    if (m_listMode != LIST_COMMITTEES || !committee || text.empty())
        return;
    if (text == CommitteeEntryText(*committee) || text == committee->Name())
        return;
    committee->SetName(text);
    m_doc.RefreshAndModify();
    CommitEdit(m_doc, "Group Name");
}

void CInputForm::ChooseScale(bool horizontal, int index) {
    const ScenarioHeader& header = m_doc.Header();
    if (!header.currentCommittee || index < 0 || index >= static_cast<int>(header.scales.size()))
        return;
    const std::string id = header.scales[index]->RatingID();
    if (horizontal)
        m_doc.SelectHorizontalScale(id);
    else
        m_doc.SelectVerticalScale(id);
    CommitEdit(m_doc, horizontal ? "Horizontal Scale" : "Vertical Scale");
}

void CInputForm::EditScaleText(bool horizontal, const std::string& text) {
    RenameSelectedScale(horizontal ? HorizontalSelection() : VerticalSelection(), text);
}

void CInputForm::RenameSelectedScale(int selection, const std::string& text) {
    ScenarioHeader& header = m_doc.Header();
    if (selection < 0 || text.empty() || header.scales[selection]->Rating() == text)
        return;
    header.scales[selection]->SetRating(text);
    m_doc.RefreshAndModify();
    CommitEdit(m_doc, "Scale Name");
}

void CInputForm::EditStatusQuo(const CFPoint& point) {
    if (!IsPlacePoint(point))
        return;
    m_doc.SetStatusQuo(point);
    CommitEdit(m_doc, "Move Status Quo");
}

void CInputForm::EditProposal(const CFPoint& point) {
    if (!IsPlacePoint(point))
        return;
    m_doc.SetProposal(point);
    CommitEdit(m_doc, "Move Proposal");
}

void CInputForm::EditZoom(double zoom) {
    if (!(zoom >= kSmallestZoom && zoom <= kLargestZoom) || zoom == m_doc.Zoom())
        return;
    m_doc.SetZoom(zoom);
    Platform().RefreshViews();
    CommitEdit(m_doc, "Zoom");
}

void CInputForm::StepZoom(int direction) {
    // A step down to no zoom at all goes back to the whole scale range.
    const double zoom = m_doc.Zoom() + (direction > 0 ? 0.5 : -0.5);
    EditZoom(zoom > 0.0 ? zoom : 1.0);
}

void CInputForm::DefaultZoom() {
    // The default is the whole scale box: zoom 1 about its centre.
    const CFPoint centred(0.0, 0.0);
    if (m_doc.Zoom() == 1.0 && m_doc.Pan().x == centred.x && m_doc.Pan().y == centred.y)
        return;
    m_doc.SetZoomAndPan(1.0, centred);
    Platform().RefreshViews();
}

void CInputForm::EditFraction(double fraction) {
    if (fraction >= 0.0 && fraction <= 1.0 && fraction != m_doc.Game().VoteRule()) {
        m_doc.SetVoteRule(fraction);
        CommitEdit(m_doc, "Decision Rule");
    }
}

void CInputForm::EditQuota(double quota) {
    if (quota >= 0.0 && quota == std::floor(quota) && quota <= m_doc.Game().VoteTotal() &&
        quota != m_doc.Game().VoteQuota()) {
        m_doc.SetVoteRule(m_doc.Game().FractionForQuota(quota));
        CommitEdit(m_doc, "Decision Rule");
    }
}

void CInputForm::SetAbsolute(bool absolute) {
    m_doc.SetAbsolutePlurality(absolute ? 1 : 0);
    CommitEdit(m_doc, "Plurality");
}

void CInputForm::Refresh() {
    m_doc.Game().InvalidateAll();
    Platform().RefreshViews();
}
