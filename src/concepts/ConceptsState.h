#pragma once

#include "concepts/Core.h"
#include "concepts/Heart.h"
#include "concepts/ParetoSet.h"
#include "geometry/Rgn.h"

/// The game's cached solution concepts built on the win set and the yolk: the Pareto set, the
/// core, the heart, the uncovered set and the Banks set.
struct SConceptsState {
    CParetoSet pareto;
    CCore core;
    CHeart heart;
    CRgn uncovered;
    CRgn banks;
};
