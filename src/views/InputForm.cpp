#include "views/InputForm.h"

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
    if (!m_doc.IsReady())
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
    m_doc.Header().scenarioName = name;
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
    m_doc.SelectCommittee(entries[index].committee->CommitteeID());
    Platform().RefreshViews();
}

void CInputForm::EditListText(const std::string& text) {
    CCommittee* committee = m_doc.Header().currentCommittee;
    if (m_listMode != LIST_COMMITTEES || !committee || text.empty())
        return;
    if (text == CommitteeEntryText(*committee) || text == committee->Name())
        return;
    committee->SetName(text);
    m_doc.RefreshAndModify();
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
}

void CInputForm::EditStatusQuo(const CFPoint& point) {
    if (std::isfinite(point.x) && std::isfinite(point.y))
        m_doc.SetStatusQuo(point);
}

void CInputForm::EditProposal(const CFPoint& point) {
    if (std::isfinite(point.x) && std::isfinite(point.y))
        m_doc.SetProposal(point);
}

void CInputForm::EditZoom(double zoom) {
    if (!(zoom > 0.0) || !std::isfinite(zoom))
        zoom = 1.0;
    if (zoom == m_doc.Zoom())
        return;
    m_doc.SetZoom(zoom);
    Platform().RefreshViews();
}

void CInputForm::StepZoom(int direction) {
    EditZoom(m_doc.Zoom() + (direction > 0 ? 0.5 : -0.5));
}

void CInputForm::DefaultZoom() {
    EditZoom(1.0);
}

void CInputForm::EditFraction(double fraction) {
    if (std::isfinite(fraction) && fraction != m_doc.Game().VoteRule())
        m_doc.SetVoteRule(fraction);
}

void CInputForm::EditQuota(double quota) {
    if (std::isfinite(quota) && quota != m_doc.Game().VoteQuota())
        m_doc.SetVoteRule(m_doc.Game().FractionForQuota(quota));
}

void CInputForm::SetAbsolute(bool absolute) {
    m_doc.SetAbsolutePlurality(absolute ? 1 : 0);
}

void CInputForm::Refresh() {
    m_doc.Game().InvalidateAll();
    Platform().RefreshViews();
}
