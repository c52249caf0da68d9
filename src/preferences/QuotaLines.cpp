#include "preferences/QuotaLines.h"

#include "model/Member.h"
#include "model/VotingGame.h"

#include <cmath>

namespace {

/// Classifies the line A-B; false when it is neither a quota line nor qualified.
bool Classify(CQuotaLine& line, const SSideWeights& w, int statusQuoSide, double q, double t) {
    switch (QuotaLineKind(w, q, t)) {
    case EQuotaLineKind::None:
        break;
    case EQuotaLineKind::BothSides:
        line.quotaLine = line.qualified = true;
        break;
    case EQuotaLineKind::PositiveExactly:
        line.quotaLine = true;
        line.qualified = statusQuoSide != 1;
        break;
    case EQuotaLineKind::NegativeExactly:
        line.quotaLine = true;
        line.qualified = statusQuoSide != -1;
        break;
    }
    return line.quotaLine || line.qualified;
}

int SideOf(const CFPoint& a, const CFPoint& b, const CFPoint& p) {
    return SideOfLine(b.x - a.x, b.y - a.y, p.x - a.x, p.y - a.y);
}

bool AlreadyListed(const std::vector<CQuotaLine>& lines, const CFLineSeg& segment) {
    for (const CQuotaLine& line : lines)
        if (line.segment.IsCoincident(segment))
            return true;
    return false;
}

} // namespace

SSideWeights WeighSides(const std::vector<CMember*>& members, const CFPoint& a, const CFPoint& b) {
    SSideWeights w;
    for (const CMember* m : members) {
        if (m->PrefType() == PREF_ABSTAIN)
            continue;
        const int side = SideOf(a, b, m->IdealPoint());
        (side > 0 ? w.positive : (side < 0 ? w.negative : w.on)) += m->EffectiveVote();
    }
    return w;
}

bool ClassifyWeighedLine(CQuotaLine& line, const SSideWeights& weights, const CFPoint& statusQuo) {
    line.quotaLine = line.qualified = false;
    const CFPoint& pa = line.segment.GetP1();
    const CFPoint& pb = line.segment.GetP2();
    return Classify(line, weights, SideOf(pa, pb, statusQuo), line.quota, line.voteTotal);
}

bool ClassifyQuotaLine(const CVotingGame& game, CQuotaLine& line) {
    line.voteTotal = game.VoteTotal();
    line.quota = game.VoteQuota();
    return ClassifyWeighedLine(
        line, WeighSides(game.Members(), line.segment.GetP1(), line.segment.GetP2()),
        game.StatusQuo());
}

std::vector<CQuotaLine> FindQuotaLinesNaive(const CVotingGame& game) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    const std::vector<CMember*>& members = game.Members();
    std::vector<CQuotaLine> lines;
    for (size_t i = 0; i < members.size(); ++i) {
        const CMember* a = members[i];
        if (a->PrefType() == PREF_ABSTAIN)
            continue;
        for (size_t j = i + 1; j < members.size(); ++j) {
            const CMember* b = members[j];
            const CFPoint& pa = a->IdealPoint();
            const CFPoint& pb = b->IdealPoint();
            if (b->PrefType() == PREF_ABSTAIN ||
                (std::fabs(pa.x - pb.x) <= 1e-7 && std::fabs(pa.y - pb.y) <= 1e-7))
                continue;
            CQuotaLine line{CFLineSeg(pa, pb), a, b, t, q};
            if (ClassifyQuotaLine(game, line) && !AlreadyListed(lines, line.segment))
                lines.push_back(line);
        }
    }
    return lines;
}

SSpokes FindSpokes(const CVotingGame& game, const std::vector<CQuotaLine>& quotaLines) {
    SSpokes result;
    const CFPoint& sq = game.StatusQuo();
    for (const CQuotaLine& line : quotaLines) {
        const CFPoint& a = line.segment.GetP1();
        const CFPoint& b = line.segment.GetP2();
        const double dx = b.x - a.x, dy = b.y - a.y;
        const double u = ((sq.x - a.x) * dx + (sq.y - a.y) * dy) / (dx * dx + dy * dy);
        const CFLineSeg spoke(sq, CFPoint(a.x + u * dx, a.y + u * dy));
        if (spoke.GetLength() > 1e-7) {
            result.spokes.push_back(spoke);
            result.length = std::max(result.length, spoke.GetLength());
        }
    }
    for (const CMember* member : game.Members()) {
        const CFPoint& b = member->IdealPoint();
        const CFLineSeg spoke(b, sq);
        const double c = spoke.GetLength();
        if (c > result.length &&
            game.PointBeatsStatusQuo(CFPoint(2 * b.x - sq.x, 2 * b.y - sq.y))) {
            result.length = c;
            result.spokes.push_back(spoke);
        }
    }
    return result;
}

bool AreSpokesInside(const std::vector<CFLineSeg>& spokes, const SEdges& window) {
    const auto inside = [&window](const CFPoint& p) {
        return p.x >= window.left && p.x <= window.right && p.y >= window.bottom &&
               p.y <= window.top;
    };
    for (const CFLineSeg& spoke : spokes) {
        const CFPoint& start = spoke.GetP1();
        const CFPoint& end = spoke.GetP2();
        const CFPoint beyond(2 * start.x - end.x, 2 * start.y - end.y);
        if (!inside(beyond) || !inside(end))
            return false;
    }
    return true;
}
