#include "views/ChartGestures.h"

#include "concepts/BanksSet.h"
#include "document/EditSteps.h"
#include "document/QueltaDoc.h"
#include "model/FormatNumber.h"
#include "platform/Platform.h"
#include "platform/TextUtil.h"
#include "preferences/PreferenceSpec.h"
#include "views/ChartHitTest.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"
#include "views/GuideLayers.h"
#include "views/LabelLayer.h"
#include "views/MainLayer.h"

#include <algorithm>
#include <cmath>

namespace {

/// The name of the edit step a drag of this kind makes; nullptr for drags that change no
/// scenario (labels, the legend, the projection line).
const char* DragStepName(EDragKind kind) {
    switch (kind) {
    case EDragKind::Member:
        return "Move Member";
    case EDragKind::StatusQuo:
        return "Move Status Quo";
    case EDragKind::Proposal:
        return "Move Proposal";
    default:
        return nullptr;
    }
}

} // namespace

CFPoint CChartGestures::ToWorld(const QPoint& point) const {
    return m_model.Layout().ToWorld(point);
}

void CChartGestures::LeftDown(const QPoint& point, bool shift, bool control) {
    // A press whose release never came still ends its edit step.
    if (const char* name = DragStepName(m_kind))
        EndEditGroup(m_doc, name);
    m_kind = EDragKind::None;
    if (control && m_doc.IsReady()) {
        m_doc.Config().flagCoalition = 1;
        m_doc.SetProposal(ToWorld(point));
        Platform().RefreshViews();
        CommitEdit(m_doc, "Move Proposal");
    }
    if (shift) {
        const std::string id = m_doc.NextMemberID();
        if (m_doc.CreateMember(id, id, ToWorld(point),
                               PreferenceTypeFromName(m_doc.Header().defaultModelName)))
            m_doc.RefreshAndModify();
        CommitEdit(m_doc, "Create Member");
        return;
    }
    m_down = m_last = point;
    const SChartHit hit = HitTest(m_doc, m_model, m_renderer.LegendRect(), point);
    m_member = hit.member;
    m_wasModified = m_doc.IsModified();
    switch (hit.kind) {
    case EChartHit::Proposal:
        m_kind = EDragKind::Proposal;
        m_liveStart = m_doc.Game().Proposal();
        break;
    case EChartHit::StatusQuo:
        m_kind = EDragKind::StatusQuo;
        m_liveStart = m_doc.Game().StatusQuo();
        break;
    case EChartHit::Member:
        m_kind = EDragKind::Member;
        m_liveStart = m_member->IdealPoint();
        break;
    case EChartHit::Label:
        m_kind = EDragKind::Label;
        m_labelRect = m_model.Names().LabelRect(m_doc, m_model.Layout(), *m_member);
        break;
    case EChartHit::Plot:
        CatchInEmptyPlot(point);
        break;
    case EChartHit::Legend:
        StartLegendDrag(point);
        break;
    case EChartHit::None:
        break;
    }
    // A drag is one edit step from press to release, however often it moves the point.
    if (DragStepName(m_kind))
        BeginEditGroup(m_doc);
}

void CChartGestures::CatchInEmptyPlot(const QPoint& point) {
    if (m_model.ProjectionLine().IsVisible()) {
        m_kind = EDragKind::ProjectionLine;
        return;
    }
    if (!m_doc.Config().flagBanksChain || !m_doc.IsReady())
        return;
    std::vector<CFPoint> chain;
    {
        CWaitCursor wait;
        chain = FindBanksChain(m_doc.Game(), ToWorld(point), m_doc.Config().nResolution);
    }
    if (onBanksChain)
        onBanksChain(chain);
}

void CChartGestures::StartLegendDrag(const QPoint& point) {
    m_down = m_last = point;
    m_kind = EDragKind::Legend;
    m_legendStart = m_renderer.LegendRect().topLeft();
}

QPoint CChartGestures::Constrain(const QPoint& point) const {
    const ScenarioHeader& header = m_doc.Header();
    if (!header.horizontalScale && !header.verticalScale)
        return m_down;
    QPoint constrained = point;
    if (header.horizontalScale && header.horizontalScale == header.verticalScale) {
        // One scale on both axes: keep the point on the line of equal coordinates.
        const CFPoint world = ToWorld(point);
        const double both = (world.x + world.y) / 2.0;
        return m_model.Layout().ToChart(CFPoint(both, both));
    }
    if (!header.horizontalScale && m_kind != EDragKind::Label)
        constrained.setX(m_down.x());
    if (!header.verticalScale)
        constrained.setY(m_down.y());
    return constrained;
}

void CChartGestures::Move(const QPoint& point) {
    if (m_kind == EDragKind::None)
        return;
    if (m_kind == EDragKind::Pan) {
        m_last = point;
        return;
    }
    QPoint target = point;
    if (m_kind != EDragKind::Legend) {
        if (!m_model.Layout().PlotPixels().contains(point)) {
            target = m_last;
        } else {
            const CFPoint world = ToWorld(point);
            Platform().SetStatusText(2, Format("Cursor location: %f, %f", world.x, world.y));
            target = Constrain(point);
        }
    }
    DragTo(target);
    m_last = target;
}

void CChartGestures::DragTo(const QPoint& point) {
    const CFPoint world = ToWorld(point);
    switch (m_kind) {
    case EDragKind::Member:
        if (world.x != m_member->IdealPoint().x || world.y != m_member->IdealPoint().y) {
            m_member->SetIdealPoint(world);
            m_doc.Game().MemberChanged(*m_member);
            if (onMemberDragged)
                onMemberDragged(*m_member);
            m_doc.RefreshAndModify();
        }
        break;
    case EDragKind::StatusQuo:
        if (onPointDragged)
            onPointDragged(true, world);
        m_doc.SetStatusQuo(world);
        break;
    case EDragKind::Proposal:
        if (onPointDragged)
            onPointDragged(false, world);
        m_doc.SetProposal(world);
        break;
    case EDragKind::Label:
        m_labelRect.translate(point - m_last);
        break;
    case EDragKind::Legend:
        m_model.Layout().SetLegendOrigin(m_legendStart + (point - m_down));
        break;
    default:
        break;
    }
}

void CChartGestures::PanDown(const QPoint& point) {
    m_kind = EDragKind::Pan;
    m_down = m_last = point;
}

void CChartGestures::PanUp(const QPoint& point) {
    if (m_kind != EDragKind::Pan)
        return;
    m_kind = EDragKind::None;
    const CFPoint from = ToWorld(m_down);
    const CFPoint to = ToWorld(point);
    const SEdges box = m_doc.ScaleBox();
    const double width = std::fabs(box.right - box.left);
    const double height = std::fabs(box.top - box.bottom);
    if (point == m_down || !(width > 0.0) || !(height > 0.0))
        return;
    const CFPoint pan(m_doc.Pan().x - (to.x - from.x) / width,
                      m_doc.Pan().y - (to.y - from.y) / height);
    m_doc.SetZoomAndPan(m_doc.Zoom(), pan);
    Platform().RefreshViews();
}

void CChartGestures::Zoom(const QPoint& point, double steps) {
    // One notch zooms by a quarter; the factor stays where the axes can still be drawn.
    constexpr double kStep = 1.25;
    constexpr double kLeast = 1.0 / 64.0;
    constexpr double kMost = 65536.0;
    const double zoom = std::clamp(m_doc.Zoom() * std::pow(kStep, steps), kLeast, kMost);
    if (zoom == m_doc.Zoom())
        return;
    const CChartLayout& layout = m_model.Layout();
    const CFPoint fixed =
        layout.PlotPixels().contains(point)
            ? ToWorld(point)
            : CFPoint(layout.HorizontalAxis().Centre(), layout.VerticalAxis().Centre());
    m_doc.ZoomAbout(zoom, fixed);
    Platform().RefreshViews();
}

bool CChartGestures::IsLiveDrag() const {
    return m_kind == EDragKind::Member || m_kind == EDragKind::StatusQuo ||
           m_kind == EDragKind::Proposal;
}

CFPoint CChartGestures::LivePoint(EDragKind kind) const {
    switch (kind) {
    case EDragKind::StatusQuo:
        return m_doc.Game().StatusQuo();
    case EDragKind::Proposal:
        return m_doc.Game().Proposal();
    default:
        return m_member->IdealPoint();
    }
}

void CChartGestures::LeftUp(const QPoint& point) {
    // The step is named before the drag ends: ending it refreshes the views, which may reset
    // the gesture.
    const char* step = DragStepName(m_kind);
    // The drag is over before its release refreshes the views, so that the long concepts follow.
    const EDragKind kind = m_kind;
    const bool live = IsLiveDrag();
    m_kind = EDragKind::None;
    if (live)
        EndLiveDrag(kind, point != m_down);
    else if (kind != EDragKind::None && point != m_down)
        EndDrag(kind);
    if (step)
        EndEditGroup(m_doc, step);
    m_member = nullptr;
}

void CChartGestures::EndLiveDrag(EDragKind kind, bool moved) {
    if (moved) {
        EndDrag(kind);
    } else {
        // A click, or a drag back to where it started: the point returns exactly to where it
        // was and the document is as it was before the press.
        RestoreLiveStart(kind);
        m_doc.SetModifiedFlag(m_wasModified);
    }
    Platform().RefreshViews();
}

void CChartGestures::RestoreLiveStart(EDragKind kind) {
    const CFPoint now = LivePoint(kind);
    if (now.x == m_liveStart.x && now.y == m_liveStart.y)
        return;
    switch (kind) {
    case EDragKind::StatusQuo:
        m_doc.SetStatusQuo(m_liveStart);
        break;
    case EDragKind::Proposal:
        m_doc.SetProposal(m_liveStart);
        break;
    default:
        m_member->SetIdealPoint(m_liveStart);
        m_doc.Game().MemberChanged(*m_member);
        if (onMemberDragged)
            onMemberDragged(*m_member);
        break;
    }
}

void CChartGestures::EndDrag(EDragKind kind) {
    const CFPoint world = ToWorld(m_last);
    switch (kind) {
    case EDragKind::Member:
        m_doc.Game().MemberChanged(*m_member);
        m_doc.RefreshAndModify();
        break;
    case EDragKind::StatusQuo:
        m_doc.SetStatusQuo(world);
        break;
    case EDragKind::Proposal:
        m_doc.SetProposal(world);
        break;
    case EDragKind::Label:
        m_model.Names().PlaceLabel(m_doc, m_model.Layout(), *m_member, m_labelRect.topLeft());
        Platform().RefreshViews();
        break;
    case EDragKind::ProjectionLine:
        m_model.ProjectionLine().SetLine(ToWorld(m_down), world, m_doc.Game().VoteRule(),
                                         m_doc.Game().AbsolutePlurality());
        m_model.ProjectionLine().SetVisible(true);
        Platform().RefreshViews();
        break;
    default:
        Platform().RefreshViews();
        break;
    }
}

std::vector<std::string> CChartGestures::RightDown(const QPoint& point, bool shift, bool control) {
    if (control) {
        m_doc.Config().flagCoalition = 0;
        Platform().RefreshViews();
    }
    if (shift) {
        if (CMember* member = MemberAt(m_doc, m_model.Layout(), point))
            m_doc.RemoveMember(member);
        CommitEdit(m_doc, "Delete Member");
        return {};
    }
    if (m_model.Layout().PlotPixels().contains(point)) {
        if (m_doc.IsReady())
            return IdentifyMember(point);
        return {};
    }
    if (m_renderer.LegendRect().contains(point))
        StartLegendDrag(point);
    return {};
}

std::vector<std::string> CChartGestures::IdentifyMember(const QPoint& point) const {
    const CMember* member = MemberAt(m_doc, m_model.Layout(), point);
    if (!member) {
        const CFPoint world = ToWorld(point);
        return {" " + FormatNumber(world.x) + ", " + FormatNumber(world.y)};
    }
    std::vector<std::string> items = {"Last Name: " + member->LastName(),
                                      "Ideal Point: " + FormatNumber(member->IdealPoint().x) +
                                          ", " + FormatNumber(member->IdealPoint().y)};
    const std::string* party = member->NominalAttribute("PARTY");
    if (party && !party->empty())
        items.push_back("Affiliation: " + *party);
    const DisplayConfig& config = m_doc.Config();
    if (config.flagPowerIndex || config.flagPowerIndexColorCode)
        items.push_back("Power-Index: " + FormatNumber(m_doc.Game().GetMemberPower(
                                              member, config.nCopeland, config.dCopeland)));
    return items;
}

CMember* CChartGestures::DoubleClick(const QPoint& point) const {
    if (CMember* member = MemberAt(m_doc, m_model.Layout(), point))
        return member;
    return m_model.Names().LabelAt(m_doc, m_model.Layout(), point);
}
