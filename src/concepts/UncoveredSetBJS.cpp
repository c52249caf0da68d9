#include "concepts/UncoveredSet.h"

#include "model/FormatNumber.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Cancellation.h"
#include "platform/Platform.h"

#include <algorithm>
#include <cstdint>

namespace {

/// A square matrix of bits, one row of 64-bit words per point.
class CBitMatrix {
public:
    explicit CBitMatrix(std::size_t n) : m_words((n + 63) / 64), m_bits(n * m_words, 0) {}
    void Set(std::size_t row, std::size_t column) {
        m_bits[row * m_words + column / 64] |= std::uint64_t{1} << (column % 64);
    }
    bool Test(std::size_t row, std::size_t column) const {
        return (m_bits[row * m_words + column / 64] >> (column % 64)) & 1U;
    }
    /// Whether row `inner`, leaving out two columns, holds no bit that row `outer` lacks.
    bool RowWithin(std::size_t inner, std::size_t outer, std::size_t skip1,
                   std::size_t skip2) const {
        for (std::size_t w = 0; w < m_words; ++w) {
            std::uint64_t extra = m_bits[inner * m_words + w] & ~m_bits[outer * m_words + w];
            for (std::size_t skip : {skip1, skip2})
                if (skip / 64 == w)
                    extra &= ~(std::uint64_t{1} << (skip % 64));
            if (extra)
                return false;
        }
        return true;
    }

private:
    std::size_t m_words;
    std::vector<std::uint64_t> m_bits;
};

} // namespace

bool BeatsByDistance(const CVotingGame& game, const CFPoint& a, const CFPoint& b, double quota) {
    double sum = 0.0;
    for (const CMember* member : game.Members()) {
        if (member->SquaredDistance(b) > member->SquaredDistance(a)) {
            sum += member->EffectiveVote();
            if (sum >= quota)
                return true;
        }
    }
    return false;
}

BeatsTable BeatsMatrixByPairs(const CVotingGame& game, const std::vector<CFPoint>& lattice,
                              double quota) {
    const std::size_t n = lattice.size();
    BeatsTable beats(n, std::vector<bool>(n, false));
    for (std::size_t k = 0; k < n; ++k) {
        StopWhenCancelled();
        for (std::size_t m = 0; m < n; ++m)
            beats[k][m] = m != k && BeatsByDistance(game, lattice[k], lattice[m], quota);
    }
    return beats;
}

namespace {

/// Every lattice point's squared distance to each member, a row per point.
std::vector<double> DistanceRows(const CVotingGame& game, const std::vector<CFPoint>& lattice) {
    std::vector<double> rows;
    rows.reserve(lattice.size() * game.Members().size());
    for (const CFPoint& point : lattice)
        for (const CMember* member : game.Members())
            rows.push_back(member->SquaredDistance(point));
    return rows;
}

/// Above this many stored distances (256 MB) the relation is worked out pair by pair.
constexpr std::size_t kMaxDistanceRows = std::size_t{1} << 25;

} // namespace

BeatsTable BeatsMatrix(const CVotingGame& game, const std::vector<CFPoint>& lattice, double quota) {
    const std::size_t n = lattice.size(), count = game.Members().size();
    if (n * count > kMaxDistanceRows)
        return BeatsMatrixByPairs(game, lattice, quota);
    std::vector<double> votes;
    for (const CMember* member : game.Members())
        votes.push_back(member->EffectiveVote());
    const std::vector<double> rows = DistanceRows(game, lattice);
    BeatsTable beats(n, std::vector<bool>(n, false));
    for (std::size_t k = 0; k < n; ++k) {
        StopWhenCancelled();
        const double* a = rows.data() + k * count;
        for (std::size_t m = k + 1; m < n; ++m) {
            const double* b = rows.data() + m * count;
            // Both directions in one walk. Votes are never negative, so a running sum only
            // grows: once a member prefers a point, its sum reaches the quota somewhere exactly
            // when its end does, and the members who do not prefer it add nothing.
            double forK = 0.0, forM = 0.0;
            bool closerToK = false, closerToM = false;
            for (std::size_t i = 0; i < count; ++i) {
                closerToK |= b[i] > a[i];
                closerToM |= a[i] > b[i];
                forK += b[i] > a[i] ? votes[i] : 0.0;
                forM += a[i] > b[i] ? votes[i] : 0.0;
            }
            beats[k][m] = closerToK && forK >= quota;
            beats[m][k] = closerToM && forM >= quota;
        }
    }
    return beats;
}

std::vector<bool> UncoveredPoints(const BeatsTable& beats, const std::vector<bool>& accepted) {
    const std::size_t n = beats.size();
    // beatenBy row m holds every t that beats m.
    CBitMatrix beatenBy(n);
    for (std::size_t t = 0; t < n; ++t)
        for (std::size_t m = 0; m < n; ++m)
            if (beats[t][m])
                beatenBy.Set(m, t);
    std::vector<bool> uncovered(n, false);
    for (std::size_t x = 0; x < n; ++x) {
        if (accepted[x])
            continue;
        bool covered = false;
        for (std::size_t m = 0; m < n && !covered; ++m)
            covered = m != x && beats[m][x] && beatenBy.RowWithin(m, x, m, x);
        uncovered[x] = !covered;
    }
    return uncovered;
}

std::vector<CFPoint> CUncoveredSetEstimator::ParetoLattice(int n) const {
    const std::vector<CFPoint>& corners = m_pareto.Points();
    if (corners.empty())
        return {};
    const auto [left, right] =
        std::minmax_element(corners.begin(), corners.end(),
                            [](const CFPoint& a, const CFPoint& b) { return a.x < b.x; });
    const auto [bottom, top] =
        std::minmax_element(corners.begin(), corners.end(),
                            [](const CFPoint& a, const CFPoint& b) { return a.y < b.y; });
    const double width = right->x - left->x, height = top->y - bottom->y;
    // Counted steps, edges included: a box of no width or height gives one column or row.
    const int columns = width > 0.0 ? n : 0, rows = height > 0.0 ? n : 0;
    std::vector<CFPoint> lattice;
    for (int i = 0; i <= columns; ++i)
        for (int j = 0; j <= rows; ++j) {
            const CFPoint point(left->x + i * width / n, bottom->y + j * height / n);
            if (m_pareto.Contains(point))
                lattice.push_back(point);
        }
    return lattice;
}

std::vector<CFPoint> CUncoveredSetEstimator::Lattice(int n) const {
    // A yolk of no radius (or no yolk) gives no outer circle to scale the lattice by, and a
    // lattice over the chart could miss the Pareto set altogether.
    if (!m_outerRgn.IsValid())
        return ParetoLattice(n);
    const SEdges& w = m_map.WorldWindow();
    const double width = w.right - w.left, height = w.top - w.bottom;
    std::vector<CFPoint> lattice;
    for (double x = w.left; x < w.right; x += width / n)
        for (double y = w.bottom; y < w.top; y += height / n) {
            const CFPoint point(x, y);
            if (point.Distance(m_outer.center) <= m_outer.radius && m_pareto.Contains(point))
                lattice.push_back(point);
        }
    return lattice;
}

void CUncoveredSetEstimator::EvaluatePass(const std::vector<CFPoint>& lattice,
                                          const std::string& prefix, double hx, double hy,
                                          double quota) {
    const CRgn snapshot = m_result;
    const std::size_t n = lattice.size();
    std::vector<bool> accepted(n);
    for (std::size_t k = 0; k < n; ++k) {
        const QPoint cell = m_map.WorldToCell(lattice[k]);
        accepted[k] = snapshot.PtInRegion(cell.x(), cell.y());
    }
    const std::vector<bool> uncovered =
        UncoveredPoints(BeatsMatrix(m_game, lattice, quota), accepted);
    for (std::size_t k = 0; k < n; ++k) {
        StopWhenCancelled();
        Platform().SetStatusText(1, prefix + " Progress - " +
                                        FormatNumber(static_cast<double>(k) / n));
        if (!accepted[k] && !uncovered[k])
            continue;
        const QPoint a = m_map.WorldToCell(CFPoint(lattice[k].x - hx, lattice[k].y - hy));
        const QPoint b = m_map.WorldToCell(CFPoint(lattice[k].x + hx, lattice[k].y + hy));
        CRgn square;
        square.CreateRectRgn(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                             std::max(a.y(), b.y()));
        m_result.CombineRgn(m_result, square, RGN_OR);
    }
    m_result.CombineRgn(m_result, m_search, RGN_AND);
}

CRgn CUncoveredSetEstimator::BJSMethod() {
    const double quota = m_game.VoteQuota();
    const SEdges& w = m_map.WorldWindow();
    const double hx = ((w.right - w.left) / m_gridSize + 1) * 0.5;
    const double hy = ((w.top - w.bottom) / m_gridSize + 1) * 0.5;
    // Grid sizes under 4 would give a first pass of no cells per side (and a step of width / 0).
    int n = std::max(1, m_gridSize / 4);
    for (int pass = 1; pass <= 4; ++pass, n *= 2) {
        StopWhenCancelled();
        EvaluatePass(Lattice(n), " Pass - " + std::to_string(pass) + " of 4; ", hx, hy, quota);
    }
    return m_result;
}
