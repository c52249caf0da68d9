// Model functions that move the status quo and the proposal.
#include "document/ModelCommands.h"
#include "document/QueltaDoc.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "platform/CRand.h"
#include "platform/TextUtil.h"
#include "script/ScriptBindings.h"

#include <cmath>
#include <memory>

namespace {

/// A random point of a region on the game's grid; none when the region is missing or empty,
/// which has no point to offer.
std::optional<CFPoint> RandomPointOf(const CQueltaDoc& doc, const std::unique_ptr<CRgn>& rgn) {
    if (!rgn || IsEmptyRgn(*rgn))
        return std::nullopt;
    return doc.Game().GridMap().CellToWorld(RandomCellInRgn(*rgn));
}

/// A random point of the yolk's disc, drawn in its bounding square until it lies within the
/// radius of the centre; the centre itself for a yolk without extent.
CFPoint RandomYolkPoint(CVotingGame& game) {
    const CFPoint centre = game.GetYolkCenter();
    const double r = game.GetYolkRadius();
    if (!(r > 0.0))
        return centre;
    for (;;) {
        const double u1 = static_cast<double>(CRand::Next()) / CRand::Max;
        const double u2 = static_cast<double>(CRand::Next()) / CRand::Max;
        const CFPoint point(centre.x - r + u1 * 2.0 * r, centre.y - r + u2 * 2.0 * r);
        if (std::hypot(point.x - centre.x, point.y - centre.y) <= r)
            return point;
    }
}

/// The random point of the named set, as SetProposalToRandPoint reads the name; none for an
/// unknown name or an empty set.
std::optional<CFPoint> RandomPointOfSet(CQueltaDoc& doc, std::string_view name) {
    CVotingGame& game = doc.Game();
    const DisplayConfig& c = doc.Config();
    name = Trim(name);
    if (EqualsNoCase(name, "core"))
        return RandomPointOf(doc, game.GetCoreRgn(c.nCore));
    if (EqualsNoCase(name, "heart"))
        return RandomPointOf(doc, game.GetHeartRgn(c.nCore));
    if (EqualsNoCase(name, "pareto set"))
        return RandomPointOf(doc, game.GetParetoSetRgn());
    if (EqualsNoCase(name, "uncovered set"))
        return RandomPointOf(
            doc, game.GetUncoveredSetRgn(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS));
    if (EqualsNoCase(name, "banks set"))
        return RandomPointOf(doc, game.GetBanksSetRgn(c.nChain, c.nResolution));
    if (EqualsNoCase(name, "yolk"))
        return RandomYolkPoint(game);
    if (EqualsNoCase(name, "win set")) {
        const CMappedRegion& winSet = game.GetWinSet();
        if (IsEmptyRgn(winSet.GetRgn()))
            return std::nullopt;
        return winSet.GetRandomPoint();
    }
    return std::nullopt;
}

SScriptValue SetProposalToRandPoint(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    if (!doc.IsReady())
        return ScriptOne();
    if (const std::optional<CFPoint> point = RandomPointOfSet(doc, call.Text(0))) {
        // The views are left as they are; a script redraws with Refresh.
        doc.Game().SetProposal(*point);
        doc.SetModifiedFlag(true);
    }
    return ScriptOne();
}

SScriptValue SetProposal(CScriptCall& call) {
    if (const std::optional<CFPoint> point = call.Point(0))
        call.Doc().SetProposal(*point);
    return ScriptOne();
}

SScriptValue SetStatusQuo(CScriptCall& call) {
    if (const std::optional<CFPoint> point = call.Point(0))
        call.Doc().SetStatusQuo(*point);
    return ScriptOne();
}

SScriptValue SetStatusQuoToBorda(CScriptCall& call) {
    ::SetStatusQuoToBorda(call.Doc());
    return ScriptOne();
}

SScriptValue SetStatusQuoToCopeland(CScriptCall& call) {
    ::SetStatusQuoToCopeland(call.Doc());
    return ScriptOne();
}

SScriptValue SetStatusQuoToCurrProp(CScriptCall& call) {
    SetStatusQuoToProposal(call.Doc());
    return ScriptOne();
}

SScriptValue SetStatusQuoToRandProp(CScriptCall& call) {
    CQueltaDoc& doc = call.Doc();
    // A status quo whose win set is empty beats every point; it stays where it is.
    if (doc.IsReady() && !IsEmptyRgn(doc.Game().GetWinSet().GetRgn()))
        SetStatusQuoToRandomProposal(doc, false);
    return ScriptOne();
}

SScriptValue SetStatusQuoToYolk(CScriptCall& call) {
    SetStatusQuoToYolkCenter(call.Doc());
    return ScriptOne();
}

/// The proposal becomes the Copeland winner of the subgroup the member-selection dialog
/// chooses; a cancelled dialog leaves it.
SScriptValue SetProposalBySubgroup(CScriptCall& call) {
    ProposalBySubgroupCommand(call.Doc());
    return ScriptOne();
}

const SScriptBinding kBindings[] = {
    {"SetProposalBySubgroup", SetProposalBySubgroup},
    {"SetProposalToRandPoint", SetProposalToRandPoint},
    {"SetProposal", SetProposal},
    {"SetStatusQuoToBorda", SetStatusQuoToBorda},
    {"SetStatusQuoToCopeland", SetStatusQuoToCopeland},
    {"SetStatusQuoToCurrProp", SetStatusQuoToCurrProp},
    {"SetStatusQuoToRandProp", SetStatusQuoToRandProp},
    {"SetStatusQuoToYolk", SetStatusQuoToYolk},
    {"SetStatusQuo", SetStatusQuo},
};

} // namespace

std::span<const SScriptBinding> PointScriptBindings() {
    return kBindings;
}
