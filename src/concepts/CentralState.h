#pragma once

#include "concepts/PowerIndex.h"
#include "geometry/FPolygon.h"
#include "preferences/Yolk.h"

/// The game's cached central concepts: the yolk, the power index and the Tri-Median polygon.
struct SCentralState {
    SYolk yolk;
    CPowerIndex power;
    CFPolygon triMedian;
};
