#include "preferences/Yolk.h"

#include "concepts/PowerIndex.h"
#include "model/Member.h"
#include "model/VotingGame.h"
#include "platform/Platform.h"
#include "preferences/CollinearBody.h"
#include "preferences/MemberFan.h"
#include "preferences/QuotaLineIndex.h"
#include "preferences/YolkPairSweep.h"

#include <cmath>
#include <numbers>

namespace {

/// The lines of the triangle's first parallel pair, as positions in the triple; none (-1)
/// without a parallel pair.
std::array<int, 2> ParallelSides(const CFTriangle& triangle) {
    if (triangle.IsParallel(CFTriangle::E0E1))
        return {0, 1};
    if (triangle.IsParallel(CFTriangle::E0E2))
        return {0, 2};
    if (triangle.IsParallel(CFTriangle::E1E2))
        return {1, 2};
    return {-1, -1};
}

/// A yolk of radius 0 where no triangle of quota lines has any size: about the crossing of the
/// first two lines (the middle of their strip when they are parallel, as no crossing exists),
/// or the middle of a single line.
void DegenerateYolk(const std::vector<CQuotaLine>& lines, SYolk& yolk) {
    yolk.radius = 0.0;
    if (lines.empty()) {
        yolk.center = CFPoint();
        yolk.triangle = CFTriangle();
        return;
    }
    const CFLineSeg& first = lines[0].segment;
    if (lines.size() == 1) {
        yolk.center = CFPoint((first.GetP1().x + first.GetP2().x) / 2,
                              (first.GetP1().y + first.GetP2().y) / 2);
    } else if (first.IsParallel(lines[1].segment)) {
        const CFPoint& a = first.GetP1();
        const CFLineSeg& second = lines[1].segment;
        const CFPoint& s1 = second.GetP1();
        const double dx = second.GetP2().x - s1.x;
        const double dy = second.GetP2().y - s1.y;
        const double t = ((a.x - s1.x) * dx + (a.y - s1.y) * dy) / (dx * dx + dy * dy);
        yolk.center = CFPoint((a.x + s1.x + t * dx) / 2, (a.y + s1.y + t * dy) / 2);
    } else {
        yolk.center = IntersectLines(first, lines[1].segment);
    }
    // A tiny triangle keeps the yolk drawable where it has shrunk to a point.
    const double r = 1e-7;
    const CFPoint& c = yolk.center;
    const auto corner = [&](double angle) {
        return CFPoint(c.x + r * std::cos(angle), c.y + r * std::sin(angle));
    };
    yolk.triangle =
        CFTriangle(corner(4 * std::numbers::pi / 3), corner(2 * std::numbers::pi / 3), corner(0.0));
}

void FirstPass(CVotingGame& game, const std::vector<CQuotaLine>& lines, SYolk& yolk,
               EYolkSearch search) {
    const SYolkTriangle best = FindYolkTriangle(lines, search);
    if (!best.found) {
        DegenerateYolk(lines, yolk);
        return;
    }
    yolk.triangle = best.triangle;
    yolk.center = best.triangle.GetIncentre();
    yolk.radius = best.radius;
    const std::array<int, 2> sides = ParallelSides(best.triangle);
    if (sides[0] < 0)
        return;
    // Two parallel sides leave the incentre undefined; the median points of the sides fix the
    // yolk across the strip.
    MessageBoxOk("Bi-parallel yolk found.");
    const CFPoint a = game.GetMedianPoint(
        lines[static_cast<size_t>(best.lines[static_cast<size_t>(sides[0])])].segment);
    const CFPoint b = game.GetMedianPoint(
        lines[static_cast<size_t>(best.lines[static_cast<size_t>(sides[1])])].segment);
    yolk.center = CFPoint((a.x + b.x) / 2, (a.y + b.y) / 2);
    yolk.radius = a.Distance(b) / 2;
}

/// Tests the line through P at right angles to the direction; lists it when it passes.
bool PerpendicularPasses(CVotingGame& game, const CMember* member, const CFPoint& p,
                         const CFPoint& direction, CQuotaLine& line) {
    line = CQuotaLine{PerpendicularThrough(p, direction), member};
    return ClassifyQuotaLine(game, line);
}

/// The game's list with the lines it holds filed for the look-up of coincident lines.
struct SListedLines {
    explicit SListedLines(std::vector<CQuotaLine>& list) : lines(list) {
        for (const CQuotaLine& line : lines)
            index.File(line.segment);
    }
    void Add(const CQuotaLine& line) {
        if (index.Insert(line.segment))
            lines.push_back(line);
    }

    std::vector<CQuotaLine>& lines;
    CQuotaLineIndex index;
};

/// Even vote totals: pairs of members whose perpendiculars to the line joining them are both
/// quota lines.
bool AddPairPerpendiculars(CVotingGame& game, const std::vector<SMemberPower>& ranked,
                           SListedLines& lines, SYolk& yolk) {
    const CFPoint centre = yolk.center;
    bool added = false;
    for (size_t i = 0; i < ranked.size(); ++i) {
        const CFPoint& a = ranked[i].member->IdealPoint();
        for (size_t j = i + 1; j < ranked.size(); ++j) {
            const CFPoint& v = ranked[j].member->IdealPoint();
            // Coincident points give no direction to stand across.
            if (a == centre || v == centre ||
                (std::fabs(a.x - v.x) <= 1e-7 && std::fabs(a.y - v.y) <= 1e-7))
                continue;
            const CFPoint d(v.x - a.x, v.y - a.y);
            CQuotaLine throughA, throughV;
            if (PerpendicularPasses(game, ranked[i].member, a, d, throughA) &&
                PerpendicularPasses(game, ranked[j].member, v, d, throughV)) {
                yolk.extraPoints.push_back(a);
                yolk.extraPoints.push_back(v);
                lines.Add(throughA);
                lines.Add(throughV);
                added = true;
            }
        }
    }
    return added;
}

/// Odd vote totals: members whose perpendicular to the line from the yolk centre is a quota
/// line. The plain search classifies each line against the game's members; the pruned one takes
/// the voters, quota and total once and weighs each line voter by voter in list order, the
/// same sums.
bool AddCentrePerpendiculars(CVotingGame& game, const std::vector<SMemberPower>& ranked,
                             SListedLines& lines, SYolk& yolk, EYolkSearch search) {
    const CFPoint centre = yolk.center;
    const CVoterSet voters(game.Members());
    const double total = game.VoteTotal(), quota = game.VoteQuota();
    bool added = false;
    for (const SMemberPower& entry : ranked) {
        const CFPoint& e = entry.member->IdealPoint();
        if (e == centre)
            continue;
        const CFPoint direction(e.x - centre.x, e.y - centre.y);
        CQuotaLine line{PerpendicularThrough(e, direction), entry.member, nullptr, total, quota};
        const bool passes =
            search == EYolkSearch::Plain
                ? PerpendicularPasses(game, entry.member, e, direction, line)
                : ClassifyWeighedLine(line,
                                      voters.WeighSides(line.segment.GetP1(), line.segment.GetP2()),
                                      game.StatusQuo());
        if (passes) {
            yolk.extraPoints.push_back(e);
            lines.Add(line);
            added = true;
        }
    }
    return added;
}

/// Adds the quota lines that pass through a single ideal point, taking the members by power;
/// true when any was found.
bool SecondPass(CVotingGame& game, std::vector<CQuotaLine>& lines, SYolk& yolk, EYolkSearch search,
                SPairPerpendiculars* pairs) {
    const std::vector<SMemberPower> ranked =
        game.GetMembersByPower(0, kYolkPowerDirections, kYolkPowerOffset);
    if (std::fmod(game.VoteTotal(), 2.0) != 0.0) {
        SListedLines listed(lines);
        return AddCentrePerpendiculars(game, ranked, listed, yolk, search);
    }
    if (search == EYolkSearch::Pruned) {
        const CVoterSet voters(game.Members());
        if (voters.Sweepable()) {
            SPairPerpendiculars found;
            SPairPerpendiculars& record = pairs ? *pairs : found;
            if (!record.Fits(ranked, game.VoteQuota(), game.VoteTotal()))
                record = FindPairPerpendiculars(game, ranked, voters);
            return AddRecordedPairs(record, game.StatusQuo(), lines, yolk);
        }
    }
    SListedLines listed(lines);
    return AddPairPerpendiculars(game, ranked, listed, yolk);
}

} // namespace

void FindYolk(CVotingGame& game, std::vector<CQuotaLine>& lines, SYolk& yolk, EYolkSearch search,
              SPairPerpendiculars* pairs) {
    yolk = SYolk{};
    if (game.Members().size() < 2)
        return;
    // Members on one line (or at one point) share their one median line: no triangle of lines
    // closes about anything, and the yolk is the median member.
    if (const std::optional<SCollinearBody> body = CollinearBody(game)) {
        yolk.center = CollinearMedian(*body);
        return;
    }
    if (lines.size() < 2)
        return;
    FirstPass(game, lines, yolk, search);
    if (SecondPass(game, lines, yolk, search, pairs))
        FirstPass(game, lines, yolk, search);
}
