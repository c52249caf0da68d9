#pragma once

#include "geometry/GridMap.h"
#include "thermograph/ThermographRuns.h"

#include <cstdint>
#include <vector>

/// How each member's vote enters the count of a win set.
struct SCountedMember {
    double vote = 0.0;
    /// The vote in units of 2^-20, exact when `exact` of the counter holds.
    std::int64_t units = 0;
    bool probabilistic = false;
    /// The win set is cut by this member's region.
    bool veto = false;
};

/// Counts the cells of a win set from the members' row runs, without a vote grid over the whole
/// chart and without a platform region: the cells of the vote grid's device rectangle whose
/// summed vote values reach the quota, the last column never taken, cut by the veto members'
/// regions. When every vote is a whole number of 2^-20 units the sums are exact integers, which
/// any order of addition gives alike; otherwise each cell adds its members' values in member
/// order, as the vote grid does, so the sums agree to the last bit.
class CWinSetCounter {
public:
    CWinSetCounter(const SIntRect& device, std::vector<SCountedMember> members, double quota);

    /// The number of win-set cells for the members' runs (one entry per member, in order).
    long long Count(const std::vector<CMemberRuns>& runs, const CGridMap& map);
    /// Whether the sums are exact integers of 2^-20 units (every vote whole in units, a
    /// quota above 0); the members' units and the units needed are then those below.
    bool CountsInUnits() const { return m_exact && m_quota > 0.0; }
    const std::vector<SCountedMember>& Members() const { return m_members; }
    std::int64_t NeededUnits() const;

private:
    long long CountExact(const std::vector<CMemberRuns>& runs);
    long long CountInOrder(const std::vector<CMemberRuns>& runs, const CGridMap& map);
    /// Adds +value at a run's first cell and -value after its last, within the device rows.
    void Mark(const SCellRun& run, std::int64_t units, bool veto);
    long long CountRow(int row, std::int64_t needed);
    /// The number of veto members whose regions cut the win set (those that have a region).
    int VetoNeeded(const std::vector<CMemberRuns>& runs) const;
    /// Adds one member's values to the row sums of row y; true when it covers a cell there.
    bool AddRow(const CMemberRuns& runs, const SCountedMember& member, int y, std::size_t& cursor,
                const CGridMap& map);

    SIntRect m_device;
    std::vector<SCountedMember> m_members;
    double m_quota;
    bool m_exact = true;
    int m_vetoNeeded = 0;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::int64_t> m_diff;
    std::vector<int> m_vetoDiff;
    std::vector<int> m_rowLeft;
    std::vector<int> m_rowRight;
    std::vector<std::int64_t> m_rowWeight;
    std::vector<int> m_touched;
    std::vector<double> m_sums;
    std::vector<int> m_cover;
};
