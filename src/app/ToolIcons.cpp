#include "app/ToolIcons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <cmath>
#include <functional>

namespace {

const QColor kInk(40, 40, 40);
const QColor kWinSet(220, 60, 60);
const QColor kYolk(30, 110, 200);
const QColor kPareto(60, 150, 70);
const QColor kUncovered(150, 80, 180);
const QColor kCaptured(230, 150, 30);

/// A 24 x 24 icon drawn by `paint` on a transparent square.
QIcon Drawn(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(2.0, 2.0);
        paint(painter);
    }
    pixmap.setDevicePixelRatio(2.0);
    return QIcon(pixmap);
}

/// Three ideal points, as most chart pictures have them.
void Members(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (const QPointF& at : {QPointF(5, 18), QPointF(19, 17), QPointF(12, 5)})
        p.drawEllipse(at, 1.8, 1.8);
}

/// The lens-shaped petals of a win set about the centre.
QPainterPath Petals() {
    QPainterPath path;
    path.addEllipse(QPointF(9, 12), 6, 3.5);
    path.addEllipse(QPointF(15, 12), 6, 3.5);
    path.setFillRule(Qt::WindingFill);
    return path.simplified();
}

QIcon Filled(const QColor& colour, const std::function<void(QPainter&)>& shape) {
    return Drawn([colour, shape](QPainter& p) {
        QColor fill = colour;
        fill.setAlpha(110);
        p.setPen(QPen(colour.darker(130), 1.2));
        p.setBrush(fill);
        shape(p);
        Members(p);
    });
}

/// The captured win set (orange) combined with the current one (red) by a set operation.
QIcon Capture(int operation) {
    return Drawn([operation](QPainter& p) {
        const QRectF a(3, 6, 12, 12), b(9, 6, 12, 12);
        QPainterPath left, right;
        left.addEllipse(a);
        right.addEllipse(b);
        QPainterPath result;
        switch (operation) {
        case 0: result = right; break;
        case 1: result = left.united(right); break;
        case 2: result = left.intersected(right); break;
        case 3: result = left.subtracted(right); break;
        default: result = left.united(right).subtracted(left.intersected(right)); break;
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(kCaptured.red(), kCaptured.green(), kCaptured.blue(), 200));
        p.drawPath(result);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kCaptured.darker(140), 1.0));
        p.drawEllipse(a);
        p.setPen(QPen(kWinSet, 1.0, operation == 0 ? Qt::SolidLine : Qt::DashLine));
        p.drawEllipse(b);
    });
}

/// The status quo (a square) moved onto a target drawn by `target`.
QIcon MoveStatusQuo(const std::function<void(QPainter&)>& target) {
    return Drawn([target](QPainter& p) {
        target(p);
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(4, 20), QPointF(10, 14));
        p.drawLine(QPointF(10, 14), QPointF(7, 14.5));
        p.drawLine(QPointF(10, 14), QPointF(9.5, 17));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2, 18, 5, 5));
    });
}

QIcon Standard(QStyle::StandardPixmap which) {
    return QApplication::style()->standardIcon(which);
}

} // namespace

QIcon ToolIcon(ECommandId id) {
    using C = ECommandId;
    switch (id) {
    case C::NewWhiteboard: return Standard(QStyle::SP_FileIcon);
    case C::OpenFile: return Standard(QStyle::SP_DialogOpenButton);
    case C::SaveScenario: return Standard(QStyle::SP_DialogSaveButton);
    case C::Report: return Standard(QStyle::SP_FileDialogDetailedView);
    case C::EditMember:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(QColor(250, 220, 170));
            p.drawEllipse(QPointF(12, 8), 4, 4);
            p.drawChord(QRectF(4, 13, 16, 14), 0, 180 * 16);
        });
    case C::RationalityGeneral:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(12, 12), 9, 5);
            p.drawEllipse(QPointF(12, 12), 5, 2.5);
            p.setBrush(kInk);
            p.drawEllipse(QPointF(12, 12), 1.5, 1.5);
        });
    case C::Configuration: return Standard(QStyle::SP_FileDialogListView);
    case C::NewScript: return Standard(QStyle::SP_FileDialogContentsView);
    case C::StatusQuoToYolk:
        return MoveStatusQuo([](QPainter& p) {
            p.setPen(QPen(kYolk, 1.4));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(15, 9), 6, 6);
        });
    case C::StatusQuoToCopeland:
        return MoveStatusQuo([](QPainter& p) {
            p.setPen(QPen(kInk, 1.2));
            p.setBrush(QColor(250, 200, 40));
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 2.6 : 6.5, a = -M_PI / 2 + i * M_PI / 5;
                star << QPointF(15 + r * std::cos(a), 9 + r * std::sin(a));
            }
            p.drawPolygon(star);
        });
    case C::StatusQuoToProposal:
        return MoveStatusQuo([](QPainter& p) {
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(QColor(120, 190, 240));
            p.drawPolygon(QPolygonF({QPointF(15, 3), QPointF(21, 9), QPointF(15, 15),
                                     QPointF(9, 9)}));
        });
    case C::ShowWinSet:
        return Filled(kWinSet, [](QPainter& p) { p.drawPath(Petals()); });
    case C::ShowYolk:
        return Filled(kYolk, [](QPainter& p) { p.drawEllipse(QPointF(12, 13), 6, 6); });
    case C::ShowParetoSet:
        return Filled(kPareto, [](QPainter& p) {
            p.drawPolygon(QPolygonF({QPointF(5, 18), QPointF(19, 17), QPointF(12, 5)}));
        });
    case C::ShowUncoveredSet:
        return Filled(kUncovered, [](QPainter& p) {
            p.drawPolygon(QPolygonF({QPointF(9, 10), QPointF(15, 9), QPointF(16, 15),
                                     QPointF(11, 16)}));
        });
    case C::ShowHeart:
        return Filled(QColor(200, 40, 120), [](QPainter& p) {
            QPainterPath heart;
            heart.moveTo(12, 19);
            heart.cubicTo(2, 12, 7, 3, 12, 8.5);
            heart.cubicTo(17, 3, 22, 12, 12, 19);
            p.drawPath(heart);
        });
    case C::ShowCore:
        return Filled(QColor(90, 90, 90), [](QPainter& p) { p.drawEllipse(QPointF(12, 13), 2.5, 2.5); });
    case C::ShowQuotaLines:
        return Drawn([](QPainter& p) {
            p.setPen(QPen(QColor(60, 120, 60), 1.2));
            p.drawLine(QPointF(2, 19), QPointF(22, 16));
            p.drawLine(QPointF(3, 21), QPointF(14, 2));
            p.drawLine(QPointF(21, 21), QPointF(10, 2));
            Members(p);
        });
    case C::ShowWinSetCapture:
        return Filled(kCaptured, [](QPainter& p) { p.drawPath(Petals()); });
    case C::CaptureWinSet: return Capture(0);
    case C::CaptureUnion: return Capture(1);
    case C::CaptureIntersect: return Capture(2);
    case C::CaptureDifference: return Capture(3);
    case C::CaptureExclusive: return Capture(4);
    default: return QIcon();
    }
}
