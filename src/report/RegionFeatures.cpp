#include "report/RegionFeatures.h"

#include "document/QueltaDoc.h"
#include "geometry/MappedRegion.h"
#include "geometry/RgnHelpers.h"
#include "report/ConceptReport.h"
#include "report/FailureWatch.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

/// Whether the region's area and every vertex are finite numbers.
bool RegionFinite(const SConceptRegion& region) {
    const auto finite = [](const TRing<CFPoint>& ring) {
        return std::all_of(ring.begin(), ring.end(), [](const CFPoint& p) {
            return std::isfinite(p.x) && std::isfinite(p.y);
        });
    };
    return std::isfinite(region.area) &&
           std::all_of(region.polygons.begin(), region.polygons.end(),
                       [&finite](const SIssuePolygon& polygon) {
                           return finite(polygon.outer) &&
                                  std::all_of(polygon.holes.begin(), polygon.holes.end(), finite);
                       });
}

} // namespace

std::vector<const SSetConcept*> ChosenSetConcepts(const CQueltaDoc& doc,
                                                  const std::vector<std::string>& groups) {
    std::vector<const SSetConcept*> chosen;
    for (const SSetConcept& setConcept : SetConcepts()) {
        const bool named =
            std::find(groups.begin(), groups.end(), setConcept.group) != groups.end();
        const bool shown = setConcept.shown && doc.Config().*setConcept.shown != 0;
        if (groups.empty() ? shown : named)
            chosen.push_back(&setConcept);
    }
    return chosen;
}

SConceptRegion ComputeConceptRegion(CQueltaDoc& doc, const SSetConcept& setConcept) {
    SConceptRegion region;
    region.name = setConcept.group;
    CFailureWatch watch;
    try {
        const std::unique_ptr<CRgn> cells = setConcept.cells(doc);
        if (!watch.Failure().empty()) {
            region.error = watch.Failure();
            return region;
        }
        if (!cells)
            return region;
        const CGridMap& map = doc.Game().GridMap();
        region.area =
            setConcept.group == "winset" ? doc.Game().GetWinSet().GetArea() : RgnArea(*cells, map);
        region.complete = SetConceptComplete(doc, setConcept, *cells);
        region.polygons = TraceRegionOutline(*cells, map);
        if (!RegionFinite(region)) {
            region.polygons.clear();
            region.error = kNotNumbersFailure;
        }
    } catch (const std::bad_alloc&) {
        region.error = "memory exception computing " + setConcept.group;
    }
    return region;
}

namespace {

QJsonArray RingJson(const TRing<CFPoint>& ring) {
    QJsonArray points;
    for (const CFPoint& p : ring)
        points.append(QJsonArray{p.x, p.y});
    return points;
}

QJsonObject MultiPolygon(const std::vector<SIssuePolygon>& polygons) {
    QJsonArray coordinates;
    for (const SIssuePolygon& polygon : polygons) {
        QJsonArray rings{RingJson(polygon.outer)};
        for (const TRing<CFPoint>& hole : polygon.holes)
            rings.append(RingJson(hole));
        coordinates.append(rings);
    }
    return {{"type", "MultiPolygon"}, {"coordinates", coordinates}};
}

} // namespace

QJsonObject RegionFeature(const SConceptRegion& region) {
    QJsonObject properties{{"concept", QString::fromStdString(region.name)}};
    if (!region.error.empty()) {
        properties["error"] = QString::fromStdString(region.error);
        return {{"type", "Feature"}, {"properties", properties}, {"geometry", QJsonValue()}};
    }
    properties["area"] = region.area;
    properties["complete"] = region.complete;
    return {{"type", "Feature"},
            {"properties", properties},
            {"geometry", MultiPolygon(region.polygons)}};
}

QJsonObject RegionFeatureCollection(const std::vector<SConceptRegion>& regions) {
    QJsonArray features;
    for (const SConceptRegion& region : regions)
        features.append(RegionFeature(region));
    return {{"type", "FeatureCollection"}, {"features", features}};
}
