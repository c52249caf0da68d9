#include "platform/Platform.h"
#include "preferences/WinSetState.h"

#include <limits>

bool FindPetals(const CRegion& grid, const SIntRect& device, double quota,
                std::vector<QPoint>& petals) {
    petals.clear();
    const std::optional<SIntRect> box = grid.GetBounds(quota);
    if (!box)
        return true;
    const int c0 = box->left + device.left, c1 = box->right - 1 + device.left;
    const int r0 = box->top + device.top, r1 = box->bottom - 1 + device.top;
    const auto value = [&](int x, int y) { return grid.At(y - device.top, x - device.left); };
    for (int y = r0; y < r1; ++y) {
        for (int x = c0; x < c1; ++x) {
            const double e = value(x, y);
            if (e < quota)
                continue;
            if (device.left < x && x < device.right && device.top < y && y < device.bottom) {
                if (e != value(x - 1, y) || e != value(x + 1, y))
                    petals.emplace_back(x, y);
                if (e != value(x, y - 1) || e != value(x, y + 1))
                    petals.emplace_back(x, y);
            } else {
                petals.emplace_back(x, y);
            }
        }
        if (Platform().CancelRequested())
            return false;
    }
    return true;
}

CFPoint RegionBoundaryPoint(const CMappedRegion& region, const CFPoint& point, bool farthest) {
    CFPoint best = point;
    double bestDistance = farthest ? -1.0 : std::numeric_limits<double>::infinity();
    for (const SIntRect& cells : region.GetRgn().GetRegionData()) {
        const CFRect rect(region.GetMap().CellRectToWorld(cells));
        const CFPoint candidate =
            farthest ? rect.GetFarthestPoint(point) : rect.GetNearestPoint(point);
        const double dx = candidate.x - point.x, dy = candidate.y - point.y;
        const double distance = dx * dx + dy * dy;
        if (farthest ? distance > bestDistance : distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    }
    return best;
}
