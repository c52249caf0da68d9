#pragma once

#include "geometry/GridMap.h"

/// The chart's plot rectangle for a chart size: (50, 50) to (50 + width, 50 + height) in
/// logical pixels, rows growing downwards.
SIntRect PlotRect(int width, int height);

/// The centre of the visible issue-space window: the scale box's centre moved by `pan`, in
/// fractions of the box's width and height.
CFPoint ChartCentre(const SEdges& scaleBox, const CFPoint& pan);

/// The grid map the chart hands to the voting game: the visible issue-space window (the scale
/// box shrunk by the zoom factor about its centre, moved by the pan) mapped onto the plot
/// rectangle. The desktop chart and the command line build their maps here, so both compute on
/// the same grid.
CGridMap ChartGridMap(const SEdges& scaleBox, int width, int height, double zoom,
                      const CFPoint& pan = CFPoint(0.0, 0.0));
