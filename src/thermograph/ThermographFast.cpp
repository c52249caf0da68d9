#include "thermograph/ThermographFast.h"

#include "geometry/FLine.h"
#include "model/BaseVote.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/QuotaLines.h"
#include "preferences/VoteGrid.h"
#include "thermograph/ThermographArea.h"
#include "thermograph/ThermographCounter.h"
#include "thermograph/ThermographPool.h"
#include "thermograph/ThermographRuns.h"
#include "thermograph/ThermographTrial.h"
#include "thermograph/ThermographValues.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <optional>

namespace {

/// A quota line as the spokes need it: a point, its direction and the direction's square.
struct SQuotaFoot {
    CFPoint a;
    double dx = 0.0;
    double dy = 0.0;
    double squared = 0.0;
    /// The list positions of the two members whose ideal points make the line (none: the
    /// member count).
    std::size_t memberA = 0;
    std::size_t memberB = 0;
};

/// A spoke's far end and the members likeliest to favour it: the quota line's two members,
/// or the member whose ideal point it is.
struct SSpokeEnd {
    CFPoint point;
    std::size_t first = 0;
    std::size_t second = 0;
};

/// What every worker reads: taken from the game once, on the calling thread.
struct SFastShared {
    const CVotingGame* game = nullptr;
    CGridMap map;
    SIntRect device;
    double quota = 0.0;
    bool scanOutlines = true;
    std::vector<SCountedMember> counted;
    std::vector<SQuotaFoot> feet;
    /// Whether every ideal point lies in the plane of the trial points (distances are then the
    /// planar ones).
    bool flat = true;
    std::vector<CFPoint> ideals;
    /// The members' base votes as the point-beats test sums them, and whether none is negative.
    std::vector<double> baseVotes;
    bool nonNegativeVotes = true;
    /// Distances between every two ideal points, row by row.
    std::vector<double> pairDistance;
};

/// Whether every plain trade-off member's scanned outline equals its own region about the
/// game's status quo, the check that the scan follows the member's builder.
bool OutlinesMatchMembers(const CVotingGame& game) {
    // Each half of the members on a thread of its own: the check only reads the members.
    const std::vector<CMember*>& members = game.Members();
    std::atomic<bool> match{true};
    CThermographPool::Halves(static_cast<int>(members.size()), [&](int first, int last) {
        for (int i = first; i < last && match; ++i) {
            CMemberRuns runs(*members[static_cast<std::size_t>(i)]);
            if (!runs.MatchesMemberRegion(*members[static_cast<std::size_t>(i)]))
                match = false;
        }
    });
    return match;
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
        shared.flat = shared.flat && member->IdealPoint().z == 0.0;
        shared.baseVotes.push_back(BaseVote(*member));
        shared.nonNegativeVotes = shared.nonNegativeVotes && shared.baseVotes.back() >= 0.0;
    }
    if (mode == THERMO_AREA)
        return shared;
    const std::vector<CMember*>& members = game.Members();
    const auto position = [&members](const CMember* member) {
        return static_cast<std::size_t>(std::find(members.begin(), members.end(), member) -
                                        members.begin());
    };
    for (const CQuotaLine& line : game.GetQuotaLines()) {
        const CFPoint& a = line.segment.GetP1();
        const CFPoint& b = line.segment.GetP2();
        const double dx = b.x - a.x, dy = b.y - a.y;
        shared.feet.push_back(
            {a, dx, dy, dx * dx + dy * dy, position(line.memberA), position(line.memberB)});
    }
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
        : m_shared(shared), m_counter(shared.device, shared.counted, shared.quota),
          m_trial(shared.game->Members(), shared.map, shared.scanOutlines) {
        if (m_counter.CountsInUnits()) {
            std::vector<SUnitMember> units;
            for (const SCountedMember& member : m_counter.Members())
                units.push_back({member.units, member.veto});
            m_rowCounter.emplace(shared.device, shared.map, std::move(units),
                                 m_counter.NeededUnits());
            return;
        }
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
        long long cells = 0;
        if (m_rowCounter) {
            m_trial.MoveTo(statusQuo);
            cells = m_rowCounter->Count(m_trial);
        } else {
            BuildRuns(statusQuo);
            cells = m_counter.Count(m_runs, m_shared.map);
        }
        return static_cast<double>(cells) * m_shared.map.UnitX() * m_shared.map.UnitY();
    }

    /// The spoke length at the status quo; the spokes' far ends go to `ends` when given. A
    /// length is taken (by hypot, as the segment's own) only where it can change an answer:
    /// where its square, found without it, is not clearly below the longest so far or near
    /// the shortest spoke listed.
    double Spokes(const CFPoint& statusQuo, std::vector<SSpokeEnd>* ends) {
        double length = 0.0;
        for (const SQuotaFoot& line : m_shared.feet) {
            const double u =
                ((statusQuo.x - line.a.x) * line.dx + (statusQuo.y - line.a.y) * line.dy) /
                line.squared;
            const CFPoint foot(line.a.x + u * line.dx, line.a.y + u * line.dy);
            const double ex = foot.x - statusQuo.x, ey = foot.y - statusQuo.y;
            const double square = ex * ex + ey * ey;
            if (square > kShortest && square < length * length * kBelow) {
                if (ends)
                    ends->push_back({foot, line.memberA, line.memberB});
                continue;
            }
            const double spoke = std::hypot(ex, ey);
            if (spoke > 1e-7) {
                length = std::max(length, spoke);
                if (ends)
                    ends->push_back({foot, line.memberA, line.memberB});
            }
        }
        m_statusQuoDistances.assign(m_shared.ideals.size(), -1.0);
        for (std::size_t i = 0; i < m_shared.ideals.size(); ++i) {
            const CFPoint& b = m_shared.ideals[i];
            const double ex = statusQuo.x - b.x, ey = statusQuo.y - b.y;
            if (ex * ex + ey * ey < length * length * kBelow)
                continue;
            const double c = std::hypot(ex, ey);
            if (c > length &&
                BeatsStatusQuo(CFPoint(2 * b.x - statusQuo.x, 2 * b.y - statusQuo.y), statusQuo)) {
                length = c;
                if (ends)
                    ends->push_back({b, i, i});
            }
        }
        return length;
    }

    /// Whether member i's squared distance to the point is at most that to the status quo,
    /// as the member finds them; the distances themselves only where the squares found
    /// without them lie too near to tell.
    bool NoFarther(std::size_t i, const CFPoint& point, const CFPoint& statusQuo) {
        const CFPoint& ideal = m_shared.ideals[i];
        const double px = point.x - ideal.x, py = point.y - ideal.y;
        const double sx = statusQuo.x - ideal.x, sy = statusQuo.y - ideal.y;
        const double toPoint = px * px + py * py, toStatusQuo = sx * sx + sy * sy;
        if (m_shared.flat && toPoint < toStatusQuo * kBelow)
            return true;
        if (m_shared.flat && toPoint * kBelow > toStatusQuo)
            return false;
        const CMember& member = *m_shared.game->Members()[i];
        if (m_statusQuoDistances[i] < 0.0)
            m_statusQuoDistances[i] = member.SquaredDistance(statusQuo);
        return member.SquaredDistance(point) <= m_statusQuoDistances[i];
    }

    /// The game's point-beats test of the point against the trial status quo: the same support,
    /// summed in the same order, stopping once it reaches the quota when no vote is negative.
    bool BeatsStatusQuo(const CFPoint& point, const CFPoint& statusQuo) {
        double support = 0.0;
        for (std::size_t i = 0; i < m_shared.ideals.size(); ++i) {
            if (NoFarther(i, point, statusQuo))
                support += m_shared.baseVotes[i];
            if (m_shared.nonNegativeVotes && support >= m_shared.quota)
                return true;
        }
        return support >= m_shared.quota;
    }

    /// Squares below this share of another give a root clearly below the other's, whatever the
    /// rounding of either; a square above kShortest gives a spoke longer than 1e-7.
    static constexpr double kBelow = 1.0 - 1e-9;
    static constexpr double kShortest = 1e-14 * (1.0 + 1e-6);

    double BODRadius(const CFPoint& statusQuo) {
        m_ends.clear();
        Spokes(statusQuo, &m_ends);
        if (m_ends.empty())
            return 0.0;
        m_trial.MoveTo(statusQuo);
        const std::size_t n = m_shared.ideals.size();
        m_fromStatusQuo.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            m_fromStatusQuo[i] = m_shared.ideals[i].Distance(statusQuo);
        double radius = 0.0;
        for (const SSpokeEnd& end : m_ends)
            radius = std::max(radius, PairMinimumAbove(end, radius));
        return radius;
    }

    /// The pair minimum of the members favouring the end when more than two do (0 otherwise),
    /// given up as soon as it is known not to exceed `floor`, when it can no longer raise the
    /// radius. The end's likeliest members are asked first, then the others in list order; each
    /// pair is taken (in list order) as its later-asked member comes, and the least of them
    /// does not depend on the order of asking.
    double PairMinimumAbove(const SSpokeEnd& end, double floor) {
        const std::size_t n = m_shared.ideals.size();
        const CTrialMembers::SProbe probe = m_trial.Probe(end.point);
        m_favoring.clear();
        double least = kBodPairStart;
        const auto ask = [&](std::size_t c) {
            if (!m_trial.Prefers(c, probe))
                return false;
            for (const std::size_t b : m_favoring)
                least = std::min(least, b < c ? m_fromStatusQuo[b] + m_fromStatusQuo[c] -
                                                    m_shared.pairDistance[b * n + c]
                                              : m_fromStatusQuo[c] + m_fromStatusQuo[b] -
                                                    m_shared.pairDistance[c * n + b]);
            m_favoring.push_back(c);
            return least <= floor;
        };
        const std::size_t first = std::min(end.first, n), second = std::min(end.second, n);
        if ((first < n && ask(first)) || (second < n && second != first && ask(second)))
            return least;
        for (std::size_t c = 0; c < n; ++c)
            if (c != first && c != second && ask(c))
                return least;
        return m_favoring.size() > 2 ? least : 0.0;
    }

    const SFastShared& m_shared;
    std::vector<CMemberRuns> m_runs;
    CWinSetCounter m_counter;
    CTrialMembers m_trial;
    std::optional<CWinSetRowCounter> m_rowCounter;
    std::vector<SSpokeEnd> m_ends;
    std::vector<double> m_statusQuoDistances;
    std::vector<double> m_fromStatusQuo;
    std::vector<std::size_t> m_favoring;
};

} // namespace

std::optional<SThermographGrid> MapThermographFast(CVotingGame& game, int mode,
                                                   const SThermographSettings& settings) {
    SThermographGrid grid = MakeThermographGrid(game, mode);
    const std::optional<std::vector<signed char>> signs =
        ClassifyPixels(game, settings, grid.pixels);
    if (!signs || !MapSignedValues(game, mode, *signs, settings, grid))
        return std::nullopt;
    grid.location = *signs;
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
