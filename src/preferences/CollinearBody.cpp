#include "preferences/CollinearBody.h"

#include "geometry/GridMap.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "preferences/PreferenceSpec.h"

#include <algorithm>
#include <cmath>

namespace {

/// The ideal points of the members that vote, with their votes.
std::vector<std::pair<CFPoint, double>> VotingPoints(const CVotingGame& game) {
    std::vector<std::pair<CFPoint, double>> points;
    for (const CMember* member : game.Members())
        if (member->PrefType() != PREF_ABSTAIN)
            points.emplace_back(member->IdealPoint(), member->EffectiveVote());
    return points;
}

/// The unit direction from the first point to the farthest one; zero when all coincide.
CFPoint FarthestDirection(const std::vector<std::pair<CFPoint, double>>& points) {
    const CFPoint& o = points.front().first;
    double farthest = 0.0;
    CFPoint direction(0.0, 0.0);
    for (const auto& [p, votes] : points) {
        const double d = o.Distance(p);
        if (d > farthest) {
            farthest = d;
            direction = CFPoint((p.x - o.x) / d, (p.y - o.y) / d);
        }
    }
    return direction;
}

} // namespace

std::optional<SCollinearBody> CollinearBody(const CVotingGame& game) {
    return CollinearPoints(VotingPoints(game));
}

std::optional<SCollinearBody>
CollinearPoints(const std::vector<std::pair<CFPoint, double>>& points) {
    if (points.empty())
        return std::nullopt;
    SCollinearBody body;
    body.origin = points.front().first;
    body.direction = FarthestDirection(points);
    double extent = 0.0;
    for (const auto& [p, votes] : points)
        extent = std::max(extent, body.origin.Distance(p));
    for (const auto& [p, votes] : points) {
        const double dx = p.x - body.origin.x, dy = p.y - body.origin.y;
        // Off the line by more than rounding: a body in general position.
        if (std::fabs(dx * body.direction.y - dy * body.direction.x) > 1e-9 * extent)
            return std::nullopt;
        body.positions.push_back({dx * body.direction.x + dy * body.direction.y, votes, p});
    }
    std::stable_sort(body.positions.begin(), body.positions.end(),
                     [](const auto& a, const auto& b) { return a.t < b.t; });
    std::vector<SCollinearBody::SPosition> merged;
    for (const SCollinearBody::SPosition& position : body.positions) {
        if (!merged.empty() && std::fabs(position.t - merged.back().t) <= 1e-12 * extent)
            merged.back().votes += position.votes;
        else
            merged.push_back(position);
    }
    body.positions = std::move(merged);
    return body;
}

CFPoint CollinearMedian(const SCollinearBody& body) {
    double total = 0.0;
    for (const auto& position : body.positions)
        total += position.votes;
    double held = 0.0;
    for (const auto& position : body.positions) {
        held += position.votes;
        if (held >= total / 2.0)
            return position.point;
    }
    return body.positions.back().point;
}

std::optional<std::pair<CFPoint, CFPoint>> CollinearCore(const SCollinearBody& body, double quota) {
    double total = 0.0;
    for (const auto& position : body.positions)
        total += position.votes;
    // A point is beaten along the line when the members on one side of it hold a quota; the
    // candidates are the positions and the stretches between them.
    std::optional<CFPoint> first, last;
    double below = 0.0;
    for (std::size_t i = 0; i < body.positions.size(); ++i) {
        const SCollinearBody::SPosition& position = body.positions[i];
        const double above = total - below - position.votes;
        if (below < quota && above < quota) {
            first = first.value_or(position.point);
            last = position.point;
        }
        // The stretch up to the next position, where the members here have moved to the side.
        if (below + position.votes < quota && above < quota && i + 1 < body.positions.size()) {
            first = first.value_or(position.point);
            last = body.positions[i + 1].point;
        }
        below += position.votes;
    }
    if (!first)
        return std::nullopt;
    return std::make_pair(*first, *last);
}

CRgn SegmentCells(const CGridMap& map, const CFPoint& a, const CFPoint& b) {
    const QPoint from = map.WorldToCell(a), to = map.WorldToCell(b);
    // Steps of at most half a cell never skip a cell the segment passes through lengthwise.
    const int steps = 2 * std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())) + 1;
    std::vector<SIntRect> cells;
    QPoint previous(from.x() - 1, from.y() - 1);
    for (int i = 0; i <= steps; ++i) {
        const double f = static_cast<double>(i) / steps;
        const QPoint cell = map.WorldToCell(CFPoint(a.x + f * (b.x - a.x), a.y + f * (b.y - a.y)));
        if (cell != previous)
            cells.push_back({cell.x(), cell.y(), cell.x() + 1, cell.y() + 1});
        previous = cell;
    }
    CRgn region;
    region.CreateRectRgn(from.x(), from.y(), from.x() + 1, from.y() + 1);
    for (const SIntRect& r : cells) {
        CRgn cell;
        cell.CreateRectRgnIndirect(r);
        region.CombineRgn(region, cell, RGN_OR);
    }
    return region;
}

CRgn CollinearCoreCells(const SCollinearBody& body, double quota, const CGridMap& map) {
    if (const auto core = CollinearCore(body, quota))
        return SegmentCells(map, core->first, core->second);
    CRgn none;
    none.CreateRectRgn(0, 0, 0, 0);
    return none;
}
