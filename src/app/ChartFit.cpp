#include "app/ChartFit.h"

#include "document/QueltaDoc.h"
#include "views/widgets/VisualView.h"

#include <QAction>
#include <QEvent>
#include <QScrollArea>
#include <QSettings>

namespace {

const char* const kFitKey = "fitChartToWindow";
/// How long the view must keep its size before the chart follows it.
constexpr int kSettleMilliseconds = 150;

} // namespace

CChartFit::CChartFit(CQueltaDoc& doc, QScrollArea& area, CVisualView& chart)
    : QObject(&area), m_doc(doc), m_area(area), m_chart(chart) {
    m_action = new QAction(tr("Fit Chart to Window"), this);
    m_action->setObjectName("fitChartToWindow");
    m_action->setCheckable(true);
    m_action->setChecked(QSettings().value(kFitKey, true).toBool());
    connect(m_action, &QAction::toggled, this, &CChartFit::Switch);
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMilliseconds);
    connect(&m_settle, &QTimer::timeout, this, &CChartFit::FitNow);
    m_area.viewport()->installEventFilter(this);
}

bool CChartFit::IsOn() const {
    return m_action->isChecked();
}

bool CChartFit::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && IsOn())
        m_settle.start();
    return QObject::eventFilter(watched, event);
}

void CChartFit::Switch(bool on) {
    QSettings().setValue(kFitKey, on);
    if (on) {
        FitNow();
        return;
    }
    m_settle.stop();
    // The configured size rules, with the legend beside the plot.
    CChartLayout& layout = m_chart.Model().Layout();
    const bool wasBelow = layout.LegendBelow().has_value();
    layout.SetLegendBelow(std::nullopt);
    const SSizeSpec before = m_doc.ChartSize();
    m_doc.SetFittedChartSize(std::nullopt);
    if (wasBelow || before.cx != m_doc.ChartSize().cx || before.cy != m_doc.ChartSize().cy)
        emit ChartResized();
}

void CChartFit::FitNow() {
    if (!IsOn())
        return;
    // The plot keeps its size under a gesture in progress; it is fitted once the button is up.
    if (m_chart.Gestures().Kind() != EDragKind::None) {
        m_settle.start();
        return;
    }
    // The size the view has without scroll bars, so that showing or hiding them cannot start
    // another fit.
    const SChartFit fit = m_chart.FitChart(m_area.maximumViewportSize());
    CChartLayout& layout = m_chart.Model().Layout();
    const SSizeSpec before = m_doc.ChartSize();
    if (fit.size.cx == before.cx && fit.size.cy == before.cy &&
        fit.legendBelow == layout.LegendBelow())
        return;
    layout.SetLegendBelow(fit.legendBelow);
    m_doc.SetFittedChartSize(fit.size);
    emit ChartResized();
}
