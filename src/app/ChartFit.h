#pragma once

#include <QObject>
#include <QTimer>

class CQueltaDoc;
class CVisualView;
class QAction;
class QScrollArea;

/// The desktop's "Fit Chart to Window" setting: while it is on, the plot is the largest one
/// that fits the chart's view with its legend, and follows the view's size once a resize has
/// settled. The setting lives in the user's settings; the document's configured chart size is
/// never touched, so nothing is marked modified and saved files keep their chart size.
class CChartFit : public QObject {
    Q_OBJECT

public:
    CChartFit(CQueltaDoc& doc, QScrollArea& area, CVisualView& chart);

    /// The checkable action that switches the setting.
    QAction* Action() const { return m_action; }
    bool IsOn() const;
    /// Fits the chart to the view now (after a refresh whose legend may have grown).
    void FitNow();

signals:
    /// The fitted size changed: the chart must be recomputed and redrawn.
    void ChartResized();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Switch(bool on);

    CQueltaDoc& m_doc;
    QScrollArea& m_area;
    CVisualView& m_chart;
    QAction* m_action = nullptr;
    /// A resize is acted on once the view has kept its size for a moment.
    QTimer m_settle;
};
