#pragma once

#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <vector>

class CVotingGame;

/// A line of the cell plane: the points (x, y) with a x + b y = c, its unit normal (a, b)
/// turned into the half-turn [0, pi) (b > 0, or b = 0 and a > 0).
struct SCellLine {
    double a = 0.0;
    double b = 1.0;
    double c = 0.0;

    /// The line through two distinct points of the cell plane.
    static SCellLine Through(double x1, double y1, double x2, double y2);
    /// The signed distance of a point from the line (positive on the normal's side).
    double Offset(double x, double y) const { return a * x + b * y - c; }
};

/// The cells of a window that lie strictly inside a triangle whose three sides lie on three of
/// the lines (left <= x < right, top <= y < bottom); a cell within 1e-9 of a line counts as on
/// it, and lines through one point make no triangle. A point lies in such a triangle exactly
/// when the unit normals pointing from it to the lines it is not on fit in no closed half-plane
/// and take at least three directions; every cell is decided from which side of each line it
/// lies on, swept along each row, so no triangle is ever formed. Lines whose normals differ by
/// less than `parallel` radians count as parallel.
CRgn CellsEnclosedByLines(const std::vector<SCellLine>& lines, const SIntRect& window,
                          double parallel = 1e-9);

/// The game's quota lines carried into the cell plane of its grid map.
std::vector<SCellLine> QuotaLinesInCells(CVotingGame& game);
