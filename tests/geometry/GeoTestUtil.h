#pragma once

#include "geometry/FPoint.h"
#include "geometry/Rgn.h"

#include <gtest/gtest.h>

#include <vector>

/// Expects the points to match one by one (within the points' own tolerance).
inline void ExpectPoints(const std::vector<CFPoint>& actual, const std::vector<CFPoint>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "point " << i;
}

/// A rectangle region (left, top, right, bottom).
inline CRgn Rect(int left, int top, int right, int bottom) {
    CRgn rgn;
    rgn.CreateRectRgn(left, top, right, bottom);
    return rgn;
}

/// Whether two regions hold the same cells, however the platform cut them into rectangles.
inline bool SameCells(const CRgn& a, const CRgn& b) {
    CRgn difference;
    return difference.CombineRgn(a, b, RGN_XOR) == NULLREGION;
}
