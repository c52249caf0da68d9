#include "views/widgets/VisualView.h"

#include "document/QueltaDoc.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

CVisualView::CVisualView(CQueltaDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_renderer(m_model, doc), m_gestures(doc, m_model, m_renderer) {
    setMouseTracking(false);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_gestures.onPointDragged = [this](bool statusQuo, const CFPoint& point) {
        emit PointDragged(statusQuo, point);
        update();
    };
    m_gestures.onMemberDragged = [this](CMember& member) {
        emit MemberDragged(&member);
        update();
    };
    UpdateFromDocument();
}

void CVisualView::UpdateFromDocument() {
    m_model.Update(m_doc);
    m_extent = m_renderer.Prepare();
    RenderImage();
    setFixedSize(m_extent.size());
    update();
}

void CVisualView::RenderImage() {
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(m_extent.size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::white);
    QPainter painter(&m_image);
    painter.translate(-m_extent.topLeft());
    m_renderer.Paint(painter);
}

void CVisualView::HighlightMember(const CMember* member) {
    const bool changed = member != m_highlighted;
    m_highlighted = member;
    update();
    if (changed)
        emit HighlightChanged();
}

SChartFit CVisualView::FitChart(const QSize& room) const {
    // The chart keeps a few pixels off the view's right and bottom edges.
    constexpr int kEdge = 8;
    const QSize view = room - QSize(kEdge, kEdge);
    const CChartLayout& layout = m_model.Layout();
    const QSize plot = layout.PlotPixels().size() - QSize(1, 1);
    const QRect frame = m_renderer.FrameRect();
    const SEdges box = m_doc.ScaleBox();
    // What stands around the plot across and down; a legend beside the plot may run past its
    // foot, so only the frame's texts count above and below the plot then.
    const auto around = [&plot](const QRect& across, const QRect& down) {
        return QSize(across.width(), down.height()) - plot;
    };
    if (!layout.LegendShown() || layout.LegendOrigin())
        return {FittedChartSize(view, around(m_extent, frame), box), layout.LegendBelow()};
    const QRect sides = frame.united(m_renderer.CoalitionRect());
    const QSize beside = around(sides.united(m_renderer.LegendAreaAt(std::nullopt)), frame);
    // The rows start in line with the plot.
    const int rowWidth = view.width() - (layout.PlotPixels().left() - frame.left());
    const QSize below = around(sides, frame.united(m_renderer.LegendAreaAt(rowWidth)));
    // Compared before either is held to the least size, so that a view too small for both
    // gets the one that overflows it less.
    if (FittedPlotWidth(view, below, box) > FittedPlotWidth(view, beside, box))
        return {FittedChartSize(view, below, box), rowWidth};
    return {FittedChartSize(view, beside, box), std::nullopt};
}

void CVisualView::ZoomAtCursor(double steps) {
    m_gestures.Zoom(ToLogical(mapFromGlobal(QCursor::pos())), steps);
}

void CVisualView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_image);
    painter.translate(-m_extent.topLeft());
    if (m_gestures.Kind() == EDragKind::Pan)
        PaintPannedPlot(painter);
    PaintDragFeedback(painter);
}

void CVisualView::PaintPannedPlot(QPainter& painter) const {
    // Until the button comes up the plot's picture follows the mouse; the chart is computed
    // for the new window once, on release.
    const QRect plot = m_model.Layout().PlotPixels();
    painter.save();
    painter.setClipRect(plot);
    painter.fillRect(plot, ToQColor(m_doc.Config().colorBackground));
    const QPoint offset = m_gestures.PanOffset();
    painter.drawImage(
        plot.topLeft() + offset, m_image,
        QRectF(QPointF(plot.topLeft() - m_extent.topLeft()) * m_image.devicePixelRatio(),
               QSizeF(plot.size()) * m_image.devicePixelRatio()));
    painter.restore();
}

void CVisualView::PaintDragFeedback(QPainter& painter) const {
    const CChartLayout& layout = m_model.Layout();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    const SSizeSpec& size = m_doc.Config().szPoint;
    auto symbolAt = [&](const QPoint& centre) {
        painter.fillRect(QRect(centre.x() - size.cx / 2 - 1, centre.y() - size.cy / 2 - 1,
                               size.cx + 2, size.cy + 2),
                         Qt::white);
    };
    if (m_doc.IsCurrentMember(m_highlighted))
        painter.drawEllipse(layout.ToChart(m_highlighted->IdealPoint()), size.cx + 3, size.cy + 3);
    switch (m_gestures.Kind()) {
    case EDragKind::StatusQuo:
    case EDragKind::Proposal:
        symbolAt(m_gestures.DragPoint());
        break;
    case EDragKind::Label:
        painter.drawRect(m_gestures.DragRect());
        break;
    case EDragKind::ProjectionLine:
        painter.drawLine(m_gestures.RubberLine());
        break;
    default:
        break;
    }
}

bool CVisualView::StartsPan(const QMouseEvent& event) const {
    return event.button() == Qt::MiddleButton || (event.button() == Qt::LeftButton && m_spaceHeld);
}

void CVisualView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = ToLogical(event->position().toPoint());
    if (StartsPan(*event)) {
        m_gestures.PanDown(point);
        setCursor(Qt::ClosedHandCursor);
        return;
    }
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (event->button() == Qt::LeftButton) {
        m_gestures.LeftDown(point, shift, control);
        m_model.SetLiveDrag(m_gestures.IsLiveDrag());
        update();
    } else if (event->button() == Qt::RightButton) {
        const std::vector<std::string> items = m_gestures.RightDown(point, shift, control);
        emit GestureHandled();
        if (!items.empty())
            ShowPopup(items, event->globalPosition().toPoint());
        return;
    }
    emit GestureHandled();
}

void CVisualView::ShowPopup(const std::vector<std::string>& items, const QPoint& globalPosition) {
    QMenu menu(this);
    menu.setObjectName("identifyMember");
    for (const std::string& item : items)
        menu.addAction(QString::fromStdString(item));
    menu.exec(globalPosition);
}

void CVisualView::mouseMoveEvent(QMouseEvent* event) {
    if (m_gestures.Kind() == EDragKind::Pan) {
        m_gestures.Move(ToLogical(event->position().toPoint()));
        update();
        return;
    }
    if (event->buttons() != Qt::LeftButton || m_gestures.Kind() == EDragKind::None)
        return;
    if (m_gestures.IsLiveDrag()) {
        const QPoint point = ToLogical(event->position().toPoint());
        // The last point inside the plot is where a point dragged out of it stays.
        if (!m_model.Layout().PlotPixels().contains(point))
            ApplyPendingMove();
        m_pendingMove = point;
        if (!m_moveQueued) {
            m_moveQueued = true;
            QTimer::singleShot(0, this, &CVisualView::ApplyPendingMove);
        }
        return;
    }
    m_gestures.Move(ToLogical(event->position().toPoint()));
    if (m_gestures.Kind() == EDragKind::Legend)
        UpdateFromDocument();
    else
        update();
}

void CVisualView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_gestures.Kind() == EDragKind::Pan) {
        unsetCursor();
        m_gestures.PanUp(ToLogical(event->position().toPoint()));
        update();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    ApplyPendingMove();
    m_model.SetLiveDrag(false);
    m_gestures.LeftUp(ToLogical(event->position().toPoint()));
    UpdateFromDocument();
    emit GestureHandled();
}

void CVisualView::ApplyPendingMove() {
    if (!m_moveQueued)
        return;
    m_moveQueued = false;
    if (!m_gestures.IsLiveDrag())
        return;
    // The move goes through the document, whose refresh redraws the chart.
    m_gestures.Move(m_pendingMove);
    update();
}

void CVisualView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    if (CMember* member = m_gestures.DoubleClick(ToLogical(event->position().toPoint())))
        emit MemberDialogRequested(member);
}

void CVisualView::wheelEvent(QWheelEvent* event) {
    const double steps = event->angleDelta().y() / 120.0;
    if (steps == 0.0) {
        event->ignore();
        return;
    }
    m_gestures.Zoom(ToLogical(event->position().toPoint()), steps);
    event->accept();
}

void CVisualView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = true;
        setCursor(Qt::OpenHandCursor);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CVisualView::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_spaceHeld = false;
        if (m_gestures.Kind() != EDragKind::Pan)
            unsetCursor();
        event->accept();
        return;
    }
    // The Enter key's release is swallowed so it cannot reach a default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}
