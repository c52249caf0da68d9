#include "thermograph/CustomDistribution.h"

#include "geometry/Rgn.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "thermograph/Thermograph.h"
#include "thermograph/ThermographFast.h"
#include "thermograph/ThermographValues.h"

#include <algorithm>
#include <cstdio>

namespace {

/// +1 for the cells of the Pareto region, 0 for the others (which hold -1).
std::vector<signed char> ParetoCells(CVotingGame& game, SThermographGrid& grid) {
    const std::unique_ptr<CRgn> pareto = game.GetParetoSetRgn();
    std::vector<signed char> signs(grid.values.size(), 0);
    for (int row = 0; row < grid.Rows(); ++row) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const bool inside =
                pareto && pareto->PtInRegion(grid.pixels.left + column, grid.pixels.top + row);
            signs[static_cast<std::size_t>(row) * grid.Columns() + column] = inside ? 1 : 0;
            grid.At(column, row) = inside ? 0.0 : -1.0;
        }
    }
    return signs;
}

} // namespace

std::string CustomDistributionFileName(const std::string& documentName) {
    return documentName + ".custom.txt";
}

std::vector<SThermographLevel> CustomDistributionLevels(const SThermographGrid& grid,
                                                        const CVotingGame& game) {
    std::vector<double> sorted = grid.values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<double> memberValues;
    for (const CMember* member : game.Members()) {
        const QPoint cell = game.GridMap().WorldToCell(member->IdealPoint());
        const int column = cell.x() - grid.pixels.left, row = cell.y() - grid.pixels.top;
        if (column >= 0 && column < grid.Columns() && row >= 0 && row < grid.Rows())
            memberValues.push_back(grid.At(column, row));
    }
    std::sort(memberValues.begin(), memberValues.end());
    std::vector<SThermographLevel> levels;
    const double step = (grid.largest - grid.smallest) * 0.01;
    for (int k = 0; step > 0.0; ++k) {
        const double t = grid.smallest + k * step;
        if (!(t < grid.largest))
            break;
        const auto cells = std::upper_bound(sorted.begin(), sorted.end(), t) - sorted.begin();
        const auto members =
            std::upper_bound(memberValues.begin(), memberValues.end(), t) - memberValues.begin();
        levels.push_back({t, static_cast<long long>(cells), static_cast<int>(members)});
    }
    return levels;
}

std::string CustomDistributionText(const std::vector<SThermographLevel>& levels) {
    std::string text = "area,count\n";
    char line[64];
    for (const SThermographLevel& level : levels) {
        std::snprintf(line, sizeof line, "%d,%d\n", static_cast<int>(level.cells), level.members);
        text += line;
    }
    return text;
}

bool MapCustomDistribution(CThermograph& thermograph, CVotingGame& game,
                           const SThermographSettings& settings) {
    if (thermograph.IsFresh(game, THERMO_CUSTOM, settings))
        return true;
    SThermographGrid grid = MakeThermographGrid(game, THERMO_CUSTOM);
    const std::vector<signed char> signs = ParetoCells(game, grid);
    if (!MapSignedValues(game, THERMO_AREA, signs, settings, grid))
        return false;
    grid.levels = CustomDistributionLevels(grid, game);
    thermograph.Store(std::move(grid), game, settings);
    return true;
}
