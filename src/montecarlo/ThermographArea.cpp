#include "montecarlo/ThermographArea.h"

#include "montecarlo/ThermographTrial.h"

#include <tuple>

CWinSetRowCounter::CWinSetRowCounter(const SIntRect& device, const CGridMap& map,
                                     std::vector<SUnitMember> members, std::int64_t needed)
    : m_device(device), m_width(std::max(device.right - device.left, 0)),
      m_height(std::max(device.bottom - device.top, 0)), m_members(std::move(members)),
      m_needed(needed) {
    // Skipping rows by the units that reach them holds only when no vote takes units away.
    for (const SUnitMember& member : m_members)
        m_pruneRows = m_pruneRows && member.units >= 0;
    for (int y = device.top; y < device.bottom; ++y)
        m_rowY.push_back(map.CellToWorld(0, y).y);
    m_reach.assign(static_cast<std::size_t>(m_height) + 1, 0);
    m_vetoReach.assign(m_reach.size(), 0);
    m_diff.assign(static_cast<std::size_t>(m_width) + 1, 0);
    m_vetoDiff.assign(m_diff.size(), 0);
}

std::pair<int, int> CWinSetRowCounter::ReachedRows(CTrialMembers& trial, std::size_t i) const {
    int first = 0, last = -1;
    if (trial.FromRows(i)) {
        first = trial.Rows(i).Top();
        last = trial.Rows(i).Bottom();
    } else if (!trial.Runs(i).Runs().empty()) {
        first = trial.Runs(i).Runs().front().y;
        last = trial.Runs(i).Runs().back().y;
    }
    return {std::max(first, m_device.top) - m_device.top,
            std::min(last, m_device.bottom - 1) - m_device.top};
}

void CWinSetRowCounter::MarkRow(CTrialMembers& trial, int y) {
    const double rowY = m_rowY[static_cast<std::size_t>(y - m_device.top)];
    // The quick columns are cut to the device at once, which marks the same cells as cutting
    // them to the window first.
    m_quick.Row(y, rowY, m_device.left, m_device.right);
    // The marks of the quick members in locals, which the compiler keeps in registers.
    std::int64_t* diff = m_diff.data();
    int* vetoDiff = m_vetoDiff.data();
    const std::int64_t* units = m_quickUnits.data();
    const char* veto = m_quickVeto.data();
    const int deviceLeft = m_device.left, deviceRight = m_device.right;
    int left = m_left, right = m_right;
    std::int64_t rowUnits = m_rowUnits;
    const std::size_t count = m_quick.Size();
    for (std::size_t k = 0; k < count; ++k) {
        int lo = m_quick.Lo(k), hi = m_quick.Hi(k);
        if (!m_quick.Certain(k))
            std::tie(lo, hi) = trial.Rows(m_quickMember[k]).ExactColumns(y);
        const int x0 = std::max(lo, deviceLeft) - deviceLeft;
        const int x1 = std::min(hi + 1, deviceRight) - deviceLeft;
        if (x0 >= x1)
            continue;
        left = std::min(left, x0);
        right = std::max(right, x1);
        rowUnits += units[k];
        diff[x0] += units[k];
        diff[x1] -= units[k];
        if (veto[k]) {
            ++vetoDiff[x0];
            --vetoDiff[x1];
        }
    }
    m_left = left;
    m_right = right;
    m_rowUnits = rowUnits;
    for (const std::size_t i : m_runsMembers) {
        const std::vector<SCellRun>& runs = trial.Runs(i).Runs();
        std::size_t& cursor = m_cursor[i];
        while (cursor < runs.size() && runs[cursor].y < y)
            ++cursor;
        for (; cursor < runs.size() && runs[cursor].y == y; ++cursor)
            Mark(runs[cursor].x0, runs[cursor].x1, m_members[i].units, m_vetoes[i] != 0);
    }
}

long long CWinSetRowCounter::CountRow() {
    long long count = 0;
    if (m_rowUnits >= m_needed) {
        std::int64_t sum = 0;
        int cover = 0;
        for (int x = m_left; x < m_right; ++x) {
            sum += m_diff[static_cast<std::size_t>(x)];
            cover += m_vetoDiff[static_cast<std::size_t>(x)];
            count += (sum >= m_needed && cover == m_vetoNeeded) ? 1 : 0;
        }
    }
    if (m_left < m_right) {
        std::fill(m_diff.begin() + m_left, m_diff.begin() + m_right + 1, 0);
        std::fill(m_vetoDiff.begin() + m_left, m_vetoDiff.begin() + m_right + 1, 0);
    }
    return count;
}

long long CWinSetRowCounter::Count(CTrialMembers& trial) {
    if (m_width <= 0 || m_height <= 0)
        return 0;
    m_active.clear();
    m_vetoes.assign(m_members.size(), 0);
    m_vetoNeeded = 0;
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        m_vetoes[i] = m_members[i].veto && trial.Valid(i) ? 1 : 0;
        m_vetoNeeded += m_vetoes[i];
        if (m_members[i].units != 0 || m_vetoes[i])
            m_active.push_back(i);
    }
    std::fill(m_reach.begin(), m_reach.end(), 0);
    std::fill(m_vetoReach.begin(), m_vetoReach.end(), 0);
    for (const std::size_t i : m_active) {
        const auto [first, last] = ReachedRows(trial, i);
        if (first > last)
            continue;
        m_reach[static_cast<std::size_t>(first)] += m_members[i].units;
        m_reach[static_cast<std::size_t>(last) + 1] -= m_members[i].units;
        m_vetoReach[static_cast<std::size_t>(first)] += m_vetoes[i];
        m_vetoReach[static_cast<std::size_t>(last) + 1] -= m_vetoes[i];
    }
    m_cursor.assign(m_members.size(), 0);
    m_quick.Clear();
    m_quickMember.clear();
    m_quickUnits.clear();
    m_quickVeto.clear();
    m_runsMembers.clear();
    for (const std::size_t i : m_active) {
        if (trial.FromRows(i)) {
            m_quick.Add(trial.Rows(i).Quick());
            m_quickMember.push_back(i);
            m_quickUnits.push_back(m_members[i].units);
            m_quickVeto.push_back(m_vetoes[i]);
        } else {
            m_runsMembers.push_back(i);
        }
    }

    long long count = 0;
    std::int64_t reach = 0;
    int vetoReach = 0;
    for (int row = 0; row < m_height; ++row) {
        reach += m_reach[static_cast<std::size_t>(row)];
        vetoReach += m_vetoReach[static_cast<std::size_t>(row)];
        if (m_pruneRows && (reach < m_needed || vetoReach < m_vetoNeeded))
            continue;
        m_rowUnits = 0;
        m_left = m_width;
        m_right = 0;
        MarkRow(trial, m_device.top + row);
        count += CountRow();
    }
    return count;
}
