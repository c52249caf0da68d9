#include "report/SetConcepts.h"

#include "concepts/Heart.h"
#include "document/QueltaDoc.h"
#include "geometry/FPolygon.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"

#include <algorithm>
#include <optional>

namespace {

std::unique_ptr<CRgn> WinSetCells(CQueltaDoc& doc) {
    auto cells = std::make_unique<CRgn>();
    doc.Game().GetWinSet().CopyRgn(*cells);
    return cells;
}

std::unique_ptr<CRgn> ParetoCells(CQueltaDoc& doc) {
    return doc.Game().GetParetoSetRgn();
}

std::unique_ptr<CRgn> CoreCells(CQueltaDoc& doc) {
    return doc.Game().GetCoreRgn(doc.Config().nCore);
}

std::unique_ptr<CRgn> HeartCells(CQueltaDoc& doc) {
    return doc.Game().GetHeartRgn(doc.Config().nCore);
}

std::unique_ptr<CRgn> ExactHeartCells(CQueltaDoc& doc) {
    return std::make_unique<CRgn>(ExactHeartRgn(doc.Game(), doc.Config().nCore));
}

std::unique_ptr<CRgn> UncoveredCells(CQueltaDoc& doc) {
    const DisplayConfig& config = doc.Config();
    return doc.Game().GetUncoveredSetRgn(config.nUncoveredSet, config.bExcludeYolk,
                                         config.bUncoveredSetBJS);
}

std::unique_ptr<CRgn> BanksCells(CQueltaDoc& doc) {
    return doc.Game().GetBanksSetRgn(doc.Config().nChain, doc.Config().nResolution);
}

/// The cells of a polygon concept (winding fill); an empty region for fewer than three vertices.
std::unique_ptr<CRgn> PolygonCells(const std::optional<CFPolygon>& polygon, const CGridMap& map) {
    auto cells = std::make_unique<CRgn>();
    if (!polygon)
        return nullptr;
    if (polygon->Count() < 3)
        cells->CreateRectRgn(0, 0, 0, 0);
    else if (!CreatePolygonRgn(*cells, *polygon, map))
        return nullptr;
    return cells;
}

std::unique_ptr<CRgn> TriMedianCells(CQueltaDoc& doc) {
    const DisplayConfig& config = doc.Config();
    return PolygonCells(
        doc.Game().GetTriMedianSet(config.dTriMedianTolerance, config.nTriMedianSet),
        doc.Game().GridMap());
}

std::unique_ptr<CRgn> SchattschneiderCells(CQueltaDoc& doc) {
    return PolygonCells(doc.Game().GetSchattschneiderSet(doc.Config().nSchattschneiderSet),
                        doc.Game().GridMap());
}

std::unique_ptr<CRgn> CardioidCells(CQueltaDoc& doc) {
    return doc.Game().GetOuterCardioidRgn();
}

/// The cells where the number of the win set's supporting votes changes.
std::unique_ptr<CRgn> PetalCells(CQueltaDoc& doc) {
    std::vector<SIntRect> cells;
    for (const QPoint& p : doc.Game().GetPetals())
        cells.push_back({p.x(), p.y(), p.x() + 1, p.y() + 1});
    auto rgn = std::make_unique<CRgn>();
    if (cells.empty())
        rgn->CreateRectRgn(0, 0, 0, 0);
    else
        rgn->ExtCreateRegion(SXForm{}, cells);
    return rgn;
}

} // namespace

const std::vector<SSetConcept>& SetConcepts() {
    static const std::vector<SSetConcept> concepts = {
        {"winset", "winset", &DisplayConfig::flagWinSet, WinSetCells},
        {"petals", "petals", nullptr, PetalCells},
        {"cardioid", "cardioid", nullptr, CardioidCells},
        {"pareto", "pareto", &DisplayConfig::flagParetoSet, ParetoCells},
        {"core", "core", &DisplayConfig::flagCore, CoreCells},
        {"heart", "heart", &DisplayConfig::flagHeart, HeartCells},
        {"heartexact", "heart.exact", nullptr, ExactHeartCells},
        {"uncovered", "uncovered", &DisplayConfig::flagUncoveredSet, UncoveredCells},
        {"banks", "banks", &DisplayConfig::flagBanksSet, BanksCells},
        {"trimedian", "trimedian", nullptr, TriMedianCells},
        {"schattschneider", "schattschneider", nullptr, SchattschneiderCells}};
    return concepts;
}

const SSetConcept* FindSetConcept(const std::string& group) {
    const std::vector<SSetConcept>& concepts = SetConcepts();
    const auto found = std::find_if(concepts.begin(), concepts.end(),
                                    [&group](const SSetConcept& c) { return c.group == group; });
    return found == concepts.end() ? nullptr : &*found;
}

bool SetConceptComplete(CQueltaDoc& doc, const SSetConcept& setConcept, const CRgn& cells) {
    if (setConcept.group == "winset")
        return doc.Game().IsWinSetComplete();
    SIntRect box;
    if (cells.IsEmpty() || cells.GetRgnBox(&box) == RGN_ERROR)
        return true;
    const SIntRect chart = doc.Game().GridMap().DeviceRect();
    return box.left > chart.left && box.top > chart.top && box.right < chart.right &&
           box.bottom < chart.bottom;
}
