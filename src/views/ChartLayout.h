#pragma once

#include "document/DisplayConfig.h"
#include "geometry/GridMap.h"
#include "views/ChartAxis.h"

#include <QPoint>
#include <QRect>

#include <optional>
#include <string>

class CQueltaDoc;

/// The chart frame: where the plot sits, which part of the issue space it shows through the
/// grid map, the two axes, the title with its anchor and the axis titles. Rebuilt from the
/// document on every update; holds no widget and paints nothing itself.
class CChartLayout {
public:
    /// A layout of the default 400 by 400 chart with the axis titles "X-Axis" and "Y-Axis".
    CChartLayout();

    /// Takes the chart size, scale box, zoom, map, title and axis texts from the document. A
    /// chart size below 6 pixels on either side keeps the previous plot.
    void Update(const CQueltaDoc& doc);

    /// The plot rectangle as the map sees it: left 50, top 50, right 50 + W, bottom 50 + H.
    const SIntRect& Plot() const { return m_plot; }
    /// The plot's pixels: from (left, top) to (right, bottom), both corners included, since the
    /// scale minimum maps onto the bottom edge and the maximum onto the right edge.
    QRect PlotPixels() const;
    const CChartAxis& HorizontalAxis() const { return m_horizontal; }
    const CChartAxis& VerticalAxis() const { return m_vertical; }
    const CGridMap& Map() const { return m_map; }
    /// The chart pixel of an issue-space point (nearest pixel).
    QPoint ToChart(const CFPoint& point) const;
    /// The issue-space point of a chart pixel.
    CFPoint ToWorld(const QPoint& pixel) const;

    const std::string& Title() const { return m_title; }
    const std::string& HorizontalTitle() const { return m_horizontalTitle; }
    const std::string& VerticalTitle() const { return m_verticalTitle; }
    /// The title's anchor on the plot: 1 top left, 2 left middle, 3 bottom left, 4 top middle,
    /// 6 bottom middle, 7 top right, 8 right middle, 9 bottom right, else the centre.
    int TitleAlignment() const { return m_titleAlignment; }
    void SetTitleAlignment(int code) { m_titleAlignment = code; }

    /// Whether the legend is drawn.
    bool LegendShown() const { return m_legendShown; }
    void SetLegendShown(bool shown) { m_legendShown = shown; }
    /// Where the user placed the legend; none while it sits at its default place.
    const std::optional<QPoint>& LegendOrigin() const { return m_legendOrigin; }
    void SetLegendOrigin(const std::optional<QPoint>& origin) { m_legendOrigin = origin; }
    /// The width of the rows the legend's blocks stand in below the chart's frame, where the
    /// desktop's fitted chart puts the legend when that leaves the larger plot; none while the
    /// legend stands beside the plot, as it does everywhere else.
    const std::optional<int>& LegendBelow() const { return m_legendBelow; }
    void SetLegendBelow(const std::optional<int>& rowWidth) { m_legendBelow = rowWidth; }

private:
    SIntRect m_plot;
    CChartAxis m_horizontal;
    CChartAxis m_vertical;
    CGridMap m_map;
    std::string m_title;
    std::string m_horizontalTitle = "X-Axis";
    std::string m_verticalTitle = "Y-Axis";
    int m_titleAlignment = 4;
    bool m_legendShown = true;
    std::optional<QPoint> m_legendOrigin;
    std::optional<int> m_legendBelow;
};

/// A chart size fitted to a view, with where the legend stands: beside the plot, or below the
/// frame in rows of the width given.
struct SChartFit {
    SSizeSpec size;
    std::optional<int> legendBelow;
};

/// The chart size that fits a view: the largest plot with the scale box's aspect that leaves
/// room for what stands around it (`around`: the chart's total extent less its plot), at least
/// 100 pixels and at most 20,000 on a side.
SSizeSpec FittedChartSize(const QSize& view, const QSize& around, const SEdges& box);
/// The width of that plot before it is held to its least and most sizes; below zero when what
/// stands around the plot is larger than the view.
double FittedPlotWidth(const QSize& view, const QSize& around, const SEdges& box);

/// The chart's title: the description, " / " and the house-and-committee text, or that text
/// alone when there is no description.
std::string ChartTitle(const CQueltaDoc& doc);
