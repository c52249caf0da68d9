#pragma once

#include "geometry/FPoint.h"
#include "geometry/GridMap.h"

#include <optional>
#include <vector>

class CMember;

/// The least-squares regression of the members' vertical on their horizontal coordinates,
/// v = a + b h, with its error estimates. Every field starts at 0.
struct SRegression {
    CFPoint mean{0.0, 0.0};
    double r = 0.0;
    double b = 0.0;
    double sigmaB = 0.0;
    double a = 0.0;
    double sigmaA = 0.0;
    /// The reduced chi-square.
    double chi = 0.0;
};

/// A line v = intercept + slope h.
struct SFitLine {
    double slope = 0.0;
    double intercept = 0.0;
};

/// Fits the ideal points of the members (every member once). With one member or none the line
/// is flat through 0 and `stats` keeps its previous values; otherwise every field of `stats`
/// is written. A zero spread of either coordinate is taken as 1e-7 (a very steep or flat line
/// rather than a failure).
SFitLine FitIdealPoints(const std::vector<CMember*>& members, SRegression& stats);

/// A drawable stretch of a line, in issue space.
struct SStatSegment {
    CFPoint from;
    CFPoint to;
};

/// The regression display: the regression line, the two slope-error lines through the mean
/// and the two corridor lines, each the stretch of its line across the chart's issue window,
/// or none when the line misses the window.
struct SRegressionDisplay {
    std::optional<SStatSegment> regression;
    std::optional<SStatSegment> slopeErrorUpper;
    std::optional<SStatSegment> slopeErrorLower;
    std::optional<SStatSegment> corridorUpper;
    std::optional<SStatSegment> corridorLower;
};

/// The stretch of v = intercept + slope h inside the window, kept only when both its ends lie
/// strictly inside the window widened by 0.001 on every side.
std::optional<SStatSegment> ClipStatLine(const SFitLine& line, const SEdges& window);

/// The five lines of the regression display across the window.
SRegressionDisplay RegressionDisplay(const SRegression& stats, const SEdges& window);
