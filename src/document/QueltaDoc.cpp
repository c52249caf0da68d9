#include "document/QueltaDoc.h"

#include "document/ChartFrame.h"
#include "document/EditSteps.h"
#include "model/FormatNumber.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"

#include <algorithm>
#include <cmath>

namespace {

/// Whether two points differ by more than 1e-8 in some coordinate.
bool Differs(const CFPoint& a, const CFPoint& b) {
    return std::fabs(a.x - b.x) > 0.00000001 || std::fabs(a.y - b.y) > 0.00000001 ||
           std::fabs(a.z - b.z) > 0.00000001;
}

bool StrictlyInside(const CFPoint& point, const SEdges& plane) {
    return plane.left < point.x && point.x < plane.right && plane.bottom < point.y &&
           point.y < plane.top;
}

} // namespace

CQueltaDoc::CQueltaDoc() {
    ResetScenario();
}

void CQueltaDoc::SetModifiedFlag(bool modified) {
    m_modified = modified;
    if (!modified)
        m_history.MarkClean(m_pathName);
}

void CQueltaDoc::SetPathName(const std::string& path) {
    m_pathName = path;
    m_title = path;
    m_header.dataSource = path;
}

void CQueltaDoc::DestroyScenario() {
    m_game.SetMembers(nullptr);
    for (SHouseIds& index : m_houseIds)
        index = SHouseIds();
    m_header.currentCommittee = nullptr;
    m_header.horizontalScale = nullptr;
    m_header.verticalScale = nullptr;
    for (SHouse* house : {&m_header.lowerHouse, &m_header.upperHouse}) {
        house->committees.clear();
        house->members.clear();
        house->label.clear();
        house->membersLabel.clear();
        house->committeesLabel.clear();
    }
    m_header.scales.clear();
    m_header.markPoints.clear();
    m_header.markRects.clear();
    m_header.legislature = SLegislatureInfo();
    m_scenarioNames.clear();
    m_agendaPath.clear();
    m_drawnPoints.clear();
}

void CQueltaDoc::ResetScenario() {
    DestroyScenario();
    m_header.sourceKind = SOURCE_NONE;
    m_header.houseInUse = HOUSE_NONE;
    m_header.defaultModelName = "tradeoff";
    m_header.committeeLabel.clear();
    m_header.description.clear();
    m_header.scenarioName = "*";
    SetPathName("*");
    m_header.plane = SEdges{0.0, 100.0, 100.0, 0.0};
    SetVoteRule(0.5);
    m_game.SetProposal(CFPoint(50.0, 50.0));
    m_game.SetStatusQuo(CFPoint(50.0, 50.0));
    m_config.LoadConfigFile(m_configPath);
    UpdateGridMap();
    Platform().RefreshViews();
    m_modified = false;
    if (!m_history.Restoring())
        m_history.RequestRestart();
}

bool CQueltaDoc::IsReady() const {
    const CCommittee* committee = m_header.currentCommittee;
    return committee && !committee->Members().empty() && m_header.horizontalScale &&
           m_header.verticalScale && m_header.horizontalScale != m_header.verticalScale;
}

std::string CQueltaDoc::Description() const {
    if (!m_header.currentCommittee)
        return m_header.description;
    const std::string& house =
        m_header.houseInUse == HOUSE_UPPER ? m_header.upperHouse.label : m_header.lowerHouse.label;
    return m_header.description + house + " / " + m_header.currentCommittee->Name();
}

CMember* CQueltaDoc::FindMember(const std::string& text) const {
    if (text.empty() || !m_header.currentCommittee)
        return nullptr;
    const std::vector<CMember*>& members = m_header.currentCommittee->Members();
    const auto byId = [&members](const std::string& id) -> CMember* {
        const auto it = std::find_if(members.begin(), members.end(),
                                     [&id](const CMember* m) { return m->MemberID() == id; });
        return it == members.end() ? nullptr : *it;
    };
    if (CMember* member = byId(text))
        return member;
    const auto byLabel = std::find_if(members.begin(), members.end(),
                                      [&text](const CMember* m) { return m->Label() == text; });
    return byLabel == members.end() ? nullptr : byId((*byLabel)->MemberID());
}

CMember* CQueltaDoc::MemberByScriptReference(const std::string& first, const std::string& second,
                                             int index) const {
    if (CMember* member = FindMember(first))
        return member;
    if (CMember* member = FindMember(second))
        return member;
    if (!m_header.currentCommittee || index < 0)
        return nullptr;
    const std::vector<CMember*>& members = m_header.currentCommittee->Members();
    return static_cast<size_t>(index) < members.size() ? members[static_cast<size_t>(index)]
                                                       : nullptr;
}

std::string CQueltaDoc::NextMemberID() const {
    return Format("XX%d", static_cast<int>(m_header.HouseInUse().members.size()));
}

CMember* CQueltaDoc::MemberWithId(const std::string& id) const {
    // While a batch loads, the gathered IDs answer the common case (a new ID) at once.
    if (m_batchIds && !m_batchIds->contains(id))
        return nullptr;
    const SHouse* houses[] = {&m_header.lowerHouse, &m_header.upperHouse};
    for (int h = 0; h < 2; ++h) {
        const auto& members = houses[h]->members;
        SHouseIds& index = m_houseIds[h];
        if (index.indexed > members.size() || index.idChanges != CMember::IdChanges())
            index = SHouseIds{{}, 0, CMember::IdChanges()};
        for (; index.indexed < members.size(); ++index.indexed) {
            CMember* member = members[index.indexed].get();
            index.byId.emplace(member->MemberID(), member);
        }
        if (const auto found = index.byId.find(id); found != index.byId.end())
            return found->second;
    }
    return nullptr;
}

CMember* CQueltaDoc::CreateMember(const std::string& id, const std::string& lastName,
                                  const CFPoint& point, int prefType) {
    if (CMember* existing = MemberWithId(id))
        return existing;
    CCommittee* committee = m_header.currentCommittee;
    if (!committee)
        return nullptr;
    auto member = std::make_unique<CMember>(prefType, m_game.StatusQuo(), m_game.GridMap());
    for (const auto& scale : m_header.scales) {
        double value = 0.0;
        if (scale.get() == m_header.horizontalScale)
            value = point.x;
        else if (scale.get() == m_header.verticalScale)
            value = point.y;
        member->AddRating(*scale, value, 0.0, 0);
    }
    CMember* created = member.get();
    if (m_header.houseInUse == HOUSE_LOWER || m_header.houseInUse == HOUSE_UPPER) {
        created->SetMemberID(id);
        created->SetLastName(lastName);
        m_header.HouseInUse().members.push_back(std::move(member));
        committee->AddMember(created);
        created->AddCommittee(committee);
    } else {
        // Without a house the member has nowhere to live.
        return nullptr;
    }
    created->SetVoteWeight(1.0);
    created->SetHorizontalScale(m_header.horizontalScale);
    created->SetVerticalScale(m_header.verticalScale);
    if (m_batchIds)
        m_batchIds->insert(id);
    if (!m_batchLoad) {
        HandToGame(*committee, created);
        RefreshAndModify();
    }
    return created;
}

bool CQueltaDoc::IsCurrentMember(const CMember* member) const {
    const CCommittee* committee = m_header.currentCommittee;
    if (!member || !committee)
        return false;
    const std::vector<CMember*>& members = committee->Members();
    return std::find(members.begin(), members.end(), member) != members.end();
}

void CQueltaDoc::HandToGame(const CCommittee& committee, CMember* created) {
    // A game that holds the committee's members but the new one takes just the new one: the
    // others keep their regions. Any other list is handed over whole.
    const std::vector<CMember*>& all = committee.Members();
    const std::vector<CMember*>& held = m_game.Members();
    if (held.size() + 1 == all.size() && all.back() == created &&
        std::equal(held.begin(), held.end(), all.begin()))
        m_game.AddMember(created);
    else
        m_game.SetMembers(&all);
}

bool CQueltaDoc::RemoveMember(CMember* member) {
    CCommittee* committee = m_header.currentCommittee;
    if (!committee || !committee->RemoveMember(member))
        return false;
    m_game.SetMembers(&committee->Members());
    RefreshAndModify();
    return true;
}

void CQueltaDoc::SelectCommittee(const std::string& id) {
    m_header.currentCommittee = nullptr;
    for (const auto& committee : m_header.HouseInUse().committees) {
        if (EqualsNoCase(committee->CommitteeID(), id)) {
            m_header.currentCommittee = committee.get();
            break;
        }
    }
    CCommittee* committee = m_header.currentCommittee;
    if (!committee || committee->Members().empty())
        return;
    for (CMember* member : committee->Members()) {
        member->SetHorizontalScale(m_header.horizontalScale);
        member->SetVerticalScale(m_header.verticalScale);
    }
    m_game.SetMembers(&committee->Members());
    Platform().RefreshViews();
    committee->MarkLeaders();
    m_modified = false;
}

const CRatingScale* CQueltaDoc::FindScale(const std::string& id) const {
    for (const auto& scale : m_header.scales)
        if (EqualsNoCase(scale->RatingID(), id))
            return scale.get();
    return nullptr;
}

void CQueltaDoc::SelectHorizontalScale(const std::string& id) {
    m_header.horizontalScale = FindScale(id);
    UpdatePlane();
    if (CCommittee* committee = m_header.currentCommittee) {
        for (CMember* member : committee->Members())
            member->SetHorizontalScale(m_header.horizontalScale);
        m_game.SetMembers(&committee->Members());
    }
    RefreshAndModify();
}

void CQueltaDoc::SelectVerticalScale(const std::string& id) {
    m_header.verticalScale = FindScale(id);
    UpdatePlane();
    if (CCommittee* committee = m_header.currentCommittee) {
        for (CMember* member : committee->Members())
            member->SetVerticalScale(m_header.verticalScale);
        m_game.SetMembers(&committee->Members());
    }
    RefreshAndModify();
}

void CQueltaDoc::UpdatePlane() {
    SEdges plane = m_header.plane;
    CFPoint statusQuo = m_game.StatusQuo();
    CFPoint proposal = m_game.Proposal();
    if (const CRatingScale* scale = m_header.horizontalScale) {
        plane.left = scale->Scale_Min();
        plane.right = scale->Scale_Max();
    } else {
        statusQuo.x = proposal.x = (plane.left + plane.right) / 2.0;
    }
    if (const CRatingScale* scale = m_header.verticalScale) {
        plane.bottom = scale->Scale_Min();
        plane.top = scale->Scale_Max();
    } else {
        statusQuo.y = proposal.y = (plane.bottom + plane.top) / 2.0;
    }
    m_header.plane = plane;
    UpdateGridMap();
    const CFPoint centre((plane.left + plane.right) / 2.0, (plane.bottom + plane.top) / 2.0);
    if (!StrictlyInside(statusQuo, plane))
        statusQuo = centre;
    if (!StrictlyInside(proposal, plane))
        proposal = centre;
    if (Differs(statusQuo, m_game.StatusQuo()))
        m_game.SetStatusQuo(statusQuo);
    m_game.SetProposal(proposal);
}

template <typename Apply> void CQueltaDoc::ApplyToMember(const std::string& id, Apply apply) {
    CMember* member = FindMember(id);
    if (!member)
        return;
    apply(*member);
    m_game.MemberChanged(*member);
    RefreshAndModify();
}

void CQueltaDoc::SetMemberVoteWt(const std::string& id, double weight) {
    if (weight < 0.0)
        return;
    ApplyToMember(id, [weight](CMember& m) { m.SetVoteWeight(weight); });
}

void CQueltaDoc::SetMemberVoteProb(const std::string& id, int flag) {
    ApplyToMember(id, [flag](CMember& m) { m.SetProbabilistic(flag); });
}

void CQueltaDoc::SetMemberVoteWeighted(const std::string& id, int flag) {
    ApplyToMember(id, [flag](CMember& m) { m.SetWeighted(flag); });
}

void CQueltaDoc::SetMemberVeto(const std::string& id, int flag) {
    ApplyToMember(id, [flag](CMember& m) { m.SetVeto(flag); });
}

void CQueltaDoc::SetMemberCandidate(const std::string& id, int flag) {
    ApplyToMember(id, [flag](CMember& m) { m.SetCandidate(flag); });
}

void CQueltaDoc::SetMemberPreference(const std::string& id, int prefType) {
    ApplyToMember(id, [prefType](CMember& m) { m.SetPrefType(prefType); });
}

void CQueltaDoc::SetMemberRational(const std::string& id, int flag) {
    ApplyToMember(id, [flag](CMember& m) { m.SetRational(flag); });
}

void CQueltaDoc::SetMemberIdealPoint(const std::string& id, const CFPoint& point) {
    ApplyToMember(id, [&point](CMember& m) { m.SetIdealPoint(point); });
}

void CQueltaDoc::SetStatusQuo(const CFPoint& point) {
    if (!Differs(point, m_game.StatusQuo()))
        return;
    {
        CWaitCursor wait;
        m_game.SetStatusQuo(point);
    }
    RefreshAndModify();
}

void CQueltaDoc::SetProposal(const CFPoint& point) {
    if (!Differs(point, m_game.Proposal()))
        return;
    m_game.SetProposal(point);
    RefreshAndModify();
}

void CQueltaDoc::SetVoteRule(double fraction) {
    fraction = std::clamp(fraction, 0.0, 1.0);
    m_game.SetVoteRule(fraction);
    m_log.LogLine(Format("vote rule = %f", fraction));
    RefreshAndModify();
}

void CQueltaDoc::SetAbsolutePlurality(int flag) {
    m_game.SetAbsolutePlurality(flag);
    RefreshAndModify();
}

void CQueltaDoc::SetZoom(double zoom) {
    if (zoom > 0.0 && zoom != m_zoom) {
        m_zoom = zoom;
        UpdateGridMap();
    }
}

void CQueltaDoc::SetZoomAndPan(double zoom, const CFPoint& pan) {
    if (!(zoom > 0.0) || !std::isfinite(zoom) || !std::isfinite(pan.x) || !std::isfinite(pan.y))
        return;
    if (zoom == m_zoom && pan.x == m_pan.x && pan.y == m_pan.y)
        return;
    m_zoom = zoom;
    m_pan = pan;
    UpdateGridMap();
}

void CQueltaDoc::ZoomAbout(double zoom, const CFPoint& fixed) {
    if (!(zoom > 0.0))
        return;
    // The fixed point keeps its distance from the visible centre in units of the visible window.
    const SEdges box = ScaleBox();
    const double width = std::fabs(box.right - box.left);
    const double height = std::fabs(box.top - box.bottom);
    const CFPoint centre = ChartCentre(box, m_pan);
    const double keep = m_zoom / zoom;
    const double x = fixed.x - (fixed.x - centre.x) * keep;
    const double y = fixed.y - (fixed.y - centre.y) * keep;
    const CFPoint middle = ChartCentre(box, CFPoint(0.0, 0.0));
    SetZoomAndPan(zoom, CFPoint(width > 0.0 ? (x - middle.x) / width : 0.0,
                                height > 0.0 ? (y - middle.y) / height : 0.0));
}

void CQueltaDoc::SetFittedChartSize(const std::optional<SSizeSpec>& size) {
    const SSizeSpec before = ChartSize();
    m_fittedChart = size;
    const SSizeSpec after = ChartSize();
    if (before.cx != after.cx || before.cy != after.cy)
        UpdateGridMap();
}

void CQueltaDoc::UpdateGridMap() {
    // How ellipses become cells is a setting of the grid the regions live on.
    m_game.SetPrefVertices(m_config.nPrefVertices);
    int width = ChartSize().cx;
    int height = ChartSize().cy;
    // A chart smaller than 6 by 6 pixels keeps the previous plot.
    if (width < 6 || height < 6) {
        if (m_lastPlot.right - m_lastPlot.left < 6)
            return;
        width = m_lastPlot.right - m_lastPlot.left;
        height = m_lastPlot.bottom - m_lastPlot.top;
    }
    m_lastPlot = PlotRect(width, height);
    m_game.SetGridMap(ChartGridMap(ScaleBox(), width, height, m_zoom, m_pan));
}

SEdges CQueltaDoc::ScaleBox() const {
    SEdges box = m_header.plane;
    if (const CRatingScale* scale = m_header.horizontalScale) {
        box.left = scale->Scale_Min();
        box.right = scale->Scale_Max();
    }
    if (const CRatingScale* scale = m_header.verticalScale) {
        box.bottom = scale->Scale_Min();
        box.top = scale->Scale_Max();
    }
    return box;
}

CQueltaDoc::CBatchLoad::CBatchLoad(CQueltaDoc& doc) : m_doc(doc), m_outerIds(doc.m_batchIds) {
    m_doc.m_batchLoad = true;
    for (const SHouse* house : {&doc.m_header.lowerHouse, &doc.m_header.upperHouse})
        for (const auto& member : house->members)
            m_ids.insert(member->MemberID());
    m_doc.m_batchIds = &m_ids;
}

CQueltaDoc::CBatchLoad::~CBatchLoad() {
    m_doc.m_batchIds = m_outerIds;
    m_doc.m_batchLoad = m_outerIds != nullptr;
    if (CCommittee* committee = m_doc.m_header.currentCommittee)
        m_doc.m_game.SetMembers(&committee->Members());
}

void CQueltaDoc::LinkCommittees() {
    for (SHouse* house : {&m_header.lowerHouse, &m_header.upperHouse}) {
        for (const auto& committee : house->committees) {
            committee->SetParent(nullptr);
            for (const auto& parent : house->committees)
                if (!committee->ParentID().empty() &&
                    parent->CommitteeID() == committee->ParentID())
                    committee->SetParent(parent.get());
        }
    }
}

void CQueltaDoc::ApplyRationalSwitch() {
    if (!m_header.currentCommittee)
        return;
    for (CMember* member : m_header.currentCommittee->Members())
        member->SetRational(m_config.flagPrefRational ? 0 : 1);
    m_game.SetMembers(&m_header.currentCommittee->Members());
}

void CQueltaDoc::FinishLoad() {
    LinkCommittees();
    UpdateGridMap();
    m_game.SetWeightedVoting(m_config.flagVoteWt);
    m_game.SetProbabilisticVoting(m_config.flagVoteProb);
    ApplyRationalSwitch();
    Platform().RefreshViews();
    m_modified = false;
    if (!m_history.Restoring())
        RestartHistory(*this);
}

void CQueltaDoc::LogSummary(bool withVotes) {
    const ScenarioHeader& h = m_header;
    m_log.LogLine("Data Source = " + h.dataSource);
    m_log.LogLine("Description = " + Description());
    m_log.LogLine("Scenario    = " + h.scenarioName);
    m_log.LogLine("Members     = " + h.committeeLabel);
    m_log.LogLine("Axis H      = " +
                  (h.horizontalScale ? h.horizontalScale->Rating() : "ratings: horizontal"));
    m_log.LogLine("Axis V      = " +
                  (h.verticalScale ? h.verticalScale->Rating() : "ratings: vertical"));
    if (withVotes) {
        m_log.LogLine("vote total  = " + FormatNumber(m_game.VoteTotal()));
        m_log.LogLine("vote quota  = " + FormatNumber(m_game.VoteQuota()));
    }
}

void CQueltaDoc::RefreshAndModify() {
    // The views show the document as modified, the window's title among them.
    m_modified = true;
    Platform().RefreshViews();
}
