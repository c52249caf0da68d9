#pragma once

#include "concepts/PowerIndex.h"
#include "geometry/FPolygon.h"
#include "preferences/SmallestCircle.h"
#include "preferences/Yolk.h"

/// The game's cached central concepts: the yolk and the exact yolk, the power index and the
/// Tri-Median polygon.
struct SCentralState {
    SYolk yolk;
    SLineCircle exactYolk;
    CPowerIndex power;
    CFPolygon triMedian;
};
