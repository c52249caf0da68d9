#pragma once

#include "geometry/FPoint.h"
#include "geometry/Rgn.h"

#include <QPoint>

#include <functional>
#include <vector>

class CVotingGame;

/// A Banks chain grown from a start point: each new point, drawn at random from the region
/// where it beats every earlier point, defeats them all; the chain stops when that region is
/// no larger than the resolution (in cells of its bounding box) or stops shrinking.
std::vector<CFPoint> FindBanksChain(CVotingGame& game, const CFPoint& start, int resolution);

/// The Banks set: a dot at the end of each of `chains` chains from random points of the chart
/// (values of 0 or less mean 1, as does a resolution of 0 or less).
CRgn FindBanksSetRgn(CVotingGame& game, int chains, int resolution);

/// One painted step of the interactive Banks chain: the nested region after the step and its
/// fill colour.
struct SBanksChainFill {
    QPoint point;
    CRgn region;
    int blue = 0;
    int green = 0;
    int red = 0;
};

/// What the chart paints for a click in Banks chain mode: the regions to fill in order and the
/// start and last point of the line drawn between them.
struct SBanksChainDisplay {
    QPoint start;
    QPoint last;
    std::vector<SBanksChainFill> fills;
};

/// Grows the interactive chain from a clicked cell. `uniform` is the shared uniform generator,
/// restarted at its fixed seed by the caller, that picks each fill colour (blue, green, red).
SBanksChainDisplay BuildBanksChainDisplay(CVotingGame& game, const QPoint& start, int resolution,
                                          const std::function<double()>& uniform);
