#include "preferences/QuotaLineIndex.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Cells far wider than the 1e-8 coincidence tolerance, so coincident lines always fall into
// the same cell or a neighbouring one.
constexpr double kCell = 1e-6;
const std::int64_t kDirections = static_cast<std::int64_t>(std::ceil(std::numbers::pi / kCell));

std::int64_t InterceptCell(double intercept) {
    if (!std::isfinite(intercept))
        return 0;
    return static_cast<std::int64_t>(std::floor(std::clamp(intercept / kCell, -4e18, 4e18)));
}

} // namespace

CQuotaLineIndex::SCell CQuotaLineIndex::CellOf(const CFLineSeg& segment) {
    // The direction folded onto [0, pi): lines running opposite ways are parallel.
    double angle =
        std::atan2(segment.GetP2().y - segment.GetP1().y, segment.GetP2().x - segment.GetP1().x);
    if (angle < 0.0)
        angle += std::numbers::pi;
    const std::int64_t direction =
        std::clamp<std::int64_t>(static_cast<std::int64_t>(angle / kCell), 0, kDirections - 1);
    const double intercept =
        segment.IsVertical() ? segment.GetXIntercept() : segment.GetYIntercept();
    return {direction, InterceptCell(intercept)};
}

std::uint64_t CQuotaLineIndex::Hash(std::int64_t direction, std::int64_t intercept) {
    return static_cast<std::uint64_t>(direction) * 0x9E3779B97F4A7C15ull ^
           static_cast<std::uint64_t>(intercept);
}

bool CQuotaLineIndex::Contains(const CFLineSeg& segment) const {
    const SCell cell = CellOf(segment);
    for (std::int64_t dd = -1; dd <= 1; ++dd) {
        const std::int64_t direction = (cell.direction + dd + kDirections) % kDirections;
        for (std::int64_t di = -1; di <= 1; ++di) {
            const auto found = m_cells.find(Hash(direction, cell.intercept + di));
            if (found == m_cells.end())
                continue;
            for (std::size_t at : found->second)
                if (m_lines[at].IsCoincident(segment))
                    return true;
        }
    }
    return false;
}

void CQuotaLineIndex::File(const CFLineSeg& segment) {
    const SCell cell = CellOf(segment);
    m_cells[Hash(cell.direction, cell.intercept)].push_back(m_lines.size());
    m_lines.push_back(segment);
}

bool CQuotaLineIndex::Insert(const CFLineSeg& segment) {
    if (Contains(segment))
        return false;
    File(segment);
    return true;
}
