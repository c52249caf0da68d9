#include "preferences/VoteGrid.h"

#include "model/FormatNumber.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/ExactSums.h"
#include "preferences/MemberRows.h"

#include <algorithm>

namespace {

/// Calls run(y, x0, x1) for the cells x0 .. x1 - 1 of row y of the member's region within the
/// device rectangle, row run by row run (runs cut to nothing are left out).
template <typename Run>
void ForEachRegionRun(const CMember& member, const SIntRect& device, const Run& run) {
    for (const SIntRect& rect : member.PreferredRgn().GetRegionData()) {
        const int x0 = std::max(rect.left, device.left);
        const int x1 = std::min(rect.right, device.right);
        if (x0 >= x1)
            continue;
        const int y0 = std::max(rect.top, device.top);
        const int y1 = std::min(rect.bottom, device.bottom);
        for (int y = y0; y < y1; ++y)
            run(y, x0, x1);
    }
}

/// The same runs found from the member's preference, row by row over the device's rows, for a
/// member whose region is not at hand and is one shape's cells; false, with nothing called,
/// when no device row holds a cell of the shape (the region may then be the ideal point's
/// marker), and for every other member.
template <typename Run>
bool ForEachShapeRun(const CMember& member, const SIntRect& device, const Run& run) {
    if (member.PreferredRgnHeld() || !HasShapeRows(member))
        return false;
    const CMemberRows rows(member);
    bool found = false;
    const int last = std::min(rows.Bottom(), device.bottom - 1);
    for (int y = std::max(rows.Top(), device.top); y <= last; ++y) {
        const auto [lo, hi] = rows.Columns(y);
        if (lo > hi)
            continue;
        found = true;
        const int x0 = std::max(lo, device.left);
        const int x1 = std::min(hi + 1, device.right);
        if (x0 < x1)
            run(y, x0, x1);
    }
    return found;
}

/// The member's cells within the device rectangle, as runs of rows, from its preference where
/// that gives them and from its region otherwise.
template <typename Run>
void ForEachRun(const CMember& member, const SIntRect& device, ECellSource source, const Run& run) {
    if (source == ECellSource::MemberRows && ForEachShapeRun(member, device, run))
        return;
    ForEachRegionRun(member, device, run);
}

/// Adds one member's vote values to the grid over its cells.
void AddMember(CRegion& grid, const SIntRect& device, const CMember& member, ECellSource source) {
    const bool varies = member.Probabilistic() != 0;
    const double constant = member.EffectiveVote();
    if (!varies && constant == 0.0)
        return;
    const CGridMap& map = member.GridMap();
    ForEachRun(member, device, source, [&](int y, int x0, int x1) {
        double* row = grid.Row(y - device.top) - device.left;
        if (varies) {
            for (int x = x0; x < x1; ++x)
                row[x] += member.ProbabilisticVote(map.CellToWorld(x, y));
        } else {
            for (int x = x0; x < x1; ++x)
                row[x] += constant;
        }
    });
}

/// Marks one member's constant vote at the ends of its row runs: +vote where a run starts,
/// -vote where it ends. A running sum along each row then gives every cell its count.
void MarkMember(CRegion& grid, const SIntRect& device, const CMember& member, ECellSource source) {
    const double vote = member.EffectiveVote();
    if (vote == 0.0)
        return;
    ForEachRun(member, device, source, [&](int y, int x0, int x1) {
        double* row = grid.Row(y - device.top) - device.left;
        row[x0] += vote;
        row[x1] -= vote;
    });
}

void RunningSums(CRegion& grid) {
    for (int y = 0; y < grid.Rows(); ++y) {
        double* row = grid.Row(y);
        for (int x = 1; x < grid.Columns(); ++x)
            row[x] += row[x - 1];
    }
}

/// Whether the run ends can stand for the cells: no member's vote varies inside its region,
/// and the votes add up exactly, so the running sums equal the member-by-member sums.
bool ConstantVotesAddUpExactly(const std::vector<CMember*>& members) {
    std::vector<double> votes;
    for (const CMember* member : members) {
        if (member->Probabilistic() != 0)
            return false;
        votes.push_back(member->EffectiveVote());
    }
    return VotesAddUpExactly(votes);
}

} // namespace

SIntRect OrderedDeviceRect(const CGridMap& map) {
    const SIntRect d = map.DeviceRect();
    return {std::min(d.left, d.right), std::min(d.top, d.bottom), std::max(d.left, d.right),
            std::max(d.top, d.bottom)};
}

bool CVoteGrid::Build(const CVotingGame& game, EVoteGridMethod method, ECellSource source) {
    m_device = OrderedDeviceRect(game.GridMap());
    m_grid.Allocate(m_device.bottom - m_device.top + 1, m_device.right - m_device.left + 1);
    const double total = game.VoteTotal();
    const auto& members = game.Members();
    const bool byEnds = method == EVoteGridMethod::RunEnds && ConstantVotesAddUpExactly(members);
    bool complete = true;
    for (size_t index = 0; index < members.size(); ++index) {
        if (total > 10.0)
            Platform().SetStatusText(1, "  Grid - " + FormatNumber(index * 100.0 / total));
        if (byEnds)
            MarkMember(m_grid, m_device, *members[index], source);
        else
            AddMember(m_grid, m_device, *members[index], source);
        if (Platform().CancelRequested()) {
            complete = false;
            break;
        }
    }
    // A stopped count keeps what the members before the stop added.
    if (byEnds)
        RunningSums(m_grid);
    return complete;
}

CRegion CVoteGrid::BuildNaive(const CVotingGame& game) {
    const SIntRect device = OrderedDeviceRect(game.GridMap());
    CRegion grid(device.bottom - device.top + 1, device.right - device.left + 1);
    for (const CMember* member : game.Members())
        for (int y = device.top; y < device.bottom; ++y)
            for (int x = device.left; x < device.right; ++x)
                grid.At(y - device.top, x - device.left) +=
                    member->VoteValue(game.GridMap().CellToWorld(x, y));
    return grid;
}
