"""What the core computes, as the command line gives it: concepts, regions, value maps and the
chart."""

import csv
import io
import math

import numpy
import pytest

import quelta
from conftest import EXAMPLES, cli_json, run_cli

def test_regions_are_the_cells_the_concepts_measure():
    scenario = quelta.open(EXAMPLES / "senate101.txt")
    scenario.status_quo = (35, 62)
    values = cli_json("concepts", EXAMPLES / "senate101.txt", "--sq", "35,62", "--json")
    width, height = scenario.chart
    for name in quelta.SET_CONCEPTS:
        region = scenario.region(name)
        assert region.mask.shape == (height, width) and region.mask.dtype == bool, name
        assert region.extent == scenario.extent, name
        cell_area = region.cell_size[0] * region.cell_size[1]
        assert region.area == pytest.approx(region.cells * cell_area), name
        if f"{name}.area" in values:
            assert region.area == values[f"{name}.area"], name
            assert region.mask.sum() == region.cells, f"{name} reaches beyond the chart"
    with pytest.raises(quelta.Error):
        scenario.region("nonsense")


def test_region_mask_sits_where_its_bounding_box_says():
    scenario = quelta.open(EXAMPLES / "five.txt")
    values = cli_json("concepts", EXAMPLES / "five.txt", "--only", "winset", "--json")
    region = scenario.region("winset")
    rows, columns = numpy.nonzero(region.mask)
    left, right, bottom, top = region.extent
    unit_h = (right - left) / region.mask.shape[1]
    unit_v = (top - bottom) / region.mask.shape[0]
    box = [left + columns.min() * unit_h, left + (columns.max() + 1) * unit_h,
           top - (rows.max() + 1) * unit_v, top - rows.min() * unit_v]
    assert box == pytest.approx(values["winset.bbox"])


def cli_map(name, mode, chart):
    text = run_cli("thermograph", EXAMPLES / name, "--mode", mode, "--chart", chart).stdout
    rows = list(csv.DictReader(io.StringIO(text)))
    return rows


@pytest.mark.parametrize("mode", ["area", "total", "members"])
def test_thermograph_is_the_command_lines_map(mode):
    scenario = quelta.open(EXAMPLES / "five.txt")
    scenario.chart = (40, 30)
    values = scenario.thermograph(mode)
    assert values.shape == (30, 40)
    rows = cli_map("five.txt", mode, "40x30")
    assert len(rows) == values.size
    top = min(int(r["row"]) for r in rows)
    left = min(int(r["column"]) for r in rows)
    for row in rows:
        ours = values[int(row["row"]) - top, int(row["column"]) - left]
        theirs = row["value"]
        if theirs in ("", "nan"):
            assert math.isnan(ours), row
        else:
            assert ours == pytest.approx(float(theirs), rel=1e-9, abs=1e-12), row
    with pytest.raises(quelta.Error):
        scenario.thermograph("nonsense")


def test_render_gives_the_command_lines_bytes(tmp_path):
    scenario = quelta.open(EXAMPLES / "senate101.txt")
    scenario.status_quo = (35, 62)
    show = ["winset", "yolk", "uncovered", "pareto"]
    run_cli("render", EXAMPLES / "senate101.txt", "--sq", "35,62", "--show", ",".join(show),
            "-o", tmp_path / "chart.png")
    assert scenario.render(show=show) == (tmp_path / "chart.png").read_bytes()
    run_cli("render", EXAMPLES / "senate101.txt", "--sq", "35,62", "--show", ",".join(show),
            "--legend", "0", "-o", tmp_path / "chart.svg")
    assert scenario.render(show=show, format="svg", legend=False) == \
        (tmp_path / "chart.svg").read_bytes()
    assert scenario.render(format="pdf").startswith(b"%PDF")
    assert scenario._repr_png_().startswith(b"\x89PNG")
    with pytest.raises(quelta.Error):
        scenario.render(show=["nonsense"])
    with pytest.raises(quelta.Error):
        scenario.render(format="gif")
    assert sorted(p.name for p in tmp_path.iterdir()) == ["chart.png", "chart.svg"]


def test_outlines_enclose_the_cells_and_shapely_takes_them():
    from shapely.geometry import shape
    scenario = quelta.open(EXAMPLES / "senate101.txt")
    scenario.status_quo = (35, 62)
    for name in quelta.SET_CONCEPTS:
        region = scenario.region(name)
        cell_area = region.cell_size[0] * region.cell_size[1]
        geometry = shape(region)
        # Valid as GIS tools check shapes: no ring passes a corner twice, holes inside their
        # outer rings, so unions, overlays and buffers take it without repair.
        assert geometry.is_valid, name
        assert abs(geometry.area - region.area) <= cell_area, name
        for polygon in region.polygons():
            for ring in polygon:
                assert ring[0] == ring[-1], f"{name}: a ring is not closed"
        if region.cells:
            left, right, bottom, top = region.extent
            minx, miny, maxx, maxy = geometry.bounds
            inside = region.mask.sum() == region.cells
            assert not inside or (left <= minx and maxx <= right and bottom <= miny
                                  and maxy <= top), name


def test_outlines_are_the_command_lines_geojson():
    scenario = quelta.open(EXAMPLES / "five.txt")
    names = ["winset", "pareto", "uncovered", "trimedian"]
    collection = cli_json("regions", EXAMPLES / "five.txt", "--geojson", "--only", ",".join(names))
    features = {f["properties"]["concept"]: f for f in collection["features"]}
    for name in names:
        region = scenario.region(name)
        assert region.__geo_interface__ == features[name]["geometry"], name
        assert region.area == features[name]["properties"]["area"], name
