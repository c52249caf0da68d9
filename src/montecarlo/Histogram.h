#pragma once

#include <optional>
#include <utility>
#include <vector>

class CMember;

/// Which ideal-point coordinate a histogram counts, and along which chart axis it is drawn.
enum class EHistogramAxis { Horizontal, Vertical, Other };

/// One axis histogram: the values, the range, the number of bins and one count per bin.
struct SHistogram {
    std::vector<double> values;
    double min = 0.0;
    double max = 0.0;
    int bins = 1;
    std::vector<int> counts;
};

/// The values a histogram counts: each member's coordinate on the axis, repeated as many times
/// as its vote is multiple of the smallest vote (rounded half away from zero), so that members
/// who abstain contribute nothing. When the smallest vote is 0 it is taken as 1.
std::vector<double> HistogramValues(const std::vector<CMember*>& members, EHistogramAxis axis);

/// The number of bins along an axis: the chart's pixel extent divided by the cell size in
/// pixels, at least 1; any other orientation has one bin.
int HistogramBinCount(EHistogramAxis axis, int pixelExtent, int cellSize);

/// Counts values into equal bins over the range (or, without one, from the smallest to the
/// largest value). A value equal to the top counts in the last bin; values outside the range
/// (even by less than a bin width) are not counted; a range of no width counts everything in bin 0.
std::vector<int> BinValues(std::vector<double> values,
                           std::optional<std::pair<double, double>> range, int bins);

/// The members' histogram along an axis over the dimension's rating limits.
SHistogram MemberHistogram(const std::vector<CMember*>& members, EHistogramAxis axis,
                           double ratingMin, double ratingMax, int pixelExtent, int cellSize);
