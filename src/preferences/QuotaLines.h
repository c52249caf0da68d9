#pragma once

#include "geometry/FCircle.h"
#include "geometry/FLine.h"
#include "geometry/GridMap.h"

#include <vector>

class CMember;
class CVotingGame;

/// A line through two members' ideal points that splits the body so that a quota lies on each
/// closed side; qualified when the status quo's side lets the line bound the win set.
struct CQuotaLine {
    CFLineSeg segment;
    const CMember* memberA = nullptr;
    const CMember* memberB = nullptr;
    double voteTotal = 0.0;
    double quota = 0.0;
    bool quotaLine = false;
    bool qualified = false;

    /// The distance between the two ideal points.
    double Distance() const { return segment.GetLength(); }
    /// The ellipse with foci at the two ideal points and the given eccentricity.
    CFEllipse Ellipse(double eccentricity) const {
        return CFEllipse::FromFoci(segment.GetP1(), segment.GetP2(), eccentricity);
    }
};

/// Classifies the line through the segment's two points against the game's members, quota and
/// status quo, setting its flags; true when it is a quota line or qualified.
bool ClassifyQuotaLine(const CVotingGame& game, CQuotaLine& line);

/// The quota lines of the game's members under its decision rule, without repeats.
std::vector<CQuotaLine> FindQuotaLines(const CVotingGame& game);

/// The spokes of the status quo: perpendiculars to the quota lines and the qualifying
/// ideal-point spokes, with the greatest spoke length.
struct SSpokes {
    std::vector<CFLineSeg> spokes;
    double length = 0.0;
};

/// Builds the spokes from the quota lines and the members' ideal points.
SSpokes FindSpokes(const CVotingGame& game, const std::vector<CQuotaLine>& quotaLines);

/// Whether every spoke, lengthened by its own length beyond its start, lies in the window.
bool AreSpokesInside(const std::vector<CFLineSeg>& spokes, const SEdges& window);
