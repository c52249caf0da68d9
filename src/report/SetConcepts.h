#pragma once

#include "document/DisplayConfig.h"
#include "geometry/Rgn.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CQueltaDoc;

/// A solution concept whose value is a set of the chart's cells: the regions, the Tri-Median
/// and Schattschneider polygons' cells (winding fill), the outer cardioid and the petal cells.
struct SSetConcept {
    /// The report group that computes it (the name --only takes); the cardioid, which the
    /// report has no values of, goes by its display's name.
    std::string group;
    /// The start of its keys in the report ("heart.exact" for the group "heartexact").
    std::string key;
    /// The flag that shows it on the chart; null when only asking for it by name shows it.
    int DisplayConfig::*shown = nullptr;
    /// Computes its cells; null when there is no region.
    std::function<std::unique_ptr<CRgn>(CQueltaDoc&)> cells;
};

/// The set concepts in the order of the report's groups.
const std::vector<SSetConcept>& SetConcepts();
/// The set concept a report group computes; null when the group computes none.
const SSetConcept* FindSetConcept(const std::string& group);

/// Whether the concept's region is whole on the chart: for the win set, whether its spokes end
/// inside the chart; for the others, whether no cell lies on the chart's edge.
bool SetConceptComplete(CQueltaDoc& doc, const SSetConcept& setConcept, const CRgn& cells);
