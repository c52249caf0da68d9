#pragma once

#include "geometry/FTriangle.h"
#include "preferences/PairPerpendiculars.h"
#include "preferences/QuotaLines.h"

#include <array>
#include <vector>

class CVotingGame;

/// The yolk: the smallest circle meeting every quota line, with the triangle of quota lines
/// whose incircle it is and the ideal points of members whose added lines took part. An empty
/// yolk has a cleared triangle, centre (0, 0) and radius 0.
struct SYolk {
    CFTriangle triangle;
    std::vector<CFPoint> extraPoints;
    CFPoint center;
    double radius = 0.0;
};

/// How the yolk is searched.
enum class EYolkSearch {
    /// Every triple of lines in list order, and every pair of members weighed against every
    /// member in the second pass (the reference).
    Plain,
    /// The smallest circle meeting every line first, then only the triples whose lines touch
    /// it; the second pass by direction sweeps.
    Pruned,
};

/// The winning triple of quota lines: the first in list order with the greatest radius.
struct SYolkTriangle {
    bool found = false;
    CFTriangle triangle;
    double radius = 0.0;
    std::array<int, 3> lines{};
};

/// The radius a triangle of three quota lines gives the yolk: the inradius, or half the width
/// between its parallel sides; negative when the triangle is degenerate.
double YolkTriangleRadius(const CFTriangle& triangle, const CFLineSeg& l0, const CFLineSeg& l1,
                          const CFLineSeg& l2);

/// The triangle of quota lines with the greatest yolk radius (ties go to the first triple).
SYolkTriangle FindYolkTriangle(const std::vector<CQuotaLine>& lines, EYolkSearch search);

/// The members ranked by power for the second pass, highest first (the power index over 67
/// directions, computed only when stale).
constexpr int kYolkPowerDirections = 67;
constexpr double kYolkPowerOffset = 0.11;

/// Builds the yolk from the game's quota lines; lines that the second pass adds are appended to
/// `lines` (the game's list). The pruned search of an even body takes its pair tests from
/// `pairs` when that record fits the body's ranking, and otherwise sweeps them and leaves the
/// record there for the next time.
void FindYolk(CVotingGame& game, std::vector<CQuotaLine>& lines, SYolk& yolk,
              EYolkSearch search = EYolkSearch::Pruned, SPairPerpendiculars* pairs = nullptr);
