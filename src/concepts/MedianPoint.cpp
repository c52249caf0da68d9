#include "concepts/MedianPoint.h"

#include "model/Member.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

/// The ideal point of the first member, walking the keyed members in the given order, at which
/// the summed votes reach the quota.
template <class Iterator> const CFPoint* QuotaPoint(Iterator first, Iterator last, double quota) {
    double sum = 0.0;
    for (Iterator it = first; it != last; ++it) {
        sum += it->second->EffectiveVote();
        if (sum >= quota)
            return &it->second->IdealPoint();
    }
    return nullptr;
}

} // namespace

CFPoint ProjectOntoLine(const CFLine& line, const CFPoint& point) {
    const CFPoint& d = line.GetDirection();
    const CFPoint& f = line.GetFoot();
    const double t = ((point.x - f.x) * d.x + (point.y - f.y) * d.y) / (d.x * d.x + d.y * d.y);
    return CFPoint(f.x + t * d.x, f.y + t * d.y);
}

CFPoint MedianPoint(const std::vector<CMember*>& members, double quota, const CFPoint& fallback,
                    const CFLine& line) {
    CFPoint lower = fallback;
    CFPoint upper = fallback;
    if (!members.empty()) {
        const double angle = line.GetAngle();
        const double c = std::cos(angle);
        const double s = std::sin(angle);
        std::vector<std::pair<double, const CMember*>> keyed;
        keyed.reserve(members.size());
        for (const CMember* member : members)
            keyed.emplace_back(member->IdealPoint().x * c + member->IdealPoint().y * s, member);
        std::stable_sort(keyed.begin(), keyed.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        if (const CFPoint* p = QuotaPoint(keyed.begin(), keyed.end(), quota))
            lower = ProjectOntoLine(line, *p);
        if (const CFPoint* p = QuotaPoint(keyed.rbegin(), keyed.rend(), quota))
            upper = ProjectOntoLine(line, *p);
    }
    return CFPoint((lower.x + upper.x) / 2, (lower.y + upper.y) / 2);
}

CFLine MedianLine(const std::vector<CMember*>& members, double quota, const CFPoint& fallback,
                  const CFLine& line) {
    return line.Perpendicular(MedianPoint(members, quota, fallback, line));
}
