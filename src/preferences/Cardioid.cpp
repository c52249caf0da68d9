#include "preferences/Cardioid.h"

#include "geometry/CellRuns.h"
#include "geometry/EllipseCells.h"
#include "platform/Platform.h"

#include <cmath>
#include <new>
#include <vector>

namespace {

constexpr const char* kMemoryText = "memory exception allocating outer cardioid";

/// Runs the region builder, turning an allocation failure into the message and no region.
template <class Build> std::unique_ptr<CRgn> Guarded(Build build) {
    try {
        auto region = std::make_unique<CRgn>();
        build(*region);
        return region;
    } catch (const std::bad_alloc&) {
        MessageBoxOk(kMemoryText);
        return nullptr;
    }
}

} // namespace

std::unique_ptr<CRgn> CircleDiscRgn(const CGridMap& map, const CFPoint& centre, double radius) {
    // The disc's boundary is known exactly, so it takes the cells of the exact rule.
    return Guarded([&](CRgn& region) {
        region = EllipseCellRgn({centre, radius, radius, 1.0, 0.0}, map);
    });
}

std::unique_ptr<CRgn> OuterCardioidRgn(const CGridMap& map, const CFPoint& statusQuo,
                                       const CFPoint& centre, double radius) {
    const double d = statusQuo.Distance(centre);
    if (!(d > 0.0))
        return CircleDiscRgn(map, centre, radius);
    return Guarded([&](CRgn& region) {
        const CFPoint u((centre.x - statusQuo.x) / d, (centre.y - statusQuo.y) / d);
        std::vector<QPoint> cells;
        cells.reserve(80);
        double t = 0.0;
        for (int k = 0; k < 80; ++k) {
            const double rho = 2 * (d * std::cos(t) + radius);
            const double lx = rho * std::cos(t);
            const double ly = rho * std::sin(t);
            cells.push_back(map.WorldToCell(
                CFPoint(statusQuo.x + lx * u.x - ly * u.y, statusQuo.y + lx * u.y + ly * u.x)));
            t += 0.07853981633974483;
        }
        region.CreatePolygonRgn(cells, ALTERNATE, RegionWindow(map));
    });
}
