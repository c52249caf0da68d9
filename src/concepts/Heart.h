#pragma once

#include "geometry/Rgn.h"

class CVotingGame;

/// The heart: under a super-majority with a non-empty core, the core clipped to the Pareto
/// set; otherwise the union of the triangles bounded by three quota lines, clipped to the
/// Pareto set.
class CHeart {
public:
    /// Rebuilds the region (core samples for the super-majority case); a game without members
    /// leaves it as it was.
    void Find(CVotingGame& game, int samples);

    /// The region; it holds none before the first computation.
    const CRgn& Rgn() const { return m_rgn; }

private:
    void FindFromTriangles(CVotingGame& game);

    CRgn m_rgn;
};

/// The union of the grid triangles bounded by every three of the game's quota lines, counted
/// only inside `window` (triangles outside it are not needed by the caller).
CRgn QuotaLineTriangles(CVotingGame& game, const SIntRect& window);
