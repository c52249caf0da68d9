#include "document/ChartFrame.h"

#include <cmath>

SIntRect PlotRect(int width, int height) {
    return {50, 50, 50 + width, 50 + height};
}

CFPoint ChartCentre(const SEdges& scaleBox, const CFPoint& pan) {
    return CFPoint(
        (scaleBox.left + scaleBox.right) / 2.0 + pan.x * std::fabs(scaleBox.right - scaleBox.left),
        (scaleBox.bottom + scaleBox.top) / 2.0 + pan.y * std::fabs(scaleBox.top - scaleBox.bottom));
}

CGridMap ChartGridMap(const SEdges& scaleBox, int width, int height, double zoom,
                      const CFPoint& pan) {
    if (!(zoom > 0.0))
        zoom = 1.0;
    const CFPoint centre = ChartCentre(scaleBox, pan);
    const double halfX = std::fabs(scaleBox.right - scaleBox.left) / (2.0 * zoom);
    const double halfY = std::fabs(scaleBox.top - scaleBox.bottom) / (2.0 * zoom);
    SEdges visible;
    visible.left = centre.x - halfX;
    visible.right = centre.x + halfX;
    visible.bottom = centre.y - halfY;
    visible.top = centre.y + halfY;
    CGridMap map;
    map.Set(visible, PlotRect(width, height));
    return map;
}
