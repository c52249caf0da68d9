#include "preferences/VoteGrid.h"

#include "model/FormatNumber.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/ExactSums.h"

#include <algorithm>

namespace {

/// Adds one member's vote values to the grid over the cells of its region.
void AddMember(CRegion& grid, const SIntRect& device, const CMember& member) {
    const bool varies = member.Probabilistic() != 0;
    const double constant = member.EffectiveVote();
    if (!varies && constant == 0.0)
        return;
    const CGridMap& map = member.GridMap();
    for (const SIntRect& run : member.PreferredRgn().GetRegionData()) {
        const int x0 = std::max(run.left, device.left);
        const int x1 = std::min(run.right, device.right);
        const int y0 = std::max(run.top, device.top);
        const int y1 = std::min(run.bottom, device.bottom);
        for (int y = y0; y < y1; ++y) {
            double* row = grid.Row(y - device.top) - device.left;
            if (varies) {
                for (int x = x0; x < x1; ++x)
                    row[x] += member.ProbabilisticVote(map.CellToWorld(x, y));
            } else {
                for (int x = x0; x < x1; ++x)
                    row[x] += constant;
            }
        }
    }
}

/// Marks one member's constant vote at the ends of its region's row runs: +vote where a run
/// starts, -vote where it ends. A running sum along each row then gives every cell its count.
void MarkMember(CRegion& grid, const SIntRect& device, const CMember& member) {
    const double vote = member.EffectiveVote();
    if (vote == 0.0)
        return;
    for (const SIntRect& run : member.PreferredRgn().GetRegionData()) {
        const int x0 = std::max(run.left, device.left);
        const int x1 = std::min(run.right, device.right);
        if (x0 >= x1)
            continue;
        const int y0 = std::max(run.top, device.top);
        const int y1 = std::min(run.bottom, device.bottom);
        for (int y = y0; y < y1; ++y) {
            double* row = grid.Row(y - device.top) - device.left;
            row[x0] += vote;
            row[x1] -= vote;
        }
    }
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

bool CVoteGrid::Build(const CVotingGame& game, EVoteGridMethod method) {
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
            MarkMember(m_grid, m_device, *members[index]);
        else
            AddMember(m_grid, m_device, *members[index]);
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
