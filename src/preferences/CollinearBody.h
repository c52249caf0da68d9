#pragma once

#include "geometry/FPoint.h"
#include "geometry/Rgn.h"

#include <optional>
#include <utility>
#include <vector>

class CGridMap;
class CVotingGame;

/// A body whose voting members' ideal points all lie on one line, or all at one point: the
/// degenerate case in which no triangle of members, no convex hull with an inside and no pair
/// of distinct quota lines exists, so the general estimators have nothing to work on.
struct SCollinearBody {
    /// The first ideal point and the unit direction of the line (zero when all coincide).
    CFPoint origin;
    CFPoint direction;
    /// One distinct position along the line: how far along, the votes of the members there and
    /// the ideal point of the first of them.
    struct SPosition {
        double t = 0.0;
        double votes = 0.0;
        CFPoint point;
    };
    /// The distinct positions, in order along the line.
    std::vector<SPosition> positions;

    bool Coincident() const { return positions.size() == 1; }
};

/// The body of points with their votes when they are collinear or coincident; none for three
/// points off one line, or no points.
std::optional<SCollinearBody>
CollinearPoints(const std::vector<std::pair<CFPoint, double>>& points);

/// The body of the game's voting members (abstaining members have no ideal point that counts)
/// when their ideal points are collinear or coincident; none for a body with three members off
/// one line, or without voting members.
std::optional<SCollinearBody> CollinearBody(const CVotingGame& game);

/// The median member: the first position at which the members up to it hold at least half of
/// the votes.
CFPoint CollinearMedian(const SCollinearBody& body);

/// The core of a collinear body under the quota: the stretch of the line on which no side
/// holds a quota of votes, as its first and last point; none when every point of the line is
/// beaten. Off the line every point is beaten by its projection, which all members prefer.
std::optional<std::pair<CFPoint, CFPoint>> CollinearCore(const SCollinearBody& body, double quota);

/// The cells of the chart the segment from a to b passes through; a single cell when the
/// segment is a point.
CRgn SegmentCells(const CGridMap& map, const CFPoint& a, const CFPoint& b);

/// The cells of a collinear body's core under the quota (see CollinearCore); an empty region
/// when every point is beaten.
CRgn CollinearCoreCells(const SCollinearBody& body, double quota, const CGridMap& map);
