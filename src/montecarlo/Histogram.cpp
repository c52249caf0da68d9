#include "montecarlo/Histogram.h"

#include "model/Member.h"

#include <algorithm>
#include <cmath>

std::vector<double> HistogramValues(const std::vector<CMember*>& members, EHistogramAxis axis) {
    std::vector<double> values;
    if (members.empty())
        return values;
    double smallest = members.front()->EffectiveVote();
    for (const CMember* member : members)
        smallest = std::min(smallest, member->EffectiveVote());
    if (smallest == 0.0)
        smallest = 1.0;
    for (const CMember* member : members) {
        const CFPoint& p = member->IdealPoint();
        const double coordinate = axis == EHistogramAxis::Vertical ? p.y : p.x;
        const double times = std::round(member->EffectiveVote() / smallest);
        for (double k = 0.0; k < times; k += 1.0)
            values.push_back(coordinate);
    }
    return values;
}

int HistogramBinCount(EHistogramAxis axis, int pixelExtent, int cellSize) {
    if (axis == EHistogramAxis::Other || cellSize <= 0)
        return 1;
    return std::max(1, pixelExtent / cellSize);
}

std::vector<int> BinValues(std::vector<double> values,
                           std::optional<std::pair<double, double>> range, int bins) {
    bins = std::max(bins, 1);
    std::vector<int> counts(static_cast<size_t>(bins), 0);
    if (values.empty())
        return counts;
    std::sort(values.begin(), values.end());
    double min = values.front();
    double max = values.back();
    if (range) {
        min = std::min(range->first, range->second);
        max = std::max(range->first, range->second);
    }
    const double width = (max - min) / bins;
    if (!(width > 0.0)) {
        counts[0] = static_cast<int>(values.size());
        return counts;
    }
    for (const double x : values) {
        // Truncation alone would count values up to a bin width outside the range in the
        // first or last bin: only values within the range are counted.
        if (!(x >= min && x <= max))
            continue;
        const double index = std::trunc((x - min) / width);
        ++counts[static_cast<size_t>(std::min(index, static_cast<double>(bins - 1)))];
    }
    return counts;
}

SHistogram MemberHistogram(const std::vector<CMember*>& members, EHistogramAxis axis,
                           double ratingMin, double ratingMax, int pixelExtent, int cellSize) {
    SHistogram histogram;
    histogram.values = HistogramValues(members, axis);
    histogram.min = std::min(ratingMin, ratingMax);
    histogram.max = std::max(ratingMin, ratingMax);
    histogram.bins = HistogramBinCount(axis, pixelExtent, cellSize);
    histogram.counts =
        BinValues(histogram.values, std::make_pair(ratingMin, ratingMax), histogram.bins);
    return histogram;
}
