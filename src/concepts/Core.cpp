#include "concepts/Core.h"

#include "concepts/ConceptRegions.h"
#include "concepts/ConceptsState.h"
#include "geometry/FRect.h"
#include "geometry/RgnHelpers.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/CollinearBody.h"
#include "preferences/QuotaLines.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <numbers>

namespace {

/// The cross product of B - A and P - A, read with the quota lines' side tolerance.
int SideOf(const CFLineSeg& line, const CFPoint& p) {
    const CFPoint& a = line.GetP1();
    const CFPoint& b = line.GetP2();
    const double c = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    return c > 1e-8 ? 1 : (c < -1e-8 ? -1 : 0);
}

bool SamePolygon(const CFPolygon& a, const CFPolygon& b) {
    return a.Points().size() == b.Points().size() &&
           std::equal(a.Points().begin(), a.Points().end(), b.Points().begin(),
                      [](const CFPoint& p, const CFPoint& q) { return p.x == q.x && p.y == q.y; });
}

/// The chart's issue rectangle widened by the radius on every side.
CFRect WidenedWindow(const CGridMap& map, double radius) {
    const SEdges& w = map.WorldWindow();
    return CFRect(std::min(w.left, w.right) - radius, std::max(w.left, w.right) + radius,
                  std::max(w.top, w.bottom) + radius, std::min(w.top, w.bottom) - radius);
}

/// The cells of an issue rectangle, corners ordered.
void CreateCellRect(CRgn& target, const CFRect& rect, const CGridMap& map) {
    const QPoint a = map.WorldToCell(CFPoint(rect.left, rect.top));
    const QPoint b = map.WorldToCell(CFPoint(rect.right, rect.bottom));
    target.CreateRectRgn(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::max(a.x(), b.x()),
                         std::max(a.y(), b.y()));
}

} // namespace

SCoreCircle FindCoreCircle(const CVotingGame& game) {
    SCoreCircle circle;
    const double total = game.VoteTotal();
    for (const CMember* member : game.Members()) {
        circle.centre.x += member->EffectiveVote() * member->IdealPoint().x;
        circle.centre.y += member->EffectiveVote() * member->IdealPoint().y;
    }
    circle.centre.x /= total;
    circle.centre.y /= total;
    double farthest = 0.0;
    for (const CMember* member : game.Members()) {
        const double dx = member->IdealPoint().x - circle.centre.x;
        const double dy = member->IdealPoint().y - circle.centre.y;
        farthest = std::max(farthest, dx * dx + dy * dy);
    }
    circle.radius = std::sqrt(farthest);
    return circle;
}

CQuotaLineTest::CQuotaLineTest(const CVotingGame& game, const std::vector<CQuotaLine>& lines)
    : m_lines(lines) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    m_kinds.reserve(lines.size());
    for (const CQuotaLine& line : lines) {
        double wp = 0.0, wn = 0.0, wo = 0.0;
        for (const CMember* member : game.Members()) {
            if (member->PrefType() == PREF_ABSTAIN)
                continue;
            const int side = SideOf(line.segment, member->IdealPoint());
            (side > 0 ? wp : (side < 0 ? wn : wo)) += member->EffectiveVote();
        }
        EKind kind = EKind::Never;
        if ((wp < q && wn <= t - q) || (wp <= t - q && wn < q)) {
            if (wo + wp >= q && wo + wn >= q)
                kind = EKind::Always;
            else if (wo + wp == q && wn <= t - q)
                kind = EKind::UnlessPositive;
            else if (wo + wn == q && wp <= t - q)
                kind = EKind::UnlessNegative;
        }
        m_kinds.push_back(kind);
    }
}

bool CQuotaLineTest::QualifiedAt(std::size_t index, const CFPoint& point) const {
    switch (m_kinds[index]) {
    case EKind::Always:
        return true;
    case EKind::UnlessPositive:
        return SideOf(m_lines[index].segment, point) <= 0;
    case EKind::UnlessNegative:
        return SideOf(m_lines[index].segment, point) >= 0;
    case EKind::Never:
        break;
    }
    return false;
}

void CCore::Find(CVotingGame& game, int samples) {
    m_rgn.DeleteObject();
    // Without votes (every member abstaining under relative plurality) there is no centre.
    if (!(game.VoteRule() > 0.5) || game.Members().empty() || samples <= 0 ||
        !(game.VoteTotal() > 0.0))
        return;
    // Members on one line (or at one point) cut no half-plane off: the core is worked out on
    // their line instead of being the whole chart.
    if (const std::optional<SCollinearBody> body = CollinearBody(game)) {
        m_rgn = CollinearCoreCells(*body, game.VoteQuota(), game.GridMap());
        return;
    }
    const SCoreCircle circle = FindCoreCircle(game);
    const std::vector<CQuotaLine>& lines = game.GetQuotaLines();
    const CQuotaLineTest test(game, lines);
    const CFRect widened = WidenedWindow(game.GridMap(), circle.radius);
    CreateCellRect(m_rgn, widened, game.GridMap());
    // Sample points on the same side of a line cut off the same part of the rectangle, and
    // intersecting with a part twice changes nothing, so each distinct part is applied once.
    std::vector<std::vector<CFPolygon>> applied(lines.size());
    for (int e = 0; e < samples; ++e) {
        const double angle = e * 2.0 * std::numbers::pi / samples;
        const CFPoint sample(circle.centre.x + circle.radius * std::cos(angle),
                             circle.centre.y + circle.radius * std::sin(angle));
        for (std::size_t i = 0; i < lines.size(); ++i) {
            // A sample on the line (it can be the farthest ideal point itself) has no side
            // away from it: either half would be an arbitrary cut, so the pair is passed over.
            if (!test.QualifiedAt(i, sample) || SideOf(lines[i].segment, sample) == 0)
                continue;
            CFPolygon part = ClipRectByLine(widened, lines[i].segment, sample, 0);
            if (std::any_of(applied[i].begin(), applied[i].end(),
                            [&part](const CFPolygon& p) { return SamePolygon(p, part); }))
                continue;
            CRgn cut;
            if (CreatePolygonRgn(cut, part, game.GridMap()))
                m_rgn.CombineRgn(m_rgn, cut, RGN_AND);
            applied[i].push_back(std::move(part));
        }
    }
}

void CVotingGame::FindCore(int samples) {
    if (!m_stale.IsStale(EConcept::Core))
        return;
    ConceptsState().core.Find(*this, samples);
    m_stale.MarkFresh(EConcept::Core);
}

std::unique_ptr<CRgn> CVotingGame::GetCoreRgn(int samples) {
    FindCore(samples);
    try {
        auto copy = std::make_unique<CRgn>(ConceptsState().core.Rgn());
        if (!copy->IsValid())
            copy->CreateRectRgn(0, 0, 0, 0);
        return copy;
    } catch (const std::bad_alloc&) {
        MessageBoxOk("memory exception allocating core region");
        return nullptr;
    }
}

CFRect CVotingGame::GetCoreBounds(int samples) {
    FindCore(samples);
    return RegionBounds(ConceptsState().core.Rgn(), m_gridMap);
}

double CVotingGame::GetCoreArea(int samples) {
    FindCore(samples);
    return RgnArea(ConceptsState().core.Rgn(), m_gridMap);
}

int CVotingGame::IsInsideCore(const CFPoint& point, int samples) {
    FindCore(samples);
    const QPoint cell = m_gridMap.WorldToCell(point);
    return ConceptsState().core.Rgn().PtInRegion(cell.x(), cell.y()) ? 1 : 0;
}
