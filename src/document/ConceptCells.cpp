#include "document/ConceptCells.h"

#include "document/QueltaDoc.h"
#include "geometry/FPolygon.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"

#include <functional>
#include <memory>
#include <utility>

namespace {

/// A region the game handed out, or nothing when it failed.
std::optional<CRgn> Owned(const std::unique_ptr<CRgn>& rgn) {
    if (!rgn)
        return std::nullopt;
    return *rgn;
}

std::optional<CRgn> PolygonCells(const std::optional<CFPolygon>& polygon, const CGridMap& map) {
    CRgn rgn;
    if (!polygon)
        return std::nullopt;
    if (polygon->Count() < 3) {
        rgn.CreateRectRgn(0, 0, 0, 0);
        return rgn;
    }
    if (!CreatePolygonRgn(rgn, *polygon, map))
        return std::nullopt;
    return rgn;
}

std::optional<CRgn> PetalCells(const std::vector<QPoint>& petals) {
    std::vector<SIntRect> cells;
    cells.reserve(petals.size());
    for (const QPoint& p : petals)
        cells.push_back({p.x(), p.y(), p.x() + 1, p.y() + 1});
    CRgn rgn;
    if (cells.empty())
        rgn.CreateRectRgn(0, 0, 0, 0);
    else
        rgn.ExtCreateRegion(SXForm{}, cells);
    return rgn;
}

using CellFinder = std::function<std::optional<CRgn>(CQueltaDoc&)>;

const std::vector<std::pair<std::string, CellFinder>>& Finders() {
    static const std::vector<std::pair<std::string, CellFinder>> finders = {
        {"winset", [](CQueltaDoc& d) { return std::optional(d.Game().GetWinSet().GetRgn()); }},
        {"pareto", [](CQueltaDoc& d) { return Owned(d.Game().GetParetoSetRgn()); }},
        {"core", [](CQueltaDoc& d) { return Owned(d.Game().GetCoreRgn(d.Config().nCore)); }},
        {"heart", [](CQueltaDoc& d) { return Owned(d.Game().GetHeartRgn(d.Config().nCore)); }},
        {"uncovered",
         [](CQueltaDoc& d) {
             const DisplayConfig& c = d.Config();
             return Owned(
                 d.Game().GetUncoveredSetRgn(c.nUncoveredSet, c.bExcludeYolk, c.bUncoveredSetBJS));
         }},
        {"banks",
         [](CQueltaDoc& d) {
             return Owned(d.Game().GetBanksSetRgn(d.Config().nChain, d.Config().nResolution));
         }},
        {"trimedian",
         [](CQueltaDoc& d) {
             const DisplayConfig& c = d.Config();
             return PolygonCells(d.Game().GetTriMedianSet(c.dTriMedianTolerance, c.nTriMedianSet),
                                 d.Game().GridMap());
         }},
        {"schattschneider",
         [](CQueltaDoc& d) {
             return PolygonCells(d.Game().GetSchattschneiderSet(d.Config().nSchattschneiderSet),
                                 d.Game().GridMap());
         }},
        {"cardioid", [](CQueltaDoc& d) { return Owned(d.Game().GetOuterCardioidRgn()); }},
        {"petals", [](CQueltaDoc& d) { return PetalCells(d.Game().GetPetals()); }},
    };
    return finders;
}

} // namespace

const std::vector<std::string>& SetConceptNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const auto& [name, finder] : Finders())
            list.push_back(name);
        return list;
    }();
    return names;
}

std::optional<CRgn> SetConceptCells(CQueltaDoc& doc, const std::string& name) {
    for (const auto& [known, finder] : Finders())
        if (known == name)
            return finder(doc);
    return std::nullopt;
}
