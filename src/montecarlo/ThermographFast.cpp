#include "montecarlo/ThermographFast.h"

#include "geometry/FLine.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "montecarlo/ThermographCounter.h"
#include "montecarlo/ThermographPool.h"
#include "montecarlo/ThermographRuns.h"
#include "montecarlo/ThermographValues.h"
#include "platform/Platform.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"

#include <algorithm>
#include <memory>

namespace {

/// What every worker reads: taken from the game once, on the calling thread.
struct SFastShared {
    const CVotingGame* game = nullptr;
    CGridMap map;
    SIntRect device;
    double quota = 0.0;
    bool scanOutlines = true;
    std::vector<SCountedMember> counted;
    std::vector<CFLineSeg> quotaLines;
    std::vector<CFPoint> ideals;
    /// Distances between every two ideal points, row by row.
    std::vector<double> pairDistance;
};

/// Whether every plain trade-off member's scanned outline equals its own region about the
/// game's status quo, the check that the scan follows the member's builder.
bool OutlinesMatchMembers(const CVotingGame& game) {
    for (const CMember* member : game.Members()) {
        CMemberRuns runs(*member);
        if (!runs.MatchesMemberRegion(*member))
            return false;
    }
    return true;
}

SFastShared ReadShared(CVotingGame& game, int mode, const SThermographSettings& settings) {
    SFastShared shared;
    shared.game = &game;
    shared.map = game.GridMap();
    shared.device = OrderedDeviceRect(shared.map);
    shared.quota = game.VoteQuota();
    shared.scanOutlines = settings.scanOutlines && OutlinesMatchMembers(game);
    for (const CMember* member : game.Members()) {
        shared.counted.push_back({member->EffectiveVote(), 0, member->Probabilistic() != 0,
                                  game.VetoSwitch() != 0 && member->Veto() != 0});
        shared.ideals.push_back(member->IdealPoint());
    }
    if (mode == THERMO_AREA)
        return shared;
    for (const CQuotaLine& line : game.GetQuotaLines())
        shared.quotaLines.push_back(line.segment);
    const std::size_t n = shared.ideals.size();
    shared.pairDistance.resize(n * n);
    for (std::size_t b = 0; b < n; ++b)
        for (std::size_t c = 0; c < n; ++c)
            shared.pairDistance[b * n + c] = shared.ideals[b].Distance(shared.ideals[c]);
    return shared;
}

/// One worker's evaluation of the values at trial status quos, with its own copies of the
/// members and its own counting buffers.
class CFastValues {
public:
    explicit CFastValues(const SFastShared& shared)
        : m_shared(shared), m_counter(shared.device, shared.counted, shared.quota) {
        for (const CMember* member : shared.game->Members()) {
            m_runs.emplace_back(*member);
            if (!shared.scanOutlines)
                m_runs.back().UseMemberBuilder();
        }
    }

    double Value(int mode, const CFPoint& statusQuo) {
        switch (mode) {
        case THERMO_AREA:
            return Area(statusQuo);
        case THERMO_RADIUS:
            return Spokes(statusQuo, nullptr);
        default:
            return BODRadius(statusQuo);
        }
    }

private:
    void BuildRuns(const CFPoint& statusQuo) {
        for (CMemberRuns& runs : m_runs)
            runs.Build(statusQuo, m_shared.map);
    }

    double Area(const CFPoint& statusQuo) {
        BuildRuns(statusQuo);
        const long long cells = m_counter.Count(m_runs, m_shared.map);
        return static_cast<double>(cells) * m_shared.map.UnitX() * m_shared.map.UnitY();
    }

    /// The spoke length at the status quo; the spokes' far ends go to `ends` when given.
    double Spokes(const CFPoint& statusQuo, std::vector<CFPoint>* ends) const {
        double length = 0.0;
        for (const CFLineSeg& line : m_shared.quotaLines) {
            const CFPoint& a = line.GetP1();
            const CFPoint& b = line.GetP2();
            const double dx = b.x - a.x, dy = b.y - a.y;
            const double u =
                ((statusQuo.x - a.x) * dx + (statusQuo.y - a.y) * dy) / (dx * dx + dy * dy);
            const CFLineSeg spoke(statusQuo, CFPoint(a.x + u * dx, a.y + u * dy));
            if (spoke.GetLength() > 1e-7) {
                length = std::max(length, spoke.GetLength());
                if (ends)
                    ends->push_back(spoke.FartherEnd(statusQuo));
            }
        }
        for (const CFPoint& b : m_shared.ideals) {
            const CFLineSeg spoke(b, statusQuo);
            const double c = spoke.GetLength();
            if (c > length &&
                m_shared.game->PointBeatsPoint(
                    CFPoint(2 * b.x - statusQuo.x, 2 * b.y - statusQuo.y), statusQuo)) {
                length = c;
                if (ends)
                    ends->push_back(spoke.FartherEnd(statusQuo));
            }
        }
        return length;
    }

    double BODRadius(const CFPoint& statusQuo) {
        m_ends.clear();
        Spokes(statusQuo, &m_ends);
        if (m_ends.empty())
            return 0.0;
        BuildRuns(statusQuo);
        const std::size_t n = m_shared.ideals.size();
        m_fromStatusQuo.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            m_fromStatusQuo[i] = m_shared.ideals[i].Distance(statusQuo);
        double radius = 0.0;
        for (const CFPoint& end : m_ends) {
            m_favoring.clear();
            for (std::size_t i = 0; i < n; ++i)
                if (m_runs[i].Prefers(end, m_shared.map))
                    m_favoring.push_back(i);
            if (m_favoring.size() > 2)
                radius = std::max(radius, PairMinimumAbove(radius));
        }
        return radius;
    }

    /// The pair minimum of the favouring members, given up as soon as it is known not to
    /// exceed `floor` (it can then no longer raise the radius).
    double PairMinimumAbove(double floor) const {
        const std::size_t n = m_shared.ideals.size();
        double least = kBodPairStart;
        for (std::size_t j = 0; j < m_favoring.size(); ++j) {
            const std::size_t b = m_favoring[j];
            const double* row = m_shared.pairDistance.data() + b * n;
            for (std::size_t k = j + 1; k < m_favoring.size(); ++k) {
                const std::size_t c = m_favoring[k];
                least = std::min(least, m_fromStatusQuo[b] + m_fromStatusQuo[c] - row[c]);
            }
            if (least <= floor)
                return least;
        }
        return least;
    }

    const SFastShared& m_shared;
    std::vector<CMemberRuns> m_runs;
    CWinSetCounter m_counter;
    std::vector<CFPoint> m_ends;
    std::vector<double> m_fromStatusQuo;
    std::vector<std::size_t> m_favoring;
};

} // namespace

std::optional<SThermographGrid> MapThermographFast(CVotingGame& game, int mode,
                                                   const SThermographSettings& settings) {
    SThermographGrid grid = MakeThermographGrid(game, mode);
    const std::vector<signed char> signs = ClassifyPixels(game, settings, grid.pixels);
    if (!MapSignedValues(game, mode, signs, settings, grid))
        return std::nullopt;
    return grid;
}

bool MapSignedValues(CVotingGame& game, int mode, const std::vector<signed char>& signs,
                     const SThermographSettings& settings, SThermographGrid& grid) {
    const SFastShared shared = ReadShared(game, mode, settings);
    const int threads = CThermographPool::ThreadCount(settings.threads, grid.Rows());
    std::vector<std::unique_ptr<CFastValues>> workers;
    for (int worker = 0; worker < threads; ++worker)
        workers.push_back(std::make_unique<CFastValues>(shared));
    std::vector<CValueRange> rowRanges(static_cast<std::size_t>(grid.Rows()));
    const bool done = CThermographPool::Run(grid.Rows(), threads, [&](int row, int worker) {
        for (int column = 0; column < grid.Columns(); ++column) {
            const signed char sign = signs[static_cast<std::size_t>(row) * grid.Columns() + column];
            if (sign == 0)
                continue;
            const double value = workers[static_cast<std::size_t>(worker)]->Value(
                mode, shared.map.CellToWorld(grid.pixels.left + column, grid.pixels.top + row));
            rowRanges[static_cast<std::size_t>(row)].Add(value);
            grid.At(column, row) = sign * value;
        }
    });
    Platform().SetStatusText(1, " ");
    if (!done)
        return false;
    CValueRange range;
    for (const CValueRange& part : rowRanges)
        range.Add(part);
    range.Store(grid);
    return true;
}
