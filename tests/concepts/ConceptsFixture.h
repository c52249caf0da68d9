#pragma once

#include "geometry/RgnHelpers.h"
#include "platform/CRand.h"
#include "preferences/GameFixture.h"

#include <cmath>
#include <numbers>

/// A uniform draw from the system generator.
inline double Uniform(double low, double high) {
    return low + (high - low) * CRand::Next() / 32767.0;
}

/// Adds n trade-off members at random in 20..80 (seeded by the caller).
inline void AddRandomMembers(CGameFixture& f, int n) {
    for (int i = 0; i < n; ++i)
        f.Add(Uniform(20, 80), Uniform(20, 80));
}

/// Adds members on a regular polygon of n corners about (50, 50).
inline void AddPolygonMembers(CGameFixture& f, int n, double radius) {
    for (int k = 0; k < n; ++k) {
        const double angle = 2 * std::numbers::pi * k / n + 0.3;
        f.Add(50 + radius * std::cos(angle), 50 + radius * std::sin(angle));
    }
}

/// The cells of `inner` that are not within one cell of `outer`.
inline long long CellsOutside(const CRgn& inner, const CRgn& outer) {
    CRgn grown;
    grown.CreateRectRgn(0, 0, 0, 0);
    for (const SIntRect& r : outer.GetRegionData()) {
        CRgn rect;
        rect.CreateRectRgn(r.left - 1, r.top - 1, r.right + 1, r.bottom + 1);
        grown.CombineRgn(grown, rect, RGN_OR);
    }
    CRgn outside;
    outside.CombineRgn(inner, grown, RGN_DIFF);
    return RgnCellCount(outside);
}
