#include "preferences/BucketFan.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

/// A power of two near a quarter of the voters (so the buckets beside a line hold a handful of
/// voters each), at least 16 so that the sure sides and the six unsure buckets never overlap.
std::size_t BucketCount(std::size_t voters) {
    return std::clamp<std::size_t>(std::bit_ceil(voters / 4 + 1), 16, std::size_t{1} << 14);
}

/// Voters closer than this to the apex are weighed one by one; a thousandth of the body's
/// extent keeps the side window far inside a bucket while few voters come that close.
double FineNear(const CVoterSet& voters) {
    return 1e-3 * voters.Extent();
}

void AddSide(double ex, double ey, double vx, double vy, double vote, SSideWeights& w) {
    const int side = SideOfLine(ex, ey, vx, vy);
    (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += vote;
}

} // namespace

bool CBucketFan::Fits(const CVoterSet& voters) {
    const double extent = voters.Extent();
    if (voters.SumError() != 0.0 || !voters.VotesNonNegative() || !(extent > 0.0) ||
        !std::isfinite(extent))
        return false;
    // A bucket is 4 / count wide in the direction measure; the proof that the buckets two
    // away from a line's own lie clear of its side window needs the window well inside one.
    const double width = 4.0 / static_cast<double>(BucketCount(voters.Voters().size()));
    return SideWindow(FineNear(voters)) < width / 8.0;
}

CBucketFan::CBucketFan(const CVoterSet& voters, double quota, double total)
    : m_set(voters), m_quota(quota), m_total(total), m_count(BucketCount(voters.Voters().size())),
      m_scale(static_cast<double>(m_count) / 4.0), m_near2(FineNear(voters) * FineNear(voters)),
      m_bucketOf(voters.Voters().size(), -1), m_previousVoter(voters.Voters().size(), -1),
      m_weight(m_count), m_voterCount(m_count), m_lastVoter(m_count, -1),
      m_running(2 * m_count + 1), m_open(m_count), m_needed(m_count), m_across(m_count),
      m_first(m_count + 1) {
    // A perpendicular is drawn from rounded coordinates: its direction is off by at most a
    // few units in the last place of the largest coordinate over its length (at least the near
    // distance), and so its length by no more than that share of the near distance.
    const double slack = 1.0 + 4.0 / static_cast<double>(m_count);
    m_nearVoter2 = m_near2 * slack * slack;
    for (const CVoterSet::SVoter& v : voters.Voters()) {
        m_xs.push_back(v.x);
        m_ys.push_back(v.y);
        m_votes.push_back(v.vote);
        m_reach = std::max({m_reach, std::fabs(v.x), std::fabs(v.y)});
    }
}

std::size_t CBucketFan::BucketOf(double key) const {
    return std::min(m_count - 1, static_cast<std::size_t>(static_cast<int>(key * m_scale)));
}

bool CBucketFan::Sure(std::size_t b, SSideWeights& w) const {
    const std::size_t half = m_count / 2;
    w.positive = m_running[b + half - 1] - m_running[b + 2];
    w.negative = m_running[b + m_count - 1] - m_running[b + half + 2];
    w.on = 0.0;
    return MayBeQuotaLine(w, m_quota, m_total);
}

void CBucketFan::Aim(double apexX, double apexY) {
    m_apexX = apexX;
    m_apexY = apexY;
    m_onApex = 0.0;
    m_nearVoters.clear();
    const std::size_t n = m_xs.size();
    const int last = static_cast<int>(m_count) - 1;
    // The same differences as the member-by-member side test takes. Nothing here branches
    // on the voter but the rare near test, so the keys of many voters are worked at once.
    for (std::size_t i = 0; i < n; ++i) {
        const double vx = m_xs[i] - apexX, vy = m_ys[i] - apexY;
        // Keys are never negative, so truncation is the floor; the scale is a power of two,
        // so the bucket is exactly the one whose range holds the key, and a key of 4 (a
        // rounded direction just below +x) joins the last bucket.
        const int b = std::min(last, static_cast<int>(DirectionKey(vx, vy) * m_scale));
        m_bucketOf[i] = vx * vx + vy * vy < m_nearVoter2 ? -1 : b;
    }
    // The perpendicular's components are rounded twice from values up to three times the
    // reach; its direction measure moves by less than 16 units in the last place of the reach
    // over the near distance, which must stay under a quarter of a bucket (4 / count wide).
    const double reach = std::max({m_reach, std::fabs(apexX), std::fabs(apexY)});
    m_perpendicularsBounded =
        64.0 * std::numeric_limits<double>::epsilon() * reach * static_cast<double>(m_count) <
        std::sqrt(m_near2);
    std::fill(m_weight.begin(), m_weight.end(), 0.0);
    std::fill(m_voterCount.begin(), m_voterCount.end(), 0);
    std::fill(m_lastVoter.begin(), m_lastVoter.end(), -1);
    for (std::size_t i = 0; i < n; ++i) {
        const int b = m_bucketOf[i];
        if (b >= 0) {
            const auto bucket = static_cast<std::size_t>(b);
            m_weight[bucket] += m_votes[i];
            ++m_voterCount[bucket];
            m_previousVoter[i] = m_lastVoter[bucket];
            m_lastVoter[bucket] = static_cast<int>(i);
        } else {
            AddNear(i);
        }
    }
    OpenBuckets();
    File();
}

void CBucketFan::AddNear(std::size_t i) {
    const double vx = m_xs[i] - m_apexX, vy = m_ys[i] - m_apexY;
    if (vx == 0.0 && vy == 0.0)
        m_onApex += m_votes[i];
    else
        m_nearVoters.push_back({vx, vy, m_votes[i], m_set.Voters()[i].member});
}

void CBucketFan::OpenBuckets() {
    // The count is a power of two (wrapping round the turn is a mask) and a multiple of 8.
    const std::size_t mask = m_count - 1, half = m_count / 2, quarter = m_count / 4;
    for (std::size_t i = 0; i < m_count; ++i)
        m_running[i + 1] = m_running[i] + m_weight[i];
    // Every partial sum of the votes is exact (the fan takes no other body), so the second
    // turn is the whole turn plus the first, to the last bit.
    const double turn = m_running[m_count];
    for (std::size_t i = 1; i <= m_count; ++i)
        m_running[m_count + i] = turn + m_running[i];
    // Sure's sums and test for every bucket at once, free of branches.
    const double rest = m_total - m_quota;
    for (std::size_t b = 0; b < m_count; ++b) {
        const double positive = m_running[b + half - 1] - m_running[b + 2];
        const double negative = m_running[b + m_count - 1] - m_running[b + half + 2];
        m_open[b] = static_cast<char>(((positive < m_quota) & (negative <= rest)) |
                                      ((positive <= rest) & (negative < m_quota)));
    }
    // A voter's perpendicular lies a quarter turn on (or three quarters: the opposite bucket,
    // which is open exactly when this one is), give or take one bucket.
    for (std::size_t b = 0; b < m_count; ++b) {
        const std::size_t across = b + quarter + m_count;
        m_across[b] =
            m_open[(across - 1) & mask] | m_open[across & mask] | m_open[(across + 1) & mask];
    }
    m_needed = m_across;
    // Few buckets are open: eight flags are skipped at a time.
    for (std::size_t from = 0; from < m_count; from += 8) {
        std::uint64_t eight = 0;
        std::memcpy(&eight, &m_open[from], sizeof eight);
        if (eight == 0)
            continue;
        for (std::size_t b = from; b < from + 8; ++b)
            if (m_open[b])
                for (std::size_t end : {b, b + half})
                    for (std::size_t k = end + m_count - 1; k <= end + m_count + 1; ++k)
                        m_needed[k & mask] = 1;
    }
}

void CBucketFan::File() {
    m_first[0] = 0;
    for (std::size_t b = 0; b < m_count; ++b)
        m_first[b + 1] = m_first[b] + (m_needed[b] ? m_voterCount[b] : 0);
    m_filed.resize(m_first[m_count]);
    const std::vector<CVoterSet::SVoter>& voters = m_set.Voters();
    // Each needed bucket's chain runs from its last voter back to its first, so it is filed
    // from the end of its places: in voter order.
    for (std::size_t b = 0; b < m_count; ++b) {
        if (!m_needed[b])
            continue;
        std::size_t at = m_first[b + 1];
        for (int i = m_lastVoter[b]; i >= 0; i = m_previousVoter[static_cast<std::size_t>(i)]) {
            const auto v = static_cast<std::size_t>(i);
            m_filed[--at] = {m_xs[v] - m_apexX, m_ys[v] - m_apexY, m_votes[v], voters[v].member};
        }
    }
}

void CBucketFan::AddUnsure(double ex, double ey, std::size_t bucket, SSideWeights& w) const {
    for (std::size_t end : {bucket, bucket + m_count / 2}) {
        for (std::size_t k = end + m_count - 1; k <= end + m_count + 1; ++k) {
            const std::size_t b = k & (m_count - 1);
            for (std::size_t i = m_first[b]; i < m_first[b + 1]; ++i)
                AddSide(ex, ey, m_filed[i].vx, m_filed[i].vy, m_filed[i].vote, w);
        }
    }
    for (const SFiled& v : m_nearVoters)
        AddSide(ex, ey, v.vx, v.vy, v.vote, w);
}

SSideWeights CBucketFan::WeighAll(double ex, double ey) const {
    SSideWeights w;
    for (std::size_t i = 0; i < m_xs.size(); ++i)
        AddSide(ex, ey, m_xs[i] - m_apexX, m_ys[i] - m_apexY, m_votes[i], w);
    return w;
}

SSideWeights CBucketFan::Answer(double ex, double ey, std::size_t bucket) const {
    if (ex * ex + ey * ey < m_near2)
        return WeighAll(ex, ey);
    SSideWeights w;
    if (!Sure(bucket, w))
        return w;
    w.on = m_onApex;
    AddUnsure(ex, ey, bucket, w);
    return w;
}

void CBucketFan::Weigh(std::vector<SQuery>& queries) {
    for (SQuery& query : queries)
        query.weights = Answer(query.ex, query.ey, BucketOf(DirectionKey(query.ex, query.ey)));
}

void CBucketFan::WeighLinesToVoters(int after, std::vector<SSideWeights>& byMember,
                                    std::vector<int>& settled, std::vector<int>& unsettled) {
    // Only the lines to voters in open buckets may be quota lines; those voters are filed.
    for (std::size_t b = 0; b < m_count; ++b) {
        if (!m_open[b])
            continue;
        for (std::size_t i = m_first[b]; i < m_first[b + 1]; ++i) {
            const SFiled& v = m_filed[i];
            if (v.member <= after)
                continue;
            byMember[static_cast<std::size_t>(v.member)] = Answer(v.vx, v.vy, b);
            settled.push_back(v.member);
        }
    }
    for (const SFiled& v : m_nearVoters)
        if (v.member > after)
            unsettled.push_back(v.member);
}

void CBucketFan::PerpendicularCandidates(std::vector<int>& members) const {
    if (!m_perpendicularsBounded) {
        for (const CVoterSet::SVoter& v : m_set.Voters())
            members.push_back(v.member);
        return;
    }
    for (std::size_t b = 0; b < m_count; ++b)
        if (m_across[b])
            for (std::size_t i = m_first[b]; i < m_first[b + 1]; ++i)
                members.push_back(m_filed[i].member);
    for (const SFiled& v : m_nearVoters)
        members.push_back(v.member);
}

std::unique_ptr<CApexFan> MakeApexFan(const CVoterSet& voters, double quota, double total,
                                      EApexFan kind) {
    if (kind == EApexFan::Best && CBucketFan::Fits(voters))
        return std::make_unique<CBucketFan>(voters, quota, total);
    return std::make_unique<CMemberFan>(voters);
}
