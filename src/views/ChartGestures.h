#pragma once

#include "geometry/FPoint.h"

#include <QLine>
#include <QPoint>
#include <QRect>

#include <functional>
#include <string>
#include <vector>

class CChartModel;
class CChartRenderer;
class CMember;
class CQueltaDoc;

/// What a drag in progress moves.
enum class EDragKind { None, Member, StatusQuo, Proposal, Label, Legend, ProjectionLine, Pan };

/// The mouse gestures of the chart without a widget: what a button press catches, how a drag
/// is constrained and what its release does to the document. Positions are the chart's logical
/// pixels (the widget converts scrolled device positions first).
///
/// The status quo, the proposal and members are dragged live: every move goes through the same
/// document operation as the release (`SetStatusQuo`, `SetProposal`, the game's `MemberChanged`),
/// so the chart recomputes what it can within the frame; the release leaves the document as a
/// drag straight to the last point would.
class CChartGestures {
public:
    CChartGestures(CQueltaDoc& doc, CChartModel& model, CChartRenderer& renderer)
        : m_doc(doc), m_model(model), m_renderer(renderer) {}

    /// Left button down with the modifier keys held at that moment.
    void LeftDown(const QPoint& point, bool shift, bool control);
    /// The mouse moved with the left button alone held.
    void Move(const QPoint& point);
    /// Left button up: ends the drag at its last point.
    void LeftUp(const QPoint& point);
    /// Right button down: hides the coalition, deletes a member or returns the pop-up's items
    /// (empty when no pop-up opens).
    std::vector<std::string> RightDown(const QPoint& point, bool shift, bool control);
    /// The member a double click opens the member dialog for (nullptr: none).
    CMember* DoubleClick(const QPoint& point) const;
    /// Starts panning the plot from a point (middle button, or Space and the left button).
    void PanDown(const QPoint& point);
    /// Ends a pan: the visible window moves by the drag, in one step.
    void PanUp(const QPoint& point);
    /// How far the plot's picture follows the pan in progress, in chart pixels.
    QPoint PanOffset() const { return m_kind == EDragKind::Pan ? m_last - m_down : QPoint(); }
    /// Zooms by `steps` wheel notches (negative: out) about the issue-space point under
    /// `point`, or about the visible centre when the point lies outside the plot.
    void Zoom(const QPoint& point, double steps);

    EDragKind Kind() const { return m_kind; }
    /// Whether a drag that moves the model as the mouse moves is in progress.
    bool IsLiveDrag() const;
    /// The last point of the drag in progress.
    QPoint DragPoint() const { return m_last; }
    /// The member (or the label's member) being dragged.
    CMember* DragMember() const { return m_member; }
    /// The label's rectangle while a label is dragged.
    QRect DragRect() const { return m_labelRect; }
    /// The rubber line while a projection line is drawn.
    QLine RubberLine() const { return QLine(m_down, m_last); }
    /// The issue-space point under a chart position.
    CFPoint ToWorld(const QPoint& point) const;

    /// Called while the status quo (true) or proposal (false) is dragged, with its point.
    std::function<void(bool statusQuo, const CFPoint& point)> onPointDragged;
    /// Called when a member's ideal point moved during a drag.
    std::function<void(CMember& member)> onMemberDragged;
    /// Called when a Banks chain was computed from a click, with its points.
    std::function<void(const std::vector<CFPoint>& chain)> onBanksChain;

private:
    void CatchInEmptyPlot(const QPoint& point);
    void StartLegendDrag(const QPoint& point);
    QPoint Constrain(const QPoint& point) const;
    void DragTo(const QPoint& point);
    void EndDrag(EDragKind kind);
    void EndLiveDrag(EDragKind kind, bool moved);
    void RestoreLiveStart(EDragKind kind);
    CFPoint LivePoint(EDragKind kind) const;
    std::vector<std::string> IdentifyMember(const QPoint& point) const;

    CQueltaDoc& m_doc;
    CChartModel& m_model;
    CChartRenderer& m_renderer;
    EDragKind m_kind = EDragKind::None;
    QPoint m_down;
    QPoint m_last;
    CMember* m_member = nullptr;
    QRect m_labelRect;
    QPoint m_legendStart;
    /// What a live drag started from: the point dragged and whether the document was modified.
    CFPoint m_liveStart;
    bool m_wasModified = false;
};
