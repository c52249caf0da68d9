#pragma once

#include "geometry/Rgn.h"

#include <optional>
#include <string>
#include <vector>

class CQueltaDoc;

/// The set concepts whose cells a front end asks for by name, with the names of the command
/// line's concept groups: winset, pareto, core, heart, uncovered, banks, trimedian,
/// schattschneider, cardioid, petals.
const std::vector<std::string>& SetConceptNames();

/// The cells of a set concept on the chart's grid, computed when stale with the settings'
/// parameters, as the chart and the concepts' areas take them: the win set's cells, the
/// Pareto set, core, heart, uncovered and Banks sets' regions, the Tri-Median and
/// Schattschneider polygons' cells (winding fill), the outer cardioid's cells and the petal
/// cells. An empty region when the concept has no cells; nothing for an unknown name or when
/// the computation failed.
std::optional<CRgn> SetConceptCells(CQueltaDoc& doc, const std::string& name);
