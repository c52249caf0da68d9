#pragma once

#include "geometry/FLine.h"
#include "geometry/FPoint.h"

#include <vector>

class CMember;

/// The median point on a line: the midpoint of the two projections onto the line where a walk
/// along it, from either end, first gathers a quota of votes. An end that never gathers a
/// quota stays at the fallback point (the status quo).
CFPoint MedianPoint(const std::vector<CMember*>& members, double quota, const CFPoint& fallback,
                    const CFLine& line);

/// The median line for a line: its perpendicular through the median point.
CFLine MedianLine(const std::vector<CMember*>& members, double quota, const CFPoint& fallback,
                  const CFLine& line);

/// The foot of the perpendicular from a point onto a line.
CFPoint ProjectOntoLine(const CFLine& line, const CFPoint& point);
