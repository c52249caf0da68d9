#pragma once

#include "geometry/FPoint.h"
#include "geometry/GeoAlloc.h"
#include "platform/Platform.h"

#include <new>
#include <vector>

/// Allocates room for `count` points and lets `fill` write them. An allocation failure shows
/// `failureText` and yields no points, so every shape reports its own failure the same way.
template <class Fill>
std::vector<CFPoint> MakePointBuffer(std::size_t count, const char* failureText, Fill fill) {
    try {
        CheckGeoAllocation(count);
        std::vector<CFPoint> points;
        points.reserve(count);
        fill(points);
        return points;
    } catch (const std::bad_alloc&) {
        MessageBoxOk(failureText);
        return {};
    }
}
