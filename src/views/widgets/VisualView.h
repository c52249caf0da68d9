#pragma once

#include "views/ChartGestures.h"
#include "views/ChartModel.h"
#include "views/ChartRenderer.h"

#include <QImage>
#include <QWidget>

class CQueltaDoc;

/// The chart widget: shows the chart's off-screen image, painted by the renderer, at the size of
/// the chart's total extent (the frame's scroll area scrolls over it), and turns mouse and key
/// events into the chart's gestures.
class CVisualView : public QWidget {
    Q_OBJECT

public:
    explicit CVisualView(CQueltaDoc& doc, QWidget* parent = nullptr);

    /// The update from the document: layout, map, layers and the off-screen image.
    void UpdateFromDocument();
    CChartModel& Model() { return m_model; }
    CChartRenderer& Renderer() { return m_renderer; }
    CChartGestures& Gestures() { return m_gestures; }
    /// The off-screen image of the whole chart.
    const QImage& Image() const { return m_image; }
    /// The chart's logical pixel under a widget position.
    QPoint ToLogical(const QPoint& position) const { return position + m_extent.topLeft(); }
    /// The widget position of a chart pixel.
    QPoint ToWidget(const QPoint& logical) const { return logical - m_extent.topLeft(); }
    /// The chart size that would fit the chart, legend and frame into a view of this size, with
    /// the legend beside the plot or below it, whichever leaves the larger plot (beside when
    /// both leave the same). A legend the user has moved stays where it is.
    SChartFit FitChart(const QSize& room) const;
    /// Zooms by wheel notches about the point under the mouse cursor (about the visible centre
    /// when the cursor is not over the plot).
    void ZoomAtCursor(double steps);
    /// Highlights a member on the chart (nullptr: none).
    void HighlightMember(const CMember* member);
    const CMember* HighlightedMember() const { return m_highlighted; }

signals:
    /// A status-quo or proposal drag moved its point (the form shows it until release).
    void PointDragged(bool statusQuo, const CFPoint& point);
    /// A member's double click asks for its member dialog.
    void MemberDialogRequested(CMember* member);
    /// A member drag moved the member's ideal point.
    void MemberDragged(const CMember* member);
    /// Another member, or none, is highlighted.
    void HighlightChanged();
    /// A mouse press or release has been handled; an edit step it took is in the history by now
    /// (the step of a drag is taken after the release's refresh).
    void GestureHandled();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void RenderImage();
    void PaintDragFeedback(QPainter& painter) const;
    void PaintPannedPlot(QPainter& painter) const;
    bool StartsPan(const QMouseEvent& event) const;
    void ApplyPendingMove();
    void ShowPopup(const std::vector<std::string>& items, const QPoint& globalPosition);

    CQueltaDoc& m_doc;
    CChartModel m_model;
    CChartRenderer m_renderer;
    CChartGestures m_gestures;
    QImage m_image;
    QRect m_extent;
    const CMember* m_highlighted = nullptr;
    /// Whether the Space key is held (Space and the left button pan).
    bool m_spaceHeld = false;
    /// The last mouse position of a live drag not yet applied: moves that arrive while a frame
    /// is computed replace each other, so the work never queues behind the cursor.
    QPoint m_pendingMove;
    bool m_moveQueued = false;
};
