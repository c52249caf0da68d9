#pragma once

#include "geometry/CellRuns.h"
#include "geometry/FPoint.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <vector>

/// An ellipse of the issue space: its centre, its semi-axes along its own x and y axes, and the
/// turn of those axes. A point P lies in its own axes at qx = dx cos - dy sin,
/// qy = dx sin + dy cos, with (dx, dy) = P - centre.
struct SCellEllipse {
    CFPoint centre;
    double semiX = 0.0;
    double semiY = 0.0;
    double cosTurn = 1.0;
    double sinTurn = 0.0;
};

/// The cell rule of every shape whose boundary is known exactly: a cell belongs when its
/// centre, the issue-space point of the cell, lies strictly inside the ellipse,
/// (qx / semiX)^2 + (qy / semiY)^2 < 1. An ellipse with a semi-axis that is 0 or not a number
/// holds no cell.
bool CellInEllipse(const SCellEllipse& ellipse, const CGridMap& map, int x, int y);

/// Appends the cells of the rule within the window, one run per row: each row solves the
/// ellipse's equation for its two crossings and the ends are confirmed cell by cell.
void AppendEllipseRuns(const SCellEllipse& ellipse, const CGridMap& map, const SIntRect& window,
                       std::vector<SCellRun>& runs);

/// The region of the rule within the map's region window (an empty region when no cell
/// belongs).
CRgn EllipseCellRgn(const SCellEllipse& ellipse, const CGridMap& map);
