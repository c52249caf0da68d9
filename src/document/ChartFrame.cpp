#include "document/ChartFrame.h"

#include <cmath>

SIntRect PlotRect(int width, int height) { return {50, 50, 50 + width, 50 + height}; }

CGridMap ChartGridMap(const SEdges& scaleBox, int width, int height, double zoom) {
    if (!(zoom > 0.0))
        zoom = 1.0;
    const double centreX = (scaleBox.left + scaleBox.right) / 2.0;
    const double centreY = (scaleBox.bottom + scaleBox.top) / 2.0;
    const double halfX = std::fabs(scaleBox.right - scaleBox.left) / (2.0 * zoom);
    const double halfY = std::fabs(scaleBox.top - scaleBox.bottom) / (2.0 * zoom);
    SEdges visible;
    visible.left = centreX - halfX;
    visible.right = centreX + halfX;
    visible.bottom = centreY - halfY;
    visible.top = centreY + halfY;
    CGridMap map;
    map.Set(visible, PlotRect(width, height));
    return map;
}
