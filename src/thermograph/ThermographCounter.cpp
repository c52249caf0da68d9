#include "thermograph/ThermographCounter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kUnitsPerVote = 1048576.0;

} // namespace

CWinSetCounter::CWinSetCounter(const SIntRect& device, std::vector<SCountedMember> members,
                               double quota)
    : m_device(device), m_members(std::move(members)), m_quota(quota),
      m_width(device.right - device.left), m_height(device.bottom - device.top) {
    double total = 0.0;
    for (SCountedMember& member : m_members) {
        const double units = member.vote * kUnitsPerVote;
        total += std::fabs(member.vote);
        if (member.probabilistic || !(std::fabs(units) < 4e15) || units != std::floor(units)) {
            m_exact = false;
            continue;
        }
        member.units = static_cast<std::int64_t>(units);
    }
    if (!(total * kUnitsPerVote < 4e15) || !(std::fabs(quota * kUnitsPerVote) < 4e15))
        m_exact = false;
    const std::size_t cells =
        static_cast<std::size_t>(std::max(m_height, 0)) * static_cast<std::size_t>(m_width + 1);
    m_diff.assign(cells, 0);
    m_vetoDiff.assign(cells, 0);
    m_rowLeft.assign(static_cast<std::size_t>(std::max(m_height, 0)), 0);
    m_rowRight.assign(m_rowLeft.size(), 0);
    m_rowWeight.assign(m_rowLeft.size(), -1);
}

long long CWinSetCounter::Count(const std::vector<CMemberRuns>& runs, const CGridMap& map) {
    if (m_width <= 0 || m_height < 0)
        return 0;
    const bool exact = m_exact && m_quota > 0.0;
    return exact ? CountExact(runs) : CountInOrder(runs, map);
}

void CWinSetCounter::Mark(const SCellRun& run, std::int64_t units, bool veto) {
    if (run.y < m_device.top || run.y >= m_device.bottom)
        return;
    const int x0 = std::max(run.x0, m_device.left) - m_device.left;
    const int x1 = std::min(run.x1, m_device.right) - m_device.left;
    if (x0 >= x1)
        return;
    const int row = run.y - m_device.top;
    const std::size_t base = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width + 1);
    std::int64_t& weight = m_rowWeight[static_cast<std::size_t>(row)];
    int& left = m_rowLeft[static_cast<std::size_t>(row)];
    int& right = m_rowRight[static_cast<std::size_t>(row)];
    if (weight < 0) {
        m_touched.push_back(row);
        weight = 0;
        left = x0;
        right = x1;
    }
    left = std::min(left, x0);
    right = std::max(right, x1);
    weight += units;
    m_diff[base + static_cast<std::size_t>(x0)] += units;
    m_diff[base + static_cast<std::size_t>(x1)] -= units;
    if (veto) {
        ++m_vetoDiff[base + static_cast<std::size_t>(x0)];
        --m_vetoDiff[base + static_cast<std::size_t>(x1)];
    }
}

int CWinSetCounter::VetoNeeded(const std::vector<CMemberRuns>& runs) const {
    int needed = 0;
    for (std::size_t i = 0; i < runs.size(); ++i)
        needed += (m_members[i].veto && runs[i].Valid()) ? 1 : 0;
    return needed;
}

bool CWinSetCounter::AddRow(const CMemberRuns& runs, const SCountedMember& member, int y,
                            std::size_t& cursor, const CGridMap& map) {
    const std::vector<SCellRun>& list = runs.Runs();
    while (cursor < list.size() && list[cursor].y < y)
        ++cursor;
    bool touched = false;
    const bool veto = member.veto && runs.Valid();
    for (; cursor < list.size() && list[cursor].y == y; ++cursor) {
        if (y >= m_device.bottom)
            continue;
        const int x0 = std::max(list[cursor].x0, m_device.left);
        const int x1 = std::min(list[cursor].x1, m_device.right);
        for (int x = x0; x < x1; ++x) {
            const std::size_t at = static_cast<std::size_t>(x - m_device.left);
            if (member.probabilistic)
                m_sums[at] += runs.Adopted().ProbabilisticVote(map.CellToWorld(x, y));
            else if (member.vote != 0.0)
                m_sums[at] += member.vote;
            m_cover[at] += veto ? 1 : 0;
        }
        touched = touched || x0 < x1;
    }
    return touched;
}

long long CWinSetCounter::CountRow(int row, std::int64_t needed) {
    const std::size_t base = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_width + 1);
    std::int64_t* diff = m_diff.data() + base;
    int* vetoDiff = m_vetoDiff.data() + base;
    const int left = m_rowLeft[static_cast<std::size_t>(row)];
    const int right = m_rowRight[static_cast<std::size_t>(row)];
    long long count = 0;
    if (m_rowWeight[static_cast<std::size_t>(row)] >= needed) {
        std::int64_t sum = 0;
        int cover = 0;
        for (int x = left; x < right; ++x) {
            sum += diff[x];
            cover += vetoDiff[x];
            count += (sum >= needed && cover == m_vetoNeeded) ? 1 : 0;
        }
    }
    std::fill(diff + left, diff + right + 1, 0);
    std::fill(vetoDiff + left, vetoDiff + right + 1, 0);
    m_rowWeight[static_cast<std::size_t>(row)] = -1;
    return count;
}

std::int64_t CWinSetCounter::NeededUnits() const {
    return static_cast<std::int64_t>(std::ceil(m_quota * kUnitsPerVote));
}

long long CWinSetCounter::CountExact(const std::vector<CMemberRuns>& runs) {
    const std::int64_t needed = NeededUnits();
    m_touched.clear();
    m_vetoNeeded = VetoNeeded(runs);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const SCountedMember& member = m_members[i];
        const bool veto = member.veto && runs[i].Valid();
        if (member.units == 0 && !veto)
            continue;
        for (const SCellRun& run : runs[i].Runs())
            Mark(run, member.units, veto);
    }
    long long count = 0;
    for (const int row : m_touched)
        count += CountRow(row, needed);
    return count;
}

long long CWinSetCounter::CountInOrder(const std::vector<CMemberRuns>& runs, const CGridMap& map) {
    m_sums.assign(static_cast<std::size_t>(m_width), 0.0);
    m_cover.assign(static_cast<std::size_t>(m_width), 0);
    std::vector<std::size_t> cursor(runs.size(), 0);
    // Rows no run reaches hold only zeros; they are visited when zero reaches the quota. The
    // grid's last row, below the device rectangle, is one of them.
    const int needed = VetoNeeded(runs);
    const bool zeroCounts = 0.0 >= m_quota && needed == 0;
    long long count = 0;
    for (int y = m_device.top; y <= m_device.bottom; ++y) {
        bool touched = false;
        for (std::size_t i = 0; i < runs.size(); ++i)
            touched = AddRow(runs[i], m_members[i], y, cursor[i], map) || touched;
        if (!touched) {
            count += zeroCounts ? m_width : 0;
            continue;
        }
        const int needed = VetoNeeded(runs);
        for (int x = 0; x < m_width; ++x) {
            count += (m_sums[static_cast<std::size_t>(x)] >= m_quota &&
                      m_cover[static_cast<std::size_t>(x)] == needed)
                         ? 1
                         : 0;
            m_sums[static_cast<std::size_t>(x)] = 0.0;
            m_cover[static_cast<std::size_t>(x)] = 0;
        }
    }
    return count;
}
