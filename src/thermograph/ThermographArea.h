#pragma once

#include "geometry/EllipseRowSweep.h"
#include "geometry/GridMap.h"

#include <algorithm>

#include <cstdint>
#include <vector>

class CTrialMembers;

/// How a member's cells enter a win set counted in whole vote units.
struct SUnitMember {
    std::int64_t units = 0;
    /// The win set is cut by this member's region (when it has one).
    bool veto = false;
};

/// Counts the win-set cells of a trial status quo row by row over the vote grid's device
/// rectangle (the last column never taken), in whole vote units: a cell belongs when the units
/// of the members preferring it reach `needed` and every veto member with a region prefers it.
/// Rows that the members able to reach them cannot carry to `needed` are skipped, and no
/// member's runs are built unless the member cannot answer from its ellipse's rows.
///
/// A row beyond the status quo can prove every row further out on its side empty. A point an
/// ellipse holds sees the whole segment to the status quo inside the ellipse (the status quo
/// lies on its boundary), so a win-set cell beyond a row would put the segment's crossing of
/// the row's line inside the ellipses of as many members: a row whose line holds no point with
/// the needed units, every ellipse widened by its rounding and every member without one taken
/// as holding the whole line, has no win-set cell beyond it. Below the status quo the count
/// stops at the first such row; above it, it starts after a row a little above the last
/// count's first win-set row when that row is one.
class CWinSetRowCounter {
public:
    CWinSetRowCounter(const SIntRect& device, const CGridMap& map, std::vector<SUnitMember> members,
                      std::int64_t needed);

    long long Count(CTrialMembers& trial);

private:
    /// The device rows member i can reach, clipped to the device (first > last for none).
    std::pair<int, int> ReachedRows(CTrialMembers& trial, std::size_t i) const;
    /// Marks the cells of row y of the members answering from their ellipses' rows, then those
    /// of the others from their runs.
    void MarkRow(CTrialMembers& trial, int y);
    /// The marks of the members answering from their ellipses' rows (with or without vetoes);
    /// the row is then counted whole.
    template <bool Vetoes> void MarkQuick(CTrialMembers& trial, int y);
    /// The cut columns of the sweep's entry k, whose row the quick form left in doubt.
    [[gnu::noinline]] std::pair<int, int> Settle(CTrialMembers& trial, int y, double rowY,
                                                 std::size_t k) const;
    void Mark(int x0, int x1, std::int64_t units, bool veto) {
        x0 = std::max(x0, m_device.left) - m_device.left;
        x1 = std::min(x1, m_device.right) - m_device.left;
        if (x0 >= x1)
            return;
        m_left = std::min(m_left, x0);
        m_right = std::max(m_right, x1);
        m_rowUnits += units;
        m_diff[static_cast<std::size_t>(x0)] += units;
        m_diff[static_cast<std::size_t>(x1)] -= units;
        if (veto) {
            ++m_vetoDiff[static_cast<std::size_t>(x0)];
            --m_vetoDiff[static_cast<std::size_t>(x1)];
        }
    }
    long long CountRow();
    /// Starts the sweep over with the members answering from their ellipses' rows.
    void StartSweep(CTrialMembers& trial);
    /// Whether the status quo lets rows be skipped, as above: its column lies among the
    /// columns counted (so does every crossing then) and no vote takes units away.
    bool MayStop(const CTrialMembers& trial) const;
    /// The first row of the device the count has to take, the rows before `above` lying above
    /// the status quo; the sweep has passed the rows before it.
    int FirstRowToCount(CTrialMembers& trial, int above);
    /// Whether some point of the line of row y, the sweep's last row, holds the needed units
    /// with every ellipse widened and every member without one taken as holding the line.
    bool LineHolds(int y);
    template <bool Vetoes> long long CountMarked() const;

    SIntRect m_device;
    int m_width = 0;
    int m_height = 0;
    std::vector<SUnitMember> m_members;
    std::int64_t m_needed = 0;
    bool m_pruneRows = true;
    std::vector<double> m_rowY;
    /// The issue-space x of column 0 and the width of a column.
    double m_x0 = 0.0;
    double m_unit = 0.0;
    // Per trial:
    std::vector<std::size_t> m_active;
    std::vector<char> m_vetoes;
    int m_vetoNeeded = 0;
    std::vector<std::int64_t> m_reach;
    std::vector<int> m_vetoReach;
    std::vector<std::size_t> m_cursor;
    /// The members answering from their ellipses' rows, tagged by their index, and whether any
    /// of them cuts the win set.
    CEllipseRowSweep m_quick;
    bool m_quickVetoes = false;
    /// Whether any member cuts the win set in this trial.
    bool m_anyVeto = false;
    /// The members answering from their runs.
    std::vector<std::size_t> m_runsMembers;
    // Per row:
    std::vector<std::int64_t> m_diff;
    std::vector<int> m_vetoDiff;
    std::int64_t m_rowUnits = 0;
    /// Whether the members answering from their ellipses marked the row, which is then
    /// counted whole (the marks keep no account of the cells or units they reach).
    bool m_wholeRow = false;
    /// The first row holding a win-set cell at the last count (none: -1).
    int m_lastFirstHeld = -1;
    int m_left = 0;
    int m_right = 0;
};
