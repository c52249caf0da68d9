#include "views/ChartLayout.h"

#include "document/ChartFrame.h"
#include "document/QueltaDoc.h"

CChartLayout::CChartLayout() : m_plot(PlotRect(400, 400)) {
    m_map = ChartGridMap(SEdges{0.0, 100.0, 100.0, 0.0}, 400, 400, 1.0);
}

void CChartLayout::Update(const CQueltaDoc& doc) {
    const SSizeSpec& size = doc.Config().szChart;
    if (size.cx >= 6 && size.cy >= 6)
        m_plot = PlotRect(size.cx, size.cy);
    const SEdges box = doc.ScaleBox();
    m_horizontal = CChartAxis(box.left, box.right, doc.Zoom());
    m_vertical = CChartAxis(box.bottom, box.top, doc.Zoom());
    m_map = ChartGridMap(box, m_plot.right - m_plot.left, m_plot.bottom - m_plot.top, doc.Zoom());
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
