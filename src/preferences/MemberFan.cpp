#include "preferences/MemberFan.h"

#include "model/Member.h"
#include "preferences/ExactSums.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

/// Sorts by key: into as many buckets as entries, then each bucket by itself, which is linear
/// for directions spread round the apex and never worse than a full sort. The scratch vectors
/// keep their storage between calls.
template <class Entry>
void SortByKey(std::vector<Entry>& entries, std::vector<Entry>& scratch,
               std::vector<std::size_t>& first) {
    const auto less = [](const Entry& a, const Entry& b) { return a.key < b.key; };
    const std::size_t m = entries.size();
    if (m < 64) {
        std::sort(entries.begin(), entries.end(), less);
        return;
    }
    const auto bucket = [m](double key) {
        return std::min(m - 1, static_cast<std::size_t>(key * static_cast<double>(m) / 4.0));
    };
    first.assign(m + 1, 0);
    for (const Entry& e : entries)
        ++first[bucket(e.key) + 1];
    for (std::size_t b = 0; b < m; ++b)
        first[b + 1] += first[b];
    scratch.resize(m);
    for (const Entry& e : entries)
        scratch[first[bucket(e.key)]++] = e;
    // Each bucket's start moved to the next bucket's start while filling.
    for (std::size_t b = m; b > 0; --b)
        first[b] = first[b - 1];
    first[0] = 0;
    // Most buckets hold one or two entries: those are put in order in place (keeping equal
    // keys in the order they came, as the library's sort does for so few).
    for (std::size_t b = 0; b < m; ++b) {
        const std::size_t from = first[b], to = first[b + 1];
        if (to - from > 16) {
            std::sort(scratch.begin() + static_cast<std::ptrdiff_t>(from),
                      scratch.begin() + static_cast<std::ptrdiff_t>(to), less);
            continue;
        }
        for (std::size_t i = from + 1; i < to; ++i) {
            const Entry e = scratch[i];
            std::size_t j = i;
            for (; j > from && e.key < scratch[j - 1].key; --j)
                scratch[j] = scratch[j - 1];
            scratch[j] = e;
        }
    }
    entries.swap(scratch);
}

} // namespace

CVoterSet::CVoterSet(const std::vector<CMember*>& members) {
    double absoluteTotal = 0.0;
    double left = std::numeric_limits<double>::infinity(), right = -left;
    double bottom = left, top = -left;
    for (std::size_t i = 0; i < members.size(); ++i) {
        const CMember* m = members[i];
        if (m->PrefType() == PREF_ABSTAIN)
            continue;
        const CFPoint& p = m->IdealPoint();
        m_voters.push_back({p.x, p.y, m->EffectiveVote(), static_cast<int>(i)});
        absoluteTotal += std::fabs(m->EffectiveVote());
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
    const double extent = m_voters.empty() ? 0.0 : std::max(right - left, top - bottom);
    if (!(extent > 0.0) || !std::isfinite(extent))
        return;
    m_extent = extent;
    m_near = 0.01 * extent;
    // Beyond the near distance on both the line and the voter, a voter whose direction lies
    // more than the window off the line has a cross product well past the 1e-8 side tolerance
    // (the key never grows faster than the angle; the rest covers rounding of keys and sums).
    m_window = SideWindow(m_near);
    std::vector<double> votes;
    for (const SVoter& v : m_voters) {
        votes.push_back(v.vote);
        m_nonNegative = m_nonNegative && v.vote >= 0.0;
    }
    if (!VotesAddUpExactly(votes)) {
        const double count = static_cast<double>(m_voters.size());
        m_sumError = 16.0 * (3.0 * count + 4.0) * std::numeric_limits<double>::epsilon() * 3.0 *
                     absoluteTotal;
    }
}

SSideWeights CVoterSet::WeighSides(const CFPoint& a, const CFPoint& b) const {
    SSideWeights w;
    const double ex = b.x - a.x, ey = b.y - a.y;
    for (const SVoter& v : m_voters) {
        const int side = SideOfLine(ex, ey, v.x - a.x, v.y - a.y);
        (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += v.vote;
    }
    return w;
}

void CMemberFan::Aim(double apexX, double apexY) {
    const double near2 = m_set.Near() * m_set.Near();
    m_onApex = 0.0;
    m_near.clear();
    m_entries.clear();
    for (const CVoterSet::SVoter& v : m_set.Voters()) {
        // The same differences as the member-by-member side test takes.
        const double vx = v.x - apexX, vy = v.y - apexY;
        if (vx == 0.0 && vy == 0.0)
            m_onApex += v.vote;
        else if (vx * vx + vy * vy < near2)
            m_near.push_back({0.0, vx, vy, v.vote, v.member});
        else
            m_entries.push_back({DirectionKey(vx, vy), vx, vy, v.vote, v.member});
    }
    SortByKey(m_entries, m_sorted, m_buckets);
    const std::size_t m = m_entries.size();
    m_turnKeys.resize(3 * m);
    m_sums.assign(3 * m + 1, 0.0);
    std::size_t at = 0;
    for (int turn = 0; turn < 3; ++turn) {
        const double shift = 4.0 * turn;
        for (const SEntry& e : m_entries) {
            m_turnKeys[at] = e.key + shift;
            m_sums[at + 1] = m_sums[at] + e.vote;
            ++at;
        }
    }
}

void CMemberFan::AddUnsettled(double ex, double ey, std::size_t from, std::size_t to,
                              SSideWeights& w) const {
    const std::size_t m = m_entries.size();
    for (std::size_t i = from; i < to; ++i) {
        const SEntry& e = m_entries[i % m];
        const int side = SideOfLine(ex, ey, e.vx, e.vy);
        (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += e.vote;
    }
}

template <class Next, class Done> void CMemberFan::Sweep(Next next, Done done) const {
    const double d = m_set.Window();
    const std::size_t end = m_turnKeys.size();
    const std::size_t m = m_entries.size();
    // The bounds only move forward as the keys grow. From b1 one whole turn follows: the
    // settled left side, the window about the opposite direction, the settled right side and
    // the window about the line's own direction, so each voter is counted exactly once.
    std::size_t b1 = 0, b2 = 0, b3 = 0, b4 = 0;
    double ex = 0.0, ey = 0.0, k = 0.0;
    while (next(ex, ey, k)) {
        while (b1 < end && m_turnKeys[b1] <= k + d)
            ++b1;
        while (b2 < end && m_turnKeys[b2] < k + 2.0 - d)
            ++b2;
        while (b3 < end && m_turnKeys[b3] <= k + 2.0 + d)
            ++b3;
        while (b4 < end && m_turnKeys[b4] < k + 4.0 - d)
            ++b4;
        SSideWeights w;
        w.positive = m_sums[b2] - m_sums[b1];
        w.negative = m_sums[b4] - m_sums[b3];
        w.on = m_onApex;
        AddUnsettled(ex, ey, b2, b3, w);
        AddUnsettled(ex, ey, b4, std::max(b4, b1 + m), w);
        for (const SEntry& e : m_near) {
            const int side = SideOfLine(ex, ey, e.vx, e.vy);
            (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += e.vote;
        }
        done(w);
    }
}

void CMemberFan::Weigh(std::vector<SQuery>& queries) {
    SortByKey(queries, m_sortedQueries, m_buckets);
    std::size_t at = 0;
    Sweep(
        [&](double& ex, double& ey, double& key) {
            if (at == queries.size())
                return false;
            ex = queries[at].ex;
            ey = queries[at].ey;
            key = queries[at].key;
            return true;
        },
        [&](const SSideWeights& w) { queries[at++].weights = w; });
}

void CMemberFan::WeighLinesToVoters(int after, std::vector<SSideWeights>& byMember,
                                    std::vector<int>& settled, std::vector<int>& unsettled) {
    for (const SEntry& e : m_near)
        if (e.member > after)
            unsettled.push_back(e.member);
    std::size_t at = 0;
    Sweep(
        [&](double& ex, double& ey, double& key) {
            while (at < m_entries.size() && m_entries[at].member <= after)
                ++at;
            if (at == m_entries.size())
                return false;
            ex = m_entries[at].vx;
            ey = m_entries[at].vy;
            key = m_entries[at].key;
            return true;
        },
        [&](const SSideWeights& w) {
            const int member = m_entries[at++].member;
            byMember[static_cast<std::size_t>(member)] = w;
            settled.push_back(member);
        });
}

void CMemberFan::PerpendicularCandidates(std::vector<int>& members) const {
    for (const CVoterSet::SVoter& v : m_set.Voters())
        members.push_back(v.member);
}
