#pragma once

#include "app/MainWindow.h"
#include "views/widgets/VisualView.h"

#include <QTest>

/// The widget position of an issue-space point on the chart.
inline QPoint WidgetPoint(CVisualView& view, const CFPoint& point) {
    return view.ToWidget(view.Model().Layout().ToChart(point));
}

/// Drags with the left button from one widget position to another, through their middle.
inline void DragOnChart(CVisualView& view, const QPoint& from, const QPoint& to) {
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, (from + to) / 2);
    QTest::mouseMove(&view, to);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
}

/// Presses the platform's Undo key with the chart focused.
inline void PressUndo(CQueltaFrame& frame) {
    frame.ChartView().setFocus();
    QTest::keySequence(&frame, QKeySequence::Undo);
}
