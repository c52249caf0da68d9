#include "concepts/UncoveredSet.h"

#include "concepts/ConceptsState.h"
#include "concepts/StatusQuoGuard.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "model/FormatNumber.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Cancellation.h"
#include "platform/Platform.h"
#include "preferences/CollinearBody.h"
#include "preferences/VoteGrid.h"

#include <algorithm>
#include <new>
#include <optional>
#include <set>
#include <utility>

CUncoveredSetEstimator::CUncoveredSetEstimator(CVotingGame& game, const CFCircle& yolk,
                                               int gridSize, int excludeYolk)
    : m_game(game), m_map(game.GridMap()), m_yolk(yolk), m_outer(yolk.center, 3.7 * yolk.radius),
      m_gridSize(gridSize > 0 ? gridSize : 10), m_excludeYolk(excludeYolk) {
    m_pareto = game.GetParetoSet();
    CreateCircleRgn(m_yolkRgn, m_yolk, m_map, 32);
    CreateCircleRgn(m_outerRgn, m_outer, m_map, 32);
    if (!CreatePolygonRgn(m_search, m_pareto, m_map))
        m_search.CreateRectRgn(0, 0, 0, 0);
    if (m_outerRgn.IsValid())
        m_search.CombineRgn(m_search, m_outerRgn, RGN_AND);
    if (m_yolkRgn.IsValid())
        m_result = m_yolkRgn;
    else
        m_result.CreateRectRgn(0, 0, 0, 0);
}

void CUncoveredSetEstimator::AddWinSet(std::vector<SPointWinSet>& list, const CFPoint& point) {
    std::unique_ptr<CMappedRegion> winSet = m_game.WinSetOfPoint(point, false);
    // A stopped vote count leaves a partial win set: never keep it.
    StopWhenCancelled();
    if (winSet)
        list.push_back({m_map.WorldToCell(point), winSet->GetRgn()});
}

std::vector<CUncoveredSetEstimator::SPointWinSet> CUncoveredSetEstimator::GridWinSets(int step) {
    const SIntRect device = OrderedDeviceRect(m_map);
    const double width = device.right - device.left;
    std::vector<SPointWinSet> list;
    SIntRect box;
    if (!IsEmptyRgn(m_search) && m_search.GetRgnBox(&box) != RGN_ERROR) {
        for (int x = box.left; x < box.right; x += step) {
            Platform().SetStatusText(1, " Progress - " + FormatNumber((x - box.left) / width));
            for (int y = box.top; y < box.bottom; y += step)
                if (m_search.PtInRegion(x, y))
                    AddWinSet(list, m_map.CellToWorld(x, y));
        }
    }
    AddWinSet(list, m_yolk.center);
    return list;
}

bool CUncoveredSetEstimator::EuclideanBody() const {
    return std::all_of(m_game.Members().begin(), m_game.Members().end(), [](const CMember* m) {
        return m->PrefType() == PREF_TRADEOFF && m->Preference().salience == 1.0;
    });
}

namespace {

/// Whether every cell of `inner` lies in `outer`, with cheap refusals first: a larger region or
/// one reaching beyond the other's bounding box cannot lie inside it.
bool Includes(const CRgn& outer, long long outerCells, const CRgn& inner, long long innerCells) {
    if (innerCells > outerCells)
        return false;
    SIntRect o, i;
    if (innerCells > 0 && outer.GetRgnBox(&o) != RGN_ERROR && inner.GetRgnBox(&i) != RGN_ERROR &&
        (i.left < o.left || i.top < o.top || i.right > o.right || i.bottom > o.bottom))
        return false;
    return RgnContains(outer, inner);
}

} // namespace

CRgn CUncoveredSetEstimator::CoveredSquares(const std::vector<SPointWinSet>& list, int step) const {
    std::vector<long long> cells;
    for (const SPointWinSet& entry : list)
        cells.push_back(RgnCellCount(entry.winSet));
    // A point covered several times gives one square; the union does not depend on the order.
    std::set<std::pair<int, int>> covered;
    for (std::size_t i = 0; i < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j) {
            if (Includes(list[i].winSet, cells[i], list[j].winSet, cells[j]))
                covered.insert({list[i].cell.x(), list[i].cell.y()});
            else if (Includes(list[j].winSet, cells[j], list[i].winSet, cells[i]))
                covered.insert({list[j].cell.x(), list[j].cell.y()});
        }
    const int h = std::max(1, (step + 1) / 2);
    CRgn squares;
    squares.CreateRectRgn(0, 0, 0, 0);
    for (const auto& [x, y] : covered) {
        CRgn square;
        square.CreateRectRgn(x - h, y - h, x + h, y + h);
        squares.CombineRgn(squares, square, RGN_OR);
    }
    return squares;
}

CRgn CUncoveredSetEstimator::GridMethod() {
    m_result = m_search;
    if (m_excludeYolk == 1 && m_yolkRgn.IsValid())
        m_search.CombineRgn(m_search, m_yolkRgn, RGN_DIFF);
    const SIntRect device = OrderedDeviceRect(m_map);
    // A grid finer than the chart would give a step of 0 cells and never advance.
    const int step = std::max(1, (device.right - device.left + 1) / m_gridSize);
    const std::vector<SPointWinSet> list = GridWinSets(step);
    if (EuclideanBody() && m_yolkRgn.IsValid())
        m_search.CombineRgn(m_search, m_yolkRgn, RGN_OR);
    m_result.CombineRgn(m_search, CoveredSquares(list, step), RGN_DIFF);
    if (!IsEmptyRgn(m_result)) {
        // Scaled out and back in about the grid origin: rounding the rectangles' edges on the
        // way evens out the ragged rim the covered squares leave.
        TransformRgn(m_result, SXForm{1.05, 0, 0, 1.05, 0, 0});
        TransformRgn(m_result, SXForm{0.9523809523809523, 0, 0, 0.9523809523809523, 0, 0});
    }
    return m_result;
}

namespace {

/// The uncovered set of members at one point (any rule) or on one line under majority rule:
/// the stretch of the line that nothing beats, whose points beat everything each point off it
/// beats, so it covers the rest. The estimators sample the inside of the Pareto set, which
/// such a body does not have. Nothing for any other body.
std::optional<CRgn> DegenerateUncoveredSet(const CVotingGame& game) {
    const std::optional<SCollinearBody> body = CollinearBody(game);
    if (!body || !(body->Coincident() || !(game.VoteRule() > 0.5)))
        return std::nullopt;
    return CollinearCoreCells(*body, game.VoteQuota(), game.GridMap());
}

} // namespace

void CVotingGame::FindUncoveredSet(int gridSize, int excludeYolk, int bjs) {
    if (!m_stale.IsStale(EConcept::UncoveredSet))
        return;
    try {
        const CStatusQuoGuard guard(*this);
        FindParetoSet();
        if (std::optional<CRgn> degenerate = DegenerateUncoveredSet(*this)) {
            ConceptsState().uncovered = std::move(*degenerate);
        } else {
            CUncoveredSetEstimator estimator(*this, GetYolkCircle(), gridSize, excludeYolk);
            CRgn result = bjs == 1 ? estimator.BJSMethod() : estimator.GridMethod();
            ConceptsState().uncovered = std::move(result);
        }
    } catch (const CComputationCancelled&) {
        // Stopped by the user: the previous set stays, and so does the out-of-date flag.
        return;
    } catch (const std::bad_alloc&) {
        MessageBoxOk(
            "CVotingGame::FindUncoveredSet - memory exception allocating uncovered set region");
    }
    m_stale.MarkFresh(EConcept::UncoveredSet);
}

std::unique_ptr<CRgn> CVotingGame::GetUncoveredSetRgn(int gridSize, int excludeYolk, int bjs) {
    FindUncoveredSet(gridSize, excludeYolk, bjs);
    try {
        return std::make_unique<CRgn>(ConceptsState().uncovered);
    } catch (const std::bad_alloc&) {
        MessageBoxOk("CVotingGame::GetUncoveredSetRgn - memory exception allocating unoovered "
                     "set region");
        return nullptr;
    }
}

int CVotingGame::IsInsideUncoveredSet(const CFPoint& point, int gridSize, int excludeYolk,
                                      int bjs) {
    FindUncoveredSet(gridSize, excludeYolk, bjs);
    const QPoint cell = m_gridMap.WorldToCell(point);
    return ConceptsState().uncovered.PtInRegion(cell.x(), cell.y()) ? 1 : 0;
}

double CVotingGame::GetUncoveredSetArea(int gridSize, int excludeYolk, int bjs) {
    FindUncoveredSet(gridSize, excludeYolk, bjs);
    return RgnArea(ConceptsState().uncovered, m_gridMap);
}
