#include "views/ChartLayout.h"

#include "document/ChartFrame.h"
#include "document/QueltaDoc.h"

#include <QSize>

#include <algorithm>
#include <cmath>

CChartLayout::CChartLayout() : m_plot(PlotRect(400, 400)) {
    m_map = ChartGridMap(SEdges{0.0, 100.0, 100.0, 0.0}, 400, 400, 1.0);
}

void CChartLayout::Update(const CQueltaDoc& doc) {
    const SSizeSpec size = doc.ChartSize();
    if (size.cx >= 6 && size.cy >= 6)
        m_plot = PlotRect(size.cx, size.cy);
    const SEdges box = doc.ScaleBox();
    const CFPoint centre = ChartCentre(box, doc.Pan());
    m_horizontal = CChartAxis(box.left, box.right, doc.Zoom(), centre.x);
    m_vertical = CChartAxis(box.bottom, box.top, doc.Zoom(), centre.y);
    m_map = ChartGridMap(box, m_plot.right - m_plot.left, m_plot.bottom - m_plot.top, doc.Zoom(),
                         doc.Pan());
    m_title = ChartTitle(doc);
    const ScenarioHeader& header = doc.Header();
    m_horizontalTitle = header.horizontalScale ? header.horizontalScale->Rating() : "X-Axis";
    m_verticalTitle = header.verticalScale ? header.verticalScale->Rating() : "Y-Axis";
}

QRect CChartLayout::PlotPixels() const {
    return QRect(QPoint(m_plot.left, m_plot.top), QPoint(m_plot.right, m_plot.bottom));
}

QPoint CChartLayout::ToChart(const CFPoint& point) const {
    return m_map.WorldToCell(point);
}

CFPoint CChartLayout::ToWorld(const QPoint& pixel) const {
    return m_map.CellToWorld(pixel);
}

namespace {

/// The scale box's width over its height (1 for a box without extent).
double BoxAspect(const SEdges& box) {
    const double boxWidth = std::fabs(box.right - box.left);
    const double boxHeight = std::fabs(box.top - box.bottom);
    return boxWidth > 0.0 && boxHeight > 0.0 ? boxWidth / boxHeight : 1.0;
}

} // namespace

double FittedPlotWidth(const QSize& view, const QSize& around, const SEdges& box) {
    // The wider of the two is cut to the other's measure times the aspect.
    return std::min(double(view.width() - around.width()),
                    double(view.height() - around.height()) * BoxAspect(box));
}

SSizeSpec FittedChartSize(const QSize& view, const QSize& around, const SEdges& box) {
    constexpr int kLeast = 100;
    constexpr int kMost = 20000;
    const double fittedWidth = std::max(FittedPlotWidth(view, around, box), 1.0);
    const double fittedHeight = fittedWidth / BoxAspect(box);
    const auto side = [](double value) {
        return static_cast<int>(std::clamp(std::floor(value), double(kLeast), double(kMost)));
    };
    return {side(fittedWidth), side(fittedHeight)};
}

std::string ChartTitle(const CQueltaDoc& doc) {
    const ScenarioHeader& header = doc.Header();
    std::string houseAndCommittee;
    if (header.currentCommittee)
        houseAndCommittee = header.HouseInUse().label + " / " + header.currentCommittee->Name();
    if (header.description.empty())
        return houseAndCommittee;
    if (houseAndCommittee.empty())
        return header.description;
    return header.description + " / " + houseAndCommittee;
}
