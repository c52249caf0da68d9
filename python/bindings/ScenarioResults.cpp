#include "Bindings.h"

#include "geometry/RegionOutline.h"
#include "geometry/RgnHelpers.h"
#include "preferences/VoteGrid.h"
#include "report/ConceptGroups.h"
#include "report/RegionFeatures.h"
#include "report/SetConcepts.h"
#include "thermograph/Thermograph.h"
#include "views/ChartExport.h"
#include "views/ChartModel.h"
#include "views/ChartShow.h"

#include <QBuffer>

#include <pybind11/numpy.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace py = pybind11;

namespace {

using Extent = std::tuple<double, double, double, double>;

/// The chart's grid in issue space as (left, right, bottom, top) of its outer cell edges.
Extent GridExtent(const CGridMap& map) {
    const SEdges world = map.CellRectToWorld(OrderedDeviceRect(map));
    return {world.left, world.right, world.bottom, world.top};
}

/// A set concept's cells over the chart's grid, row by row from the top, with its outline.
struct SRegionCells {
    int rows = 0;
    int columns = 0;
    std::vector<std::uint8_t> mask;
    Extent extent;
    double area = 0.0;
    long long cells = 0;
    std::pair<double, double> cellSize;
    std::vector<SIssuePolygon> polygons;
};

std::vector<std::uint8_t> GridMask(const CRgn& rgn, const SIntRect& grid) {
    const int columns = grid.right - grid.left;
    std::vector<std::uint8_t> mask(static_cast<std::size_t>(columns) * (grid.bottom - grid.top), 0);
    for (const SIntRect& r : rgn.GetRegionData()) {
        const int left = std::max(r.left, grid.left), right = std::min(r.right, grid.right);
        for (int y = std::max(r.top, grid.top); y < std::min(r.bottom, grid.bottom); ++y)
            for (int x = left; x < right; ++x)
                mask[static_cast<std::size_t>(y - grid.top) * columns + (x - grid.left)] = 1;
    }
    return mask;
}

SRegionCells RegionCells(CScenarioSession& session, const std::string& name) {
    return session.Run("region", [&](SCall& c) {
        const SSetConcept* setConcept = FindSetConcept(name);
        if (!setConcept)
            c.Refuse("no set concept is called " + name);
        SConceptRegion region = ComputeConceptRegion(c.doc, *setConcept);
        const std::unique_ptr<CRgn> rgn = region.error.empty() ? setConcept->cells(c.doc) : nullptr;
        if (!rgn)
            c.Refuse(region.error.empty() ? "the " + name + " could not be computed"
                                          : region.error);
        const CGridMap& map = c.doc.Game().GridMap();
        const SIntRect grid = OrderedDeviceRect(map);
        SRegionCells cells;
        cells.rows = grid.bottom - grid.top;
        cells.columns = grid.right - grid.left;
        cells.mask = GridMask(*rgn, grid);
        cells.extent = GridExtent(map);
        cells.cells = RgnCellCount(*rgn);
        cells.area = region.area;
        cells.cellSize = {map.UnitX(), map.UnitY()};
        cells.polygons = std::move(region.polygons);
        return cells;
    });
}

/// The outline as lists of pieces, each its outer ring and then its holes, of (h, v) tuples.
py::list OutlineList(const std::vector<SIssuePolygon>& polygons) {
    const auto ring = [](const TRing<CFPoint>& points) {
        py::list list;
        for (const CFPoint& p : points)
            list.append(py::make_tuple(p.x, p.y));
        return list;
    };
    py::list pieces;
    for (const SIssuePolygon& polygon : polygons) {
        py::list rings;
        rings.append(ring(polygon.outer));
        for (const TRing<CFPoint>& hole : polygon.holes)
            rings.append(ring(hole));
        pieces.append(rings);
    }
    return pieces;
}

py::dict RegionDict(CScenarioSession& session, const std::string& name) {
    SRegionCells cells = RegionCells(session, name);
    py::array_t<bool> mask({cells.rows, cells.columns});
    std::copy(cells.mask.begin(), cells.mask.end(), mask.mutable_data());
    return py::dict(py::arg("mask") = mask, py::arg("extent") = cells.extent,
                    py::arg("area") = cells.area, py::arg("cells") = cells.cells,
                    py::arg("cell_size") = cells.cellSize,
                    py::arg("polygons") = OutlineList(cells.polygons));
}

/// The values of `quelta-cli concepts --json` for the groups (every group when none), as that
/// JSON text.
std::string ConceptsJson(CScenarioSession& session, const std::vector<std::string>& groups) {
    return session.Run("concepts", [&](SCall& c) {
        for (const std::string& group : groups)
            if (!IsConceptGroup(group))
                c.Refuse("no concept group is called " + group);
        return ComputeConceptResults(c.doc, groups).report.Json();
    });
}

/// The value map of a thermograph mode over the chart's grid.
struct SValueMap {
    SThermographGrid grid;
    Extent extent;
};

SValueMap ValueMap(CScenarioSession& session, int mode, int threads) {
    return session.Run("thermograph", [&](SCall& c) {
        const DisplayConfig& config = c.doc.Config();
        const SThermographSettings settings{config.nUncoveredSet, config.bExcludeYolk,
                                            config.bUncoveredSetBJS, threads};
        CThermograph& thermograph = c.doc.Thermograph();
        if (!thermograph.MapThermographValues(c.doc.Game(), mode, settings))
            c.Fail("the map was not computed");
        return SValueMap{thermograph.Grid(), GridExtent(c.doc.Game().GridMap())};
    });
}

py::tuple ValueMapArray(CScenarioSession& session, int mode, int threads) {
    const SValueMap map = ValueMap(session, mode, threads);
    py::array_t<double> values({map.grid.Rows(), map.grid.Columns()});
    // The win-set maps carry where each pixel lies in their signs: their values are the
    // magnitudes, and a pixel outside the Pareto set has none.
    const std::vector<signed char>& location = map.grid.location;
    double* out = values.mutable_data();
    for (std::size_t i = 0; i < map.grid.values.size(); ++i)
        out[i] = location.empty()   ? map.grid.values[i]
                 : location[i] == 0 ? std::numeric_limits<double>::quiet_NaN()
                                    : std::fabs(map.grid.values[i]);
    return py::make_tuple(values, map.extent);
}

/// The chart as the command line's render draws it, as the bytes of a PNG, SVG or PDF file.
py::bytes Render(CScenarioSession& session, const std::optional<std::vector<std::string>>& show,
                 const std::string& format, bool legend) {
    const QByteArray bytes = session.Run("render", [&](SCall& c) {
        const DisplayConfig saved = c.doc.Config();
        if (show)
            if (const std::string unknown = ApplyChartShowList(*show, c.doc.Config());
                !unknown.empty())
                c.Refuse("no display is called " + unknown);
        CChartModel chart;
        chart.Update(c.doc);
        chart.Layout().SetLegendShown(legend);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const bool drawn = WriteChart(chart, c.doc, format, buffer);
        c.doc.Config() = saved;
        if (!drawn)
            c.Refuse("the chart could not be drawn as " + format);
        return buffer.data();
    });
    return py::bytes(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace

void BindResults(PyScenario& scenario) {
    scenario.def_static("set_concept_names", [] {
        std::vector<std::string> names;
        for (const SSetConcept& setConcept : SetConcepts())
            names.push_back(setConcept.group);
        return names;
    });
    scenario.def_static("concept_group_names", &ConceptGroupNames);
    scenario.def("concepts_json", &ConceptsJson, py::arg("groups"));
    scenario.def("region", &RegionDict, py::arg("name"));
    scenario.def("thermograph", &ValueMapArray, py::arg("mode"), py::arg("threads") = 0);
    scenario.def("render", &Render, py::arg("show") = py::none(), py::arg("format") = "png",
                 py::arg("legend") = true);
    scenario.def("extent", [](CScenarioSession& s) {
        return s.Run("extent", [](SCall& c) { return GridExtent(c.doc.Game().GridMap()); });
    });
}
