#include "thermograph/ThermographArea.h"

#include "thermograph/ThermographTrial.h"

#include <cmath>
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
    m_x0 = map.CellToWorld(0, 0).x;
    m_unit = map.UnitX();
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

std::pair<int, int> CWinSetRowCounter::Settle(CTrialMembers& trial, int y, double rowY,
                                              std::size_t k) const {
    const auto [lo, hi] =
        trial.Rows(static_cast<std::size_t>(m_quick.Tag(k))).SettledColumns(y, rowY);
    return m_quick.Cut(lo, hi);
}

template <bool Vetoes> void CWinSetRowCounter::MarkQuick(CTrialMembers& trial, int y) {
    const double rowY = m_rowY[static_cast<std::size_t>(y - m_device.top)];
    m_quick.Row(y, rowY);
    // The marks in locals, which the compiler keeps in registers. An empty range, 0 .. 0, marks
    // +units and -units on cell 0, which leaves it as it was, so no entry needs a branch of its
    // own. The count then takes the whole row: finding the marked cells and the units holding
    // them would cost the marks more than the count spends on the cells left unmarked.
    std::int64_t* __restrict diff = m_diff.data();
    const std::int32_t* __restrict froms = m_quick.Froms();
    const std::int32_t* __restrict tos = m_quick.Tos();
    const std::int32_t* __restrict certain = m_quick.Certainties();
    const std::int64_t* __restrict units = m_quick.Weights();
    const std::size_t count = m_quick.Size();
    for (std::size_t k = 0; k < count; ++k) {
        int x0 = froms[k], x1 = tos[k];
        if (!certain[k]) [[unlikely]]
            std::tie(x0, x1) = Settle(trial, y, rowY, k);
        diff[x0] += units[k];
        diff[x1] -= units[k];
        if (Vetoes) {
            const int veto = m_vetoes[static_cast<std::size_t>(m_quick.Tag(k))];
            m_vetoDiff[static_cast<std::size_t>(x0)] += veto;
            m_vetoDiff[static_cast<std::size_t>(x1)] -= veto;
        }
    }
    if (count > 0) {
        m_left = 0;
        m_right = m_width;
        m_wholeRow = true;
    }
}

void CWinSetRowCounter::MarkRow(CTrialMembers& trial, int y) {
    if (m_quickVetoes)
        MarkQuick<true>(trial, y);
    else
        MarkQuick<false>(trial, y);
    for (const std::size_t i : m_runsMembers) {
        const std::vector<SCellRun>& runs = trial.Runs(i).Runs();
        std::size_t& cursor = m_cursor[i];
        while (cursor < runs.size() && runs[cursor].y < y)
            ++cursor;
        for (; cursor < runs.size() && runs[cursor].y == y; ++cursor)
            Mark(runs[cursor].x0, runs[cursor].x1, m_members[i].units, m_vetoes[i] != 0);
    }
}

template <bool Vetoes> long long CWinSetRowCounter::CountMarked() const {
    // Only read: the caller clears the cells afterwards, which runs several at a time.
    const std::int64_t* diff = m_diff.data();
    const int* vetoDiff = m_vetoDiff.data();
    const std::int64_t needed = m_needed;
    const int vetoNeeded = m_vetoNeeded;
    long long count = 0;
    std::int64_t sum = 0;
    int cover = 0;
#pragma GCC unroll 4
    for (int x = m_left; x < m_right; ++x) {
        sum += diff[x];
        if (Vetoes) {
            cover += vetoDiff[x];
            count += (sum >= needed && cover == vetoNeeded) ? 1 : 0;
        } else {
            count += sum >= needed ? 1 : 0;
        }
    }
    return count;
}

long long CWinSetRowCounter::CountRow() {
    if (m_left >= m_right)
        return 0;
    long long count = 0;
    if (m_wholeRow || m_rowUnits >= m_needed)
        count = m_anyVeto ? CountMarked<true>() : CountMarked<false>();
    // The cell after the last marked one holds the last end.
    std::fill(m_diff.begin() + m_left, m_diff.begin() + m_right + 1, 0);
    if (m_anyVeto)
        std::fill(m_vetoDiff.begin() + m_left, m_vetoDiff.begin() + m_right + 1, 0);
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
    m_quickVetoes = false;
    m_anyVeto = false;
    m_runsMembers.clear();
    for (const std::size_t i : m_active) {
        m_anyVeto = m_anyVeto || m_vetoes[i] != 0;
        if (trial.FromRows(i))
            m_quickVetoes = m_quickVetoes || m_vetoes[i] != 0;
        else
            m_runsMembers.push_back(i);
    }
    StartSweep(trial);

    // The rows before `above` lie above the status quo, those from `below` on below it.
    int above = 0, below = m_height;
    if (MayStop(trial)) {
        const double y = trial.StatusQuo().y;
        const bool down = m_rowY[1] < m_rowY[0];
        const auto split = [&](bool onTheRow) {
            return static_cast<int>(std::partition_point(m_rowY.begin(), m_rowY.end(),
                                                         [&](double rowY) {
                                                             return (down ? rowY > y : rowY < y) ||
                                                                    (onTheRow && rowY == y);
                                                         }) -
                                    m_rowY.begin());
        };
        above = split(false);
        below = split(true);
    }
    const int first = FirstRowToCount(trial, above);
    long long count = 0;
    int firstHeld = -1;
    std::int64_t reach = 0;
    int vetoReach = 0;
    for (int row = 0; row < m_height; ++row) {
        reach += m_reach[static_cast<std::size_t>(row)];
        vetoReach += m_vetoReach[static_cast<std::size_t>(row)];
        if (row < first)
            continue;
        if (m_pruneRows && (reach < m_needed || vetoReach < m_vetoNeeded)) {
            // The ellipses able to reach the row hold too few units, and every ellipse holding
            // a cell below reaches it.
            if (row >= below && m_runsMembers.empty())
                break;
            continue;
        }
        m_rowUnits = 0;
        m_wholeRow = false;
        m_left = m_width;
        m_right = 0;
        MarkRow(trial, m_device.top + row);
        const long long cells = CountRow();
        count += cells;
        if (cells > 0 && firstHeld < 0)
            firstHeld = row;
        if (cells == 0 && row >= below && !LineHolds(m_device.top + row))
            break;
    }
    m_lastFirstHeld = firstHeld;
    return count;
}

void CWinSetRowCounter::StartSweep(CTrialMembers& trial) {
    m_quick.Start(m_device.left, m_device.right, m_device.top, m_device.bottom);
    for (const std::size_t i : m_active)
        if (trial.FromRows(i))
            m_quick.Add(trial.Rows(i).Quick(), static_cast<int>(i), m_members[i].units);
}

int CWinSetRowCounter::FirstRowToCount(CTrialMembers& trial, int above) {
    // A status quo beside the last one has its first win-set row near the last one's; a row a
    // little above that, whose line holds nothing, spares the rows over it.
    const int guess = m_lastFirstHeld - 3;
    if (m_lastFirstHeld < 0 || guess <= 0 || guess >= above)
        return 0;
    const int y = m_device.top + guess;
    m_quick.Row(y, m_rowY[static_cast<std::size_t>(guess)]);
    if (!LineHolds(y))
        return guess + 1;
    // The sweep has passed the rows above the guess: it starts over.
    StartSweep(trial);
    return 0;
}

bool CWinSetRowCounter::MayStop(const CTrialMembers& trial) const {
    if (!m_pruneRows || m_height < 2 || !(m_unit > 0) || m_rowY[1] == m_rowY[0])
        return false;
    const double column = (trial.StatusQuo().x - m_x0) / m_unit;
    return column >= m_device.left && column <= m_device.right - 1 &&
           std::isfinite(trial.StatusQuo().y);
}

bool CWinSetRowCounter::LineHolds(int y) {
    m_quick.WidenRow(m_rowY[static_cast<std::size_t>(y - m_device.top)]);
    std::int64_t* diff = m_diff.data();
    int* vetoDiff = m_vetoDiff.data();
    int left = m_width, right = 0;
    const auto mark = [&](std::size_t i, int x0, int x1) {
        if (x0 >= x1)
            return;
        left = std::min(left, x0);
        right = std::max(right, x1);
        diff[x0] += m_members[i].units;
        diff[x1] -= m_members[i].units;
        vetoDiff[x0] += m_vetoes[i];
        vetoDiff[x1] -= m_vetoes[i];
    };
    for (std::size_t k = 0; k < m_quick.Size(); ++k)
        mark(static_cast<std::size_t>(m_quick.Tag(k)), m_quick.From(k), m_quick.To(k));
    for (const std::size_t i : m_runsMembers)
        mark(i, 0, m_width);
    bool held = false;
    std::int64_t sum = 0;
    int cover = 0;
    for (int x = left; x < right && !held; ++x) {
        sum += diff[x];
        cover += vetoDiff[x];
        held = sum >= m_needed && cover == m_vetoNeeded;
    }
    if (left < right) {
        std::fill(m_diff.begin() + left, m_diff.begin() + right + 1, 0);
        std::fill(m_vetoDiff.begin() + left, m_vetoDiff.begin() + right + 1, 0);
    }
    return held;
}
