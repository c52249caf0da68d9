#pragma once

#include "geometry/EllipseCells.h"
#include "geometry/GridMap.h"

#include <optional>
#include <utility>

class CMember;

/// A member's preferred-to cells row by row, found from its preference without building its
/// region, for the members whose region is exactly one shape's cells: trade-off and
/// expected-utility members with exact ellipses (the ellipse's rows, found as the region's
/// builder finds them) and independent members (their rectangle), none of them under a
/// rationality model. A shape without a cell in the region window becomes the marker of the
/// ideal point's cell in the region; rows without cells cannot tell that case, so a caller
/// that finds no cell in the rows it looks at asks the region.
class CMemberRows {
public:
    /// The rows of the member about its own status quo and map; not usable for other members.
    explicit CMemberRows(const CMember& member);

    /// Whether the member's cells are found here.
    bool Usable() const { return m_kind != EKind::None; }
    /// The rows that can hold cells, Top() .. Bottom() (none when Top() > Bottom()).
    int Top() const;
    int Bottom() const;
    /// The columns lo .. hi of row y, those the region holds when some row holds a cell
    /// (lo > hi for none).
    std::pair<int, int> Columns(int y) const;

    /// Whether the member's region holds the cell, where the rows can tell: a cell of the
    /// shape, or any other cell when the shape surely holds some cell (the region is then the
    /// shape's). Empty for other members and where only the region can tell.
    std::optional<bool> Holds(int x, int y) const;

private:
    enum class EKind { None, Ellipse, Rectangle };

    EKind m_kind = EKind::None;
    /// The row of the ideal point's cell, the ellipse's middle row.
    int m_middleRow = 0;
    std::optional<CEllipseRows> m_ellipse;
    SIntRect m_rectangle;
};

/// Whether the member's region is one shape's cells that CMemberRows finds.
bool HasShapeRows(const CMember& member);
