#pragma once

#include <vector>

class CMember;

/// A member's power value with its place in the member list.
struct SMemberPower {
    CMember* member = nullptr;
    double power = 0.0;
    int index = 0;
};

/// The Shapley-Owen power index: each member's share of the directions (lines through the
/// members' mean point) along which its vote is pivotal, walking either way to the quota.
class CPowerIndex {
public:
    /// Recomputes every member's power value over max(directions, 2) directions.
    void Find(const std::vector<CMember*>& members, double quota, int directions, double offset);
    /// The power values in member-list order (empty before the first computation).
    const std::vector<double>& Values() const { return m_power; }
    /// The member's power value; 0 for a member not in the list.
    double PowerOf(const CMember* member, const std::vector<CMember*>& members) const;
    /// One entry per member, sorted by power, highest first unless ascending (ties keep the
    /// list order).
    std::vector<SMemberPower> Ranked(const std::vector<CMember*>& members, bool ascending) const;

private:
    std::vector<double> m_power;
};
