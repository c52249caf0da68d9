#include "thermograph/Thermograph.h"

#include "geometry/FLine.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"
#include "thermograph/ThermographFast.h"
#include "thermograph/ThermographValues.h"

#include <cmath>
#include <limits>

namespace {

/// The vote grid's value at every pixel; pixels at or below the mode's bound stay unpainted.
std::optional<SThermographGrid> VoteValues(CVotingGame& game, int mode) {
    if (!game.UpdateVoteGrid())
        return std::nullopt;
    SThermographGrid grid = MakeThermographGrid(game, mode);
    const CRegion& votes = game.VoteGrid().Grid();
    for (int row = 0; row < grid.Rows(); ++row)
        for (int column = 0; column < grid.Columns(); ++column)
            grid.At(column, row) = votes.At(row, column);
    const double total = game.VoteTotal();
    const double quota = game.VoteQuota();
    const double bound = mode == THERMO_TOTAL ? 0.0 : quota - (mode == THERMO_DECISION ? 1 : 2);
    grid.largest = total;
    grid.smallest = 0.0;
    grid.paintAbove = total > bound ? bound : std::numeric_limits<double>::infinity();
    return grid;
}

/// Fills the grid with a sum per pixel and spans the range from the least to the greatest.
template <typename Sum> SThermographGrid Sums(const CVotingGame& game, int mode, Sum sum) {
    SThermographGrid grid = MakeThermographGrid(game, mode);
    double least = std::numeric_limits<double>::infinity();
    double greatest = -least;
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const double value = sum(grid.pixels.left + column, grid.pixels.top + row);
            grid.At(column, row) = value;
            least = std::min(least, value);
            greatest = std::max(greatest, value);
        }
    }
    grid.smallest = grid.values.empty() ? 0.0 : least;
    grid.largest = grid.values.empty() ? 0.0 : greatest;
    return grid;
}

SThermographGrid MemberDistances(const CVotingGame& game) {
    std::vector<QPoint> cells;
    for (const CMember* member : game.Members())
        if (member->PrefType() != PREF_ABSTAIN)
            cells.push_back(game.GridMap().WorldToCell(member->IdealPoint()));
    return Sums(game, THERMO_MEMBERS, [&](int x, int y) {
        double total = 0.0;
        for (const QPoint& cell : cells)
            total +=
                std::hypot(static_cast<double>(x - cell.x()), static_cast<double>(y - cell.y()));
        return total;
    });
}

SThermographGrid QuotaLineDistances(CVotingGame& game) {
    const std::vector<CQuotaLine> lines = game.GetQuotaLines();
    const CGridMap map = game.GridMap();
    return Sums(game, THERMO_QUOTALINES, [&](int x, int y) {
        const CFPoint p = map.CellToWorld(x, y);
        double total = 0.0;
        for (const CQuotaLine& line : lines) {
            const CFPoint& a = line.segment.GetP1();
            const CFPoint& b = line.segment.GetP2();
            const double cross = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
            total += std::fabs(cross) / std::hypot(b.x - a.x, b.y - a.y);
        }
        return total;
    });
}

} // namespace

void CThermograph::Store(SThermographGrid grid, const CVotingGame& game,
                         const SThermographSettings& settings) {
    m_grid = std::move(grid);
    m_outOfDate = false;
    ++m_serial;
    m_revision = game.Stale().Revision();
    m_statusQuo = game.StatusQuo();
    m_settings = settings;
}

bool CThermograph::IsFresh(const CVotingGame& game, int mode,
                           const SThermographSettings& settings) const {
    const bool sameSettings = settings.uncoveredGrid == m_settings.uncoveredGrid &&
                              settings.excludeYolk == m_settings.excludeYolk &&
                              settings.uncoveredBJS == m_settings.uncoveredBJS;
    const bool sameStatusQuo =
        !ThermographModeFollowsStatusQuo(mode) ||
        (game.StatusQuo().x == m_statusQuo.x && game.StatusQuo().y == m_statusQuo.y);
    return !m_outOfDate && m_grid.mode == mode && sameSettings && sameStatusQuo &&
           m_revision == game.Stale().Revision() &&
           m_grid.pixels == OrderedDeviceRect(game.GridMap());
}

bool CThermograph::MapThermographValues(CVotingGame& game, int mode,
                                        const SThermographSettings& settings) {
    if (IsFresh(game, mode, settings))
        return true;
    std::optional<SThermographGrid> grid;
    if (mode == THERMO_AREA || mode == THERMO_RADIUS || mode == THERMO_BOD)
        grid = MapThermographFast(game, mode, settings);
    else
        grid = MapThermographSums(game, mode);
    if (!grid)
        return false;
    Store(std::move(*grid), game, settings);
    return true;
}

std::optional<SThermographGrid> MapThermographSums(CVotingGame& game, int mode) {
    switch (mode) {
    case THERMO_TOTAL:
    case THERMO_DECISION:
    case THERMO_MARGINAL:
        return VoteValues(game, mode);
    case THERMO_MEMBERS:
        return MemberDistances(game);
    case THERMO_QUOTALINES:
        return QuotaLineDistances(game);
    default:
        return MakeThermographGrid(game, mode);
    }
}
