#pragma once

#include "views/ChartLegend.h"
#include "views/CoalitionList.h"

#include <QRect>
#include <QRectF>

#include <memory>
#include <optional>
#include <vector>

class CChartModel;
class CFrameText;
class CQueltaDoc;
class QPaintDevice;
class QPainter;

/// Paints the chart of a document with a QPainter onto any paint device (the desktop's
/// off-screen image, an image file, a printer, an SVG or PDF generator): background, title,
/// axes, every visible layer in order, the plot frame, the legend and the coalition list.
/// Coordinates are the chart's logical pixels, in which the plot starts at (50, 50).
class CChartRenderer {
public:
    CChartRenderer(CChartModel& model, CQueltaDoc& doc);
    ~CChartRenderer();
    CChartRenderer(const CChartRenderer&) = delete;
    CChartRenderer& operator=(const CChartRenderer&) = delete;

    /// Places the frame texts, the legend blocks and the coalition list; returns the total
    /// extent (the frame, legend and coalition rectangles together). The legend's texts are
    /// measured also on the device the chart will be painted on, at its scale, when given.
    QRect Prepare(const QPaintDevice* device = nullptr, double scale = 1.0);
    /// The total extent of the last preparation.
    QRect Extent() const { return m_extent; }
    /// Paints the whole chart in logical pixels (prepared first when it was not).
    void Paint(QPainter& painter);
    /// Paints the chart scaled to fit a target rectangle, keeping its proportions.
    void PaintInto(QPainter& painter, const QRectF& target);

    const std::vector<CLegendBlock>& LegendBlocks() const { return m_blocks; }
    QRect LegendRect() const { return m_legendRect; }
    /// The legend blocks' frames of the last preparation.
    std::vector<QRect> LegendBlockRects() const;
    QRect CoalitionRect() const { return m_coalitionRect; }
    QRect FrameRect() const;
    /// The area the legend of the last preparation would cover at its own place: beside the
    /// plot, or below the frame in rows of the width given. Empty when no legend is drawn.
    QRect LegendAreaAt(const std::optional<int>& rowWidth) const;

private:
    QPoint DefaultLegendOrigin(bool below) const;
    void PaintLayers(QPainter& painter);
    void PaintCoalition(QPainter& painter) const;

    CChartModel& m_model;
    CQueltaDoc& m_doc;
    std::unique_ptr<CFrameText> m_frame;
    std::unique_ptr<CChartLegend> m_legend;
    std::vector<CLegendBlock> m_blocks;
    std::optional<SCoalition> m_coalition;
    QRect m_legendRect;
    QRect m_coalitionRect;
    QRect m_extent;
};
