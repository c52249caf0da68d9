#include "thermograph/ThermographValues.h"

#include "geometry/FLine.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"
#include "thermograph/ThermographPool.h"

#include <algorithm>
#include <cmath>

namespace {

/// Passes message boxes and questions on to the platform it wraps but keeps status texts and
/// cancel polls to itself, so that a value computed inside a map neither overwrites the map's
/// progress text nor consumes the map's own cancel poll.
class CMutedPlatform : public CPlatform {
public:
    explicit CMutedPlatform(CPlatform& outer) : m_outer(outer) {}
    EMsgAnswer MessageBox(const std::string& text, const std::string& title,
                          EMsgButtons buttons) override {
        return m_outer.MessageBox(text, title, buttons);
    }
    void SetStatusText(int, const std::string&) override {}
    void SetWaitCursor(bool) override {}
    bool CancelRequested() override { return false; }
    std::string AskOpenFileName(const std::string& title, const std::string& filter) override {
        return m_outer.AskOpenFileName(title, filter);
    }
    std::string AskSaveFileName(const std::string& title, const std::string& suggested,
                                const std::string& filter) override {
        return m_outer.AskSaveFileName(title, suggested, filter);
    }
    void RefreshViews() override {}
    void ExitProgram(int code) override { m_outer.ExitProgram(code); }

private:
    CPlatform& m_outer;
};

/// V of a mode at the game's status quo.
double ValueAtStatusQuo(CVotingGame& game, int mode) {
    CMutedPlatform muted(Platform());
    CScopedPlatform scope(muted);
    switch (mode) {
    case THERMO_AREA:
        return game.GetWinSetArea();
    case THERMO_RADIUS:
        return game.GetSpokeLength();
    default:
        return GetBODRadius(game);
    }
}

} // namespace

std::optional<std::vector<signed char>>
ClassifyPixels(CVotingGame& game, const SThermographSettings& settings, const SIntRect& pixels) {
    const int columns = std::max(pixels.right - pixels.left, 0);
    const int rows = std::max(pixels.bottom - pixels.top, 0);
    std::vector<signed char> signs(static_cast<std::size_t>(columns) *
                                   static_cast<std::size_t>(rows));
    const CGridMap map = game.GridMap();
    const auto classify = [&](int first, int last) {
        for (int row = first; row < last; ++row) {
            for (int column = 0; column < columns; ++column) {
                const CFPoint point = map.CellToWorld(pixels.left + column, pixels.top + row);
                signed char& sign =
                    signs[static_cast<std::size_t>(row) * static_cast<std::size_t>(columns) +
                          static_cast<std::size_t>(column)];
                if (game.IsInsideUncoveredSet(point, settings.uncoveredGrid, settings.excludeYolk,
                                              settings.uncoveredBJS))
                    sign = 1;
                else
                    sign = game.IsInsideParetoSet(point) ? -1 : 0;
            }
        }
    };
    if (rows == 0)
        return signs;
    // The first row finds both sets when they are out of date. Once they are fresh the tests
    // only read them, and the other rows are shared with a second thread. An uncovered set
    // still out of date was cancelled; a Pareto set still out of date (after a reported memory
    // failure) is looked for again at every pixel, on this thread alone.
    classify(0, 1);
    if (game.Stale().IsStale(EConcept::UncoveredSet))
        return std::nullopt;
    if (game.Stale().IsStale(EConcept::ParetoSet)) {
        classify(1, rows);
        return signs;
    }
    CThermographPool::Halves(rows - 1, [&](int first, int last) { classify(1 + first, 1 + last); });
    return signs;
}

double BodPairMinimum(const std::vector<CFPoint>& ideals, const CFPoint& statusQuo) {
    double least = kBodPairStart;
    if (ideals.size() <= 2)
        return least;
    for (std::size_t b = 0; b < ideals.size(); ++b) {
        const double fromB = ideals[b].Distance(statusQuo);
        for (std::size_t c = b + 1; c < ideals.size(); ++c)
            least = std::min(least,
                             fromB + ideals[c].Distance(statusQuo) - ideals[b].Distance(ideals[c]));
    }
    return least;
}

double GetBODRadius(CVotingGame& game) {
    const std::vector<CFLineSeg> spokes = game.GetSpokes().spokes;
    const CFPoint statusQuo = game.StatusQuo();
    double radius = 0.0;
    std::vector<CFPoint> ideals;
    for (const CFLineSeg& spoke : spokes) {
        ideals.clear();
        for (const CMember* member : game.MembersFavoring(spoke.FartherEnd(statusQuo)))
            ideals.push_back(member->IdealPoint());
        if (ideals.size() > 2)
            radius = std::max(radius, BodPairMinimum(ideals, statusQuo));
    }
    return radius;
}

SThermographGrid MakeThermographGrid(const CVotingGame& game, int mode) {
    SThermographGrid grid;
    grid.mode = mode;
    grid.pixels = OrderedDeviceRect(game.GridMap());
    grid.values.assign(
        static_cast<std::size_t>(grid.Columns()) * static_cast<std::size_t>(grid.Rows()), 0.0);
    return grid;
}

std::optional<SThermographGrid> MapThermographReference(CVotingGame& game, int mode,
                                                        const SThermographSettings& settings) {
    SThermographGrid grid = MakeThermographGrid(game, mode);
    const std::optional<std::vector<signed char>> classified =
        ClassifyPixels(game, settings, grid.pixels);
    if (!classified)
        return std::nullopt;
    const std::vector<signed char>& signs = *classified;
    const CFPoint saved = game.StatusQuo();
    const CGridMap map = game.GridMap();
    CValueRange range;
    const bool done = CThermographPool::Run(grid.Rows(), 1, [&](int row, int) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const signed char sign = signs[static_cast<std::size_t>(row) * grid.Columns() + column];
            if (sign == 0)
                continue;
            game.SetStatusQuo(map.CellToWorld(grid.pixels.left + column, grid.pixels.top + row));
            const double value = ValueAtStatusQuo(game, mode);
            range.Add(value);
            grid.At(column, row) = sign * value;
        }
    });
    game.SetStatusQuo(saved);
    Platform().SetStatusText(1, " ");
    if (!done)
        return std::nullopt;
    range.Store(grid);
    grid.location = signs;
    return grid;
}
