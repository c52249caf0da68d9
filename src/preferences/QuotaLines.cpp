#include "preferences/QuotaLines.h"

#include "model/Member.h"
#include "model/VotingGame.h"

#include <cmath>

namespace {

enum class ESide { Positive, Negative, On };

ESide SideOf(const CFPoint& a, const CFPoint& b, const CFPoint& p) {
    const double c = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (c > 1e-8)
        return ESide::Positive;
    if (c < -1e-8)
        return ESide::Negative;
    return ESide::On;
}

/// The summed effective votes of the voting members on each side of the line A-B.
struct SSideWeights {
    double positive = 0.0;
    double negative = 0.0;
    double on = 0.0;
};

SSideWeights WeighSides(const std::vector<CMember*>& members, const CFPoint& a, const CFPoint& b) {
    SSideWeights w;
    for (const CMember* m : members) {
        if (m->PrefType() == PREF_ABSTAIN)
            continue;
        switch (SideOf(a, b, m->IdealPoint())) {
        case ESide::Positive:
            w.positive += m->EffectiveVote();
            break;
        case ESide::Negative:
            w.negative += m->EffectiveVote();
            break;
        case ESide::On:
            w.on += m->EffectiveVote();
            break;
        }
    }
    return w;
}

/// Classifies the line A-B; false when it is neither a quota line nor qualified.
bool Classify(CQuotaLine& line, const SSideWeights& w, ESide statusQuoSide, double q, double t) {
    const double wp = w.positive, wn = w.negative, wo = w.on;
    if (!((wp < q && wn <= t - q) || (wp <= t - q && wn < q)))
        return false;
    if (wo + wp >= q && wo + wn >= q) {
        line.quotaLine = line.qualified = true;
    } else if (wo + wp == q && wn <= t - q) {
        line.quotaLine = true;
        line.qualified = statusQuoSide != ESide::Positive;
    } else if (wo + wn == q && wp <= t - q) {
        line.quotaLine = true;
        line.qualified = statusQuoSide != ESide::Negative;
    }
    return line.quotaLine || line.qualified;
}

bool AlreadyListed(const std::vector<CQuotaLine>& lines, const CFLineSeg& segment) {
    for (const CQuotaLine& line : lines)
        if (line.segment.IsCoincident(segment))
            return true;
    return false;
}

} // namespace

bool ClassifyQuotaLine(const CVotingGame& game, CQuotaLine& line) {
    const double q = game.VoteQuota();
    const double t = game.VoteTotal();
    const CFPoint& pa = line.segment.GetP1();
    const CFPoint& pb = line.segment.GetP2();
    line.voteTotal = t;
    line.quota = q;
    line.quotaLine = line.qualified = false;
    return Classify(line, WeighSides(game.Members(), pa, pb), SideOf(pa, pb, game.StatusQuo()), q,
                    t);
}

std::vector<CQuotaLine> FindQuotaLines(const CVotingGame& game) {
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
