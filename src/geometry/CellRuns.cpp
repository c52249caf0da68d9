#include "geometry/CellRuns.h"

#include "geometry/GeoAlloc.h"

#include <QRect>
#include <QRegion>

#include <algorithm>

namespace {

/// The runs of one row starting at `first`, touching runs joined; returns the end of the row.
std::size_t RowSpans(const std::vector<SCellRun>& runs, std::size_t first,
                     std::vector<QRect>& spans) {
    spans.clear();
    const int y = runs[first].y;
    std::size_t i = first;
    for (; i < runs.size() && runs[i].y == y; ++i) {
        if (runs[i].x1 <= runs[i].x0)
            continue;
        if (!spans.empty() && spans.back().right() + 1 >= runs[i].x0)
            spans.back().setRight(std::max(spans.back().right(), runs[i].x1 - 1));
        else
            spans.emplace_back(runs[i].x0, y, runs[i].x1 - runs[i].x0, 1);
    }
    return i;
}

bool SameColumns(const std::vector<QRect>& rects, std::size_t bandStart,
                 const std::vector<QRect>& spans) {
    if (rects.size() - bandStart != spans.size())
        return false;
    for (std::size_t k = 0; k < spans.size(); ++k)
        if (rects[bandStart + k].left() != spans[k].left() ||
            rects[bandStart + k].right() != spans[k].right())
            return false;
    return true;
}

} // namespace

CRgn RgnFromRuns(const std::vector<SCellRun>& runs) {
    std::vector<QRect> rects;
    std::vector<QRect> spans;
    std::size_t bandStart = 0;
    int bandEnd = 0;
    bool banding = false;
    for (std::size_t i = 0; i < runs.size();) {
        const int y = runs[i].y;
        i = RowSpans(runs, i, spans);
        if (spans.empty())
            continue;
        if (banding && bandEnd == y && SameColumns(rects, bandStart, spans)) {
            for (std::size_t k = bandStart; k < rects.size(); ++k)
                rects[k].setBottom(y);
        } else {
            CheckGeoAllocation(rects.size() + spans.size());
            bandStart = rects.size();
            rects.insert(rects.end(), spans.begin(), spans.end());
        }
        banding = true;
        bandEnd = y + 1;
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    CRgn rgn;
    rgn.FromQRegion(region);
    return rgn;
}

SIntRect RegionWindow(const CGridMap& map) {
    const SIntRect d = map.DeviceRect();
    const long long left = std::min(d.left, d.right), right = std::max(d.left, d.right);
    const long long top = std::min(d.top, d.bottom), bottom = std::max(d.top, d.bottom);
    const long long width = right - left, height = bottom - top;
    // Held inside the int range whatever the device rectangle.
    const auto held = [](long long v) {
        return static_cast<int>(std::clamp(v, -(1LL << 29), 1LL << 29));
    };
    return {held(left - 2 * width), held(top - 2 * height), held(right + 2 * width),
            held(bottom + 2 * height)};
}
