// Model functions that read out points, areas and memberships of the solution concepts.
#include "document/QueltaDoc.h"
#include "platform/TextUtil.h"
#include "script/ScriptBindings.h"

#include <cmath>

namespace {

CVotingGame& Game(CScriptCall& call) {
    return call.Doc().Game();
}

const DisplayConfig& Config(CScriptCall& call) {
    return call.Doc().Config();
}

CFPoint Copeland(CScriptCall& call) {
    return Game(call).GetCopeland(Config(call).nCopeland, Config(call).dCopeland);
}

double CoreArea(CScriptCall& call) {
    return Game(call).GetCoreArea(Config(call).nCore);
}

double HeartArea(CScriptCall& call) {
    return Game(call).GetHeartArea(Config(call).nCore);
}

double UncoveredSetArea(CScriptCall& call) {
    const DisplayConfig& c = Config(call);
    return Game(call).GetUncoveredSetArea(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS);
}

SScriptValue Number(double value) {
    return ScriptNumber(value);
}

SScriptValue GetStatusQuoH(CScriptCall& call) {
    return Number(Game(call).StatusQuo().x);
}
SScriptValue GetStatusQuoV(CScriptCall& call) {
    return Number(Game(call).StatusQuo().y);
}
SScriptValue GetProposalH(CScriptCall& call) {
    return Number(Game(call).Proposal().x);
}
SScriptValue GetProposalV(CScriptCall& call) {
    return Number(Game(call).Proposal().y);
}
SScriptValue GetCopelandH(CScriptCall& call) {
    return Number(Copeland(call).x);
}
SScriptValue GetCopelandV(CScriptCall& call) {
    return Number(Copeland(call).y);
}
SScriptValue GetBordaH(CScriptCall& call) {
    return Number(Game(call).FindBorda().x);
}
SScriptValue GetBordaV(CScriptCall& call) {
    return Number(Game(call).FindBorda().y);
}
SScriptValue GetYolkCenterH(CScriptCall& call) {
    return Number(Game(call).GetYolkCenter().x);
}
SScriptValue GetYolkCenterV(CScriptCall& call) {
    return Number(Game(call).GetYolkCenter().y);
}
SScriptValue GetYolkRadius(CScriptCall& call) {
    return Number(Game(call).GetYolkRadius());
}

SScriptValue GetDistance(CScriptCall& call) {
    const double dh = call.Number(0) - call.Number(1);
    const double dv = call.Number(2) - call.Number(3);
    return Number(std::sqrt(dh * dh + dv * dv));
}

SScriptValue GetArea(CScriptCall& call) {
    const std::string_view name = Trim(call.Text(0));
    if (EqualsNoCase(name, "core"))
        return Number(CoreArea(call));
    if (EqualsNoCase(name, "heart"))
        return Number(HeartArea(call));
    if (EqualsNoCase(name, "pareto set"))
        return Number(Game(call).GetParetoSetArea());
    if (EqualsNoCase(name, "uncovered set"))
        return Number(UncoveredSetArea(call));
    if (EqualsNoCase(name, "win set"))
        return Number(Game(call).GetWinSetArea());
    return Number(0.0);
}

SScriptValue GetCoreArea(CScriptCall& call) {
    return Number(CoreArea(call));
}
SScriptValue GetHeartArea(CScriptCall& call) {
    return Number(HeartArea(call));
}
SScriptValue GetParetoSetArea(CScriptCall& call) {
    return Number(Game(call).GetParetoSetArea());
}
SScriptValue GetUncoveredSetArea(CScriptCall& call) {
    return Number(UncoveredSetArea(call));
}
SScriptValue GetWinSetArea(CScriptCall& call) {
    return Number(Game(call).GetWinSetArea());
}

/// The near or far win-set point of the point in arguments 0 and 1, one coordinate of it.
template <bool Far, bool Vertical> SScriptValue WinSetPoint(CScriptCall& call) {
    const std::optional<CFPoint> point = call.Point(0);
    if (!point)
        return Number(0.0);
    const CFPoint found =
        Far ? Game(call).GetWinSetFarPt(*point) : Game(call).GetWinSetNearPt(*point);
    return Number(Vertical ? found.y : found.x);
}

SScriptValue GetSpokeLength(CScriptCall& call) {
    return Number(Game(call).GetSpokeLength());
}

/// 1 when the point of arguments 0 and 1 passes the test, else 0.
template <typename Test> SScriptValue Inside(CScriptCall& call, Test test) {
    const std::optional<CFPoint> point = call.Point(0);
    return Number(point && test(*point) ? 1.0 : 0.0);
}

SScriptValue IsInsideCore(CScriptCall& call) {
    return Inside(call, [&call](const CFPoint& p) {
        return Game(call).IsInsideCore(p, Config(call).nCore) != 0;
    });
}
SScriptValue IsInsideHeart(CScriptCall& call) {
    return Inside(call, [&call](const CFPoint& p) {
        return Game(call).IsInsideHeart(p, Config(call).nCore) != 0;
    });
}
SScriptValue IsInsideWinSet(CScriptCall& call) {
    return Inside(call, [&call](const CFPoint& p) { return Game(call).IsInsideWinSet(p); });
}
SScriptValue IsInsideUncoveredSet(CScriptCall& call) {
    return Inside(call, [&call](const CFPoint& p) {
        const DisplayConfig& c = Config(call);
        return Game(call).IsInsideUncoveredSet(p, c.nUncoveredSet, c.bExcludeYolk,
                                               c.bUncoveredSetBJS) != 0;
    });
}
SScriptValue IsInsideParetoSet(CScriptCall& call) {
    return Inside(call, [&call](const CFPoint& p) { return Game(call).IsInsideParetoSet(p) != 0; });
}

SScriptValue IsWinSetComplete(CScriptCall& call) {
    return Number(Game(call).IsWinSetComplete() ? 1.0 : 0.0);
}

/// Whether a point lies within the tolerance box of arguments 0 to 3 (centre h, v and the
/// half-widths dh, dv).
bool InToleranceBox(CScriptCall& call, double x, double y) {
    return std::fabs(x - call.Number(0)) <= call.Number(2) &&
           std::fabs(y - call.Number(1)) <= call.Number(3);
}

SScriptValue IsIdealPoint(CScriptCall& call) {
    int count = 0;
    for (const CMember* member : Game(call).Members())
        count += InToleranceBox(call, member->IdealPoint().x, member->IdealPoint().y) ? 1 : 0;
    return Number(count);
}

SScriptValue IsMarkPoint(CScriptCall& call) {
    int count = 0;
    for (const CFPoint& mark : call.Doc().Header().markPoints)
        count += InToleranceBox(call, mark.x, mark.y) ? 1 : 0;
    return Number(count);
}

const SScriptBinding kBindings[] = {
    {"GetStatusQuoH", GetStatusQuoH},
    {"GetStatusQuoV", GetStatusQuoV},
    {"GetProposalH", GetProposalH},
    {"GetProposalV", GetProposalV},
    {"GetCopelandH", GetCopelandH},
    {"GetCopelandV", GetCopelandV},
    {"GetBordaH", GetBordaH},
    {"GetBordaV", GetBordaV},
    {"GetYolkCenterH", GetYolkCenterH},
    {"GetYolkCenterV", GetYolkCenterV},
    {"GetYolkRadius", GetYolkRadius},
    {"GetDistance", GetDistance},
    {"GetArea", GetArea},
    {"GetCoreArea", GetCoreArea},
    {"GetHeartArea", GetHeartArea},
    {"GetParetoSetArea", GetParetoSetArea},
    {"GetUncoveredSetArea", GetUncoveredSetArea},
    {"GetWinSetArea", GetWinSetArea},
    {"GetWinSetNearPtH", WinSetPoint<false, false>},
    {"GetWinSetNearPtV", WinSetPoint<false, true>},
    {"GetWinSetFarPtH", WinSetPoint<true, false>},
    {"GetWinSetFarPtV", WinSetPoint<true, true>},
    {"GetSpokeLength", GetSpokeLength},
    {"IsInsideCore", IsInsideCore},
    {"IsInsideHeart", IsInsideHeart},
    {"IsInsideWinSet", IsInsideWinSet},
    {"IsInsideUncoveredSet", IsInsideUncoveredSet},
    {"IsInsideParetoSet", IsInsideParetoSet},
    {"IsWinSetComplete", IsWinSetComplete},
    {"IsIdealPoint", IsIdealPoint},
    {"IsMarkPoint", IsMarkPoint},
};

} // namespace

std::span<const SScriptBinding> QueryScriptBindings() {
    return kBindings;
}
