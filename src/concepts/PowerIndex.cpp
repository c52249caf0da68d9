#include "concepts/PowerIndex.h"

#include "concepts/MedianPoint.h"
#include "model/Member.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

/// A member's projection onto a direction's line.
struct SProjection {
    double position = 0.0;
    size_t member = 0;
};

/// Walks the projections in order until the votes reach the quota; the pivot and every member
/// tied with it further along the walk gain a point. Returns the points given.
template <class Iterator>
int Walk(Iterator first, Iterator last, const std::vector<CMember*>& members, double quota,
         std::vector<double>& power) {
    double sum = 0.0;
    for (Iterator it = first; it != last; ++it) {
        sum += members[it->member]->EffectiveVote();
        if (sum < quota)
            continue;
        int points = 0;
        for (Iterator tie = it; tie != last && std::fabs(tie->position - it->position) < 1e-7;
             ++tie) {
            power[tie->member] += 1.0;
            ++points;
        }
        return points;
    }
    return 0;
}

} // namespace

void CPowerIndex::Find(const std::vector<CMember*>& members, double quota, int directions,
                       double offset) {
    const int a = std::max(directions, 2);
    m_power.assign(members.size(), 0.0);
    if (members.empty())
        return;
    CFPoint centre;
    for (const CMember* member : members) {
        centre.x += member->IdealPoint().x;
        centre.y += member->IdealPoint().y;
    }
    centre.x /= static_cast<double>(members.size());
    centre.y /= static_cast<double>(members.size());
    double total = 0.0;
    std::vector<SProjection> projections(members.size());
    for (int h = 0; h < a; ++h) {
        const CFLine line = CFLine::FromPointAngle(centre, h * std::numbers::pi / a + offset);
        for (size_t i = 0; i < members.size(); ++i) {
            const CFPoint p = ProjectOntoLine(line, members[i]->IdealPoint());
            projections[i] = {line.IsVertical() ? p.y : p.x, i};
        }
        std::stable_sort(
            projections.begin(), projections.end(),
            [](const SProjection& l, const SProjection& r) { return l.position < r.position; });
        total += Walk(projections.begin(), projections.end(), members, quota, m_power);
        total += Walk(projections.rbegin(), projections.rend(), members, quota, m_power);
    }
    if (total == 0.0)
        total = 1.0;
    for (double& value : m_power)
        value /= total;
}

double CPowerIndex::PowerOf(const CMember* member, const std::vector<CMember*>& members) const {
    const auto it = std::find(members.begin(), members.end(), member);
    if (it == members.end())
        return 0.0;
    const auto index = static_cast<size_t>(it - members.begin());
    return index < m_power.size() ? m_power[index] : 0.0;
}

std::vector<SMemberPower> CPowerIndex::Ranked(const std::vector<CMember*>& members,
                                              bool ascending) const {
    std::vector<SMemberPower> ranked;
    ranked.reserve(members.size());
    for (size_t i = 0; i < members.size(); ++i)
        ranked.push_back({members[i], i < m_power.size() ? m_power[i] : 0.0, static_cast<int>(i)});
    std::stable_sort(ranked.begin(), ranked.end(),
                     [ascending](const SMemberPower& l, const SMemberPower& r) {
                         return ascending ? l.power < r.power : l.power > r.power;
                     });
    return ranked;
}
