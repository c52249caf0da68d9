#pragma once

#include "geometry/RegionOutline.h"
#include "report/SetConcepts.h"

#include <QJsonObject>

#include <string>
#include <vector>

class CQueltaDoc;

/// The outline of one set concept computed for a scenario.
struct SConceptRegion {
    /// The concept's report group ("pareto", "heartexact", ...).
    std::string name;
    /// Its area as the report gives it: its cells times the area of one cell.
    double area = 0.0;
    /// Whether the region is whole on the chart (SetConceptComplete).
    bool complete = true;
    /// Its pieces in issue coordinates.
    std::vector<SIssuePolygon> polygons;
    /// Why it could not be computed; empty when it was.
    std::string error;
};

/// The set concepts named by their groups (names that are no set concept are passed over), or
/// without names those the scenario shows on the chart; in the order of SetConcepts().
std::vector<const SSetConcept*> ChosenSetConcepts(const CQueltaDoc& doc,
                                                  const std::vector<std::string>& groups);

/// Computes one set concept's region and traces its outline; a failed computation gives the
/// message in `error` and no polygons.
SConceptRegion ComputeConceptRegion(CQueltaDoc& doc, const SSetConcept& setConcept);

/// A GeoJSON Feature: a MultiPolygon geometry (null when the concept failed) with the
/// properties concept, area and complete (or concept and error).
QJsonObject RegionFeature(const SConceptRegion& region);

/// A GeoJSON FeatureCollection of the regions' features, in order.
QJsonObject RegionFeatureCollection(const std::vector<SConceptRegion>& regions);
