#pragma once

#include "geometry/Rgn.h"

class CVotingGame;

/// How the heart decides which cells a triangle of three quota lines holds.
enum class EHeartCells {
    /// Each corner is carried to its cell first and the grid triangle of the three cells is
    /// filled: the game's heart.
    CornerCells,
    /// A cell belongs when its centre lies strictly inside the triangle itself; no corner is
    /// moved, so long thin triangles add no cells their sides never reach.
    StrictlyInside,
};

/// The heart: under a super-majority with a non-empty core, the core clipped to the Pareto
/// set; otherwise the union of the triangles bounded by three quota lines, clipped to the
/// Pareto set.
class CHeart {
public:
    /// Rebuilds the region (core samples for the super-majority case); a game without members
    /// leaves it as it was.
    void Find(CVotingGame& game, int samples, EHeartCells cells = EHeartCells::CornerCells);

    /// The region; it holds none before the first computation.
    const CRgn& Rgn() const { return m_rgn; }

private:
    void FindFromTriangles(CVotingGame& game, EHeartCells cells);

    CRgn m_rgn;
};

/// The union of the grid triangles bounded by every three of the game's quota lines, counted
/// only inside `window` (triangles outside it are not needed by the caller).
CRgn QuotaLineTriangles(CVotingGame& game, const SIntRect& window);

/// The heart with the triangles' cells taken strictly inside (EHeartCells::StrictlyInside):
/// computed afresh on every call, without touching the game's heart. Its work grows with the
/// quota lines times the cells, not with every triple of lines.
CRgn ExactHeartRgn(CVotingGame& game, int samples);
