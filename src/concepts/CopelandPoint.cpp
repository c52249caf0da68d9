#include "concepts/CopelandPoint.h"

#include "model/Member.h"

namespace {

/// The mean of the ideal points weighted by `weight`; the fallback when the weights sum to 0.
template <class Weight>
CFPoint WeightedMean(const std::vector<CMember*>& members, Weight weight, const CFPoint& fallback) {
    double x = 0.0, y = 0.0, sum = 0.0;
    for (size_t i = 0; i < members.size(); ++i) {
        const double w = weight(i);
        x += w * members[i]->IdealPoint().x;
        y += w * members[i]->IdealPoint().y;
        sum += w;
    }
    if (sum == 0.0)
        return fallback;
    return CFPoint(x / sum, y / sum);
}

} // namespace

CFPoint CopelandPoint(const std::vector<CMember*>& members, const std::vector<double>& power,
                      const CFPoint& fallback) {
    const CFPoint mean = WeightedMean(
        members, [](size_t) { return 1.0; }, fallback);
    if (members.size() < 3 || power.size() != members.size())
        return mean;
    return WeightedMean(
        members, [&power](size_t i) { return power[i]; }, mean);
}

CFPoint BordaPoint(const std::vector<CMember*>& members, const CFPoint& fallback) {
    return WeightedMean(
        members,
        [&members](size_t i) { return members[i]->PrefType() == PREF_ABSTAIN ? 0.0 : 1.0; },
        fallback);
}
