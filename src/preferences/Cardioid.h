#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <memory>

/// The disc of a circle on the grid: the ellipse region of the centre's cell and the radius in
/// cells along each axis. nullptr (after a message) when memory fails.
std::unique_ptr<CRgn> CircleDiscRgn(const CGridMap& map, const CFPoint& centre, double radius);

/// The outer cardioid: the limacon about the status quo, towards the yolk, that holds the win
/// set; the yolk disc when the status quo is the yolk centre. nullptr when memory fails.
std::unique_ptr<CRgn> OuterCardioidRgn(const CGridMap& map, const CFPoint& statusQuo,
                                       const CFPoint& centre, double radius);
