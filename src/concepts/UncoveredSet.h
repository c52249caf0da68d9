#pragma once

#include "geometry/FCircle.h"
#include "geometry/FPolygon.h"
#include "geometry/GridMap.h"
#include "geometry/Rgn.h"

#include <QPoint>

#include <string>
#include <vector>

class CVotingGame;

/// One estimate of the uncovered set, searched for inside the Pareto set and a circle of 3.7
/// yolk radii about the yolk centre. The grid method compares the win sets of grid points by
/// inclusion; the BJS method evaluates four ever denser lattices under the majority relation of
/// distances.
class CUncoveredSetEstimator {
public:
    /// Sets up the search from the game's Pareto set and the given yolk; a grid size of 0 or
    /// less means 10.
    CUncoveredSetEstimator(CVotingGame& game, const CFCircle& yolk, int gridSize, int excludeYolk);

    /// The grid method's estimate; the game's status quo moves to every evaluated point.
    CRgn GridMethod();
    /// The BJS method's estimate; the status quo is left alone.
    CRgn BJSMethod();

    const CRgn& SearchRgn() const { return m_search; }
    const CRgn& YolkRgn() const { return m_yolkRgn; }
    int GridSize() const { return m_gridSize; }

private:
    struct SPointWinSet {
        QPoint cell;
        CRgn winSet;
    };
    std::vector<SPointWinSet> GridWinSets(int step);
    void AddWinSet(std::vector<SPointWinSet>& list, const CFPoint& point);
    CRgn CoveredSquares(const std::vector<SPointWinSet>& list, int step) const;
    bool EuclideanBody() const;
    /// The points of one BJS pass with n cells per side.
    std::vector<CFPoint> Lattice(int n) const;
    /// The lattice over the Pareto set's bounding box, for bodies whose yolk gives no scale.
    std::vector<CFPoint> ParetoLattice(int n) const;
    void EvaluatePass(const std::vector<CFPoint>& lattice, const std::string& prefix, double hx,
                      double hy, double quota);

    CVotingGame& m_game;
    CGridMap m_map;
    CRgn m_result;
    CRgn m_search;
    CFPolygon m_pareto;
    CFCircle m_yolk;
    CRgn m_yolkRgn;
    CFCircle m_outer;
    CRgn m_outerRgn;
    int m_gridSize = 10;
    int m_excludeYolk = 0;
};

/// Whether `a` beats `b` under the distance-based majority relation: the base votes of the
/// members strictly closer to a than to b reach the quota.
bool BeatsByDistance(const CVotingGame& game, const CFPoint& a, const CFPoint& b, double quota);

/// `beats[a][b]`: whether lattice point a beats lattice point b.
using BeatsTable = std::vector<std::vector<bool>>;

/// The distance-based majority relation over a lattice, from each point's squared distances
/// to the members worked out once; the same relation as `BeatsMatrixByPairs`.
BeatsTable BeatsMatrix(const CVotingGame& game, const std::vector<CFPoint>& lattice, double quota);
/// The relation pair by pair through `BeatsByDistance`; the reference for `BeatsMatrix`.
BeatsTable BeatsMatrixByPairs(const CVotingGame& game, const std::vector<CFPoint>& lattice,
                              double quota);

/// Which lattice points go uncovered: point x is covered when some other point m beats it and
/// every third point that beats m also beats x. `beats[a][b]` says whether a beats b.
std::vector<bool> UncoveredPoints(const BeatsTable& beats, const std::vector<bool>& accepted);
