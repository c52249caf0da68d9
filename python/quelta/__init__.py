"""Quelta from Python: spatial models of voting over the same core as the desktop and
``quelta-cli``, with the same numbers.

Open a scenario, compute its solution concepts, take its regions as NumPy masks or polygons,
its value maps as arrays and its chart as an image::

    import quelta
    senate = quelta.open("examples/senate101.txt")
    senate.status_quo = (35, 62)
    senate.concepts(only=["winset", "yolk"])["winset.area"]

Every computation runs in the core without the interpreter's lock, so other Python threads
run meanwhile; Ctrl-C stops a long computation with KeyboardInterrupt and leaves the scenario
as it was. One scenario serves one call at a time (calls from several threads wait for each
other); several scenarios compute side by side on several threads. Monte Carlo scenarios and
scripts, which draw from the process's one random sequence, are drawn one at a time.
Nothing is written to disk unless a method is asked to write it.
"""

from __future__ import annotations

import json
import os
from typing import Any, Dict, Iterable, List, Optional, Sequence, Tuple

from . import _quelta
from ._errors import Error, QueltaWarning

__all__ = [
    "Error", "QueltaWarning", "Scenario", "Region", "open", "open_db", "import_voteview",
    "import_csv", "generate",
    "concepts_many", "map", "PREFERENCE_TYPES", "THERMOGRAPH_MODES", "SET_CONCEPTS",
]

#: The preference models by name, with their type codes.
PREFERENCE_TYPES: Dict[str, int] = {
    "unified": 1, "directional": 2, "tradeoff": 3, "cityblock": 4, "independent": 5,
    "absolute": 6, "abstain": 7, "eum": 8,
}

#: The value maps of ``Scenario.thermograph`` by name, as ``quelta-cli thermograph --mode``.
THERMOGRAPH_MODES: Dict[str, int] = {
    "total": 8, "decision": 16, "marginal": 32, "members": 64, "quotalines": 128,
    "area": 512, "radius": 1024, "bod": 2048,
}

#: The names ``Scenario.region`` takes.
SET_CONCEPTS: Tuple[str, ...] = tuple(_quelta.Document.set_concept_names())

Point = Tuple[float, float]


def _point(value: Any, what: str) -> Point:
    try:
        h, v = value
        return float(h), float(v)
    except (TypeError, ValueError):
        raise Error(what, f"{what} takes (h, v), two numbers") from None


def _optional_path(path: Any) -> Optional[str]:
    return None if path is None else os.fspath(path)


def _preference_type(value: Any) -> int:
    if isinstance(value, str):
        key = value.replace(" ", "").replace("-", "").lower()
        if key in PREFERENCE_TYPES:
            return PREFERENCE_TYPES[key]
    elif isinstance(value, int) and 1 <= value <= 8:
        return value
    raise Error("type", f"the preference type is one of {', '.join(PREFERENCE_TYPES)} "
                        f"or a code from 1 to 8, not {value!r}")


class Region:
    """The cells of a set concept on the chart's grid.

    ``mask`` is a NumPy bool array over the chart's grid, row 0 at the top;
    ``extent`` is (left, right, bottom, top) of the grid in issue space, so that
    ``matplotlib.pyplot.imshow(region.mask, extent=region.extent)`` puts the cells in place;
    ``area`` is the concept's area (its cells times the area of one cell), ``cells`` the
    number of cells and ``cell_size`` the issue-space width and height of one cell. Cells
    beyond the chart count in ``area`` and ``cells`` but are not in ``mask``.
    """

    __slots__ = ("name", "mask", "extent", "area", "cells", "cell_size", "_outline")

    def __init__(self, name: str, data: Dict[str, Any]):
        self.name = name
        self.mask = data["mask"]
        self.extent = tuple(data["extent"])
        self.area = data["area"]
        self.cells = data["cells"]
        self.cell_size = tuple(data["cell_size"])
        self._outline = data.get("polygons")

    def polygons(self) -> List[List[List[Point]]]:
        """The outline of the cells in issue coordinates: one polygon per piece of cells
        joined by their sides, each a list of closed rings, the outer ring first
        (anticlockwise) and then its holes (clockwise), as GeoJSON has them."""
        if self._outline is None:
            raise Error("region", "this build of the core traces no outlines")
        return [[list(ring) for ring in polygon] for polygon in self._outline]

    @property
    def __geo_interface__(self) -> Dict[str, Any]:
        """The outline as a GeoJSON MultiPolygon, which shapely and geopandas take as it is."""
        return {"type": "MultiPolygon",
                "coordinates": [[[list(p) for p in ring] for ring in polygon]
                                for polygon in self.polygons()]}

    def __repr__(self) -> str:
        return f"<quelta.Region {self.name}: {self.cells} cells, area {self.area:g}>"


class Scenario:
    """One scenario: members with their ideal points, a status quo, a proposal and a decision
    rule, with the chart's grid on which the set concepts are computed.

    Make one with ``quelta.open``, ``quelta.open_db`` or the ``quelta.generate`` functions.
    Setters go through the document's own operations, as the desktop's form does.
    """

    __slots__ = ("_doc",)

    def __init__(self, _document: Optional[_quelta.Document] = None):
        if _document is None:
            _document = _quelta.Document()
            _document.new_whiteboard("Whiteboard")
        self._doc = _document

    # The scenario and its members.

    @property
    def members(self) -> List[Dict[str, Any]]:
        """The members of the current committee, as ``quelta-cli info --json`` lists them:
        id, label, h, v, weight, type, veto, candidate."""
        return self._doc.members()

    def members_frame(self):
        """The members as a pandas DataFrame indexed by ID (pandas must be installed)."""
        import pandas
        frame = pandas.DataFrame(self.members,
                                 columns=["id", "label", "h", "v", "weight", "type", "veto",
                                          "candidate"])
        return frame.set_index("id")

    def add_member(self, h: float, v: float, *, id: Optional[str] = None,
                   name: Optional[str] = None, type: Any = "tradeoff") -> str:
        """Adds a member with its ideal point at (h, v) to the current committee; without an
        ``id`` the next generated one ("XX%d"). Returns the member's ID."""
        return self._doc.add_member(_point((h, v), "add_member"), id or "", name or "",
                                    _preference_type(type))

    def remove_member(self, id: str) -> None:
        """Takes the member with this ID (exactly) out of the current committee."""
        self._doc.remove_member(id)

    @property
    def status_quo(self) -> Point:
        """The status quo (h, v)."""
        return self._doc.status_quo()

    @status_quo.setter
    def status_quo(self, point: Point) -> None:
        self._doc.set_status_quo(_point(point, "status_quo"))

    @property
    def proposal(self) -> Point:
        """The proposal (h, v)."""
        return self._doc.proposal()

    @proposal.setter
    def proposal(self, point: Point) -> None:
        self._doc.set_proposal(_point(point, "proposal"))

    @property
    def rule(self) -> float:
        """The decision rule: the vote fraction that fixes the quota, 0 to 1."""
        return self._doc.rule()[0]

    @rule.setter
    def rule(self, fraction: float) -> None:
        self._doc.set_rule(float(fraction))

    @property
    def absolute(self) -> bool:
        """Absolute (True) or relative (False) plurality."""
        return bool(self._doc.rule()[1])

    @absolute.setter
    def absolute(self, absolute: bool) -> None:
        self._doc.set_absolute(bool(absolute))

    @property
    def weighted(self) -> bool:
        """Whether votes count with the members' weights."""
        return bool(self._doc.rule()[2])

    @weighted.setter
    def weighted(self, weighted: bool) -> None:
        self._doc.set_weighted(bool(weighted))

    @property
    def chart(self) -> Tuple[int, int]:
        """The chart's size in pixels (width, height): the grid every set concept and value
        map is computed on (400 x 400 unless the configuration says otherwise)."""
        width, height, _ = self._doc.chart()
        return width, height

    @chart.setter
    def chart(self, size: Tuple[int, int]) -> None:
        try:
            width, height = (int(n) for n in size)
        except (TypeError, ValueError):
            raise Error("chart", "chart takes (width, height) in pixels") from None
        self._doc.set_chart(width, height, self.zoom)

    @property
    def zoom(self) -> float:
        """The chart's zoom factor (1 shows the whole scale range)."""
        return self._doc.chart()[2]

    @zoom.setter
    def zoom(self, zoom: float) -> None:
        width, height = self.chart
        self._doc.set_chart(width, height, float(zoom))

    @property
    def extent(self) -> Tuple[float, float, float, float]:
        """The chart's grid in issue space, (left, right, bottom, top), for the masks and maps."""
        return self._doc.extent()

    def get(self, key: str) -> str:
        """The value of a key of the configuration block (or "defaultModelName") as text."""
        return self._doc.setting(key)

    def set(self, key: str, value: Any) -> None:
        """Sets a key of the configuration block as ``quelta-cli --set KEY=VALUE`` does (a
        display switch shows its display, the voting switches reach the members)."""
        self._doc.set_setting(key, str(value))

    # Files, the report and scripts.

    def save(self, path: str) -> None:
        """Writes the scenario in the standard format to ``path`` (replacing it only once the
        whole file is written)."""
        self._doc.save(os.fspath(path))

    def report(self) -> str:
        """The text of the scenario's report, as ``quelta-cli report`` prints it."""
        return self._doc.report()

    def run_script(self, text: str, input: Optional[str] = None) -> str:
        """Runs a BASIC program on the scenario as the Script window does and returns its
        output; INPUT reads ``input`` (or the output box, as in the window). A script that
        stops with an error raises ``quelta.Error`` with the error's text."""
        return self._doc.run_script(text, input).replace("\r\n", "\n")

    # What the core computes.

    def concepts(self, only: Optional[Iterable[str]] = None) -> Dict[str, Any]:
        """The values of ``quelta-cli concepts --json``, key for key: the groups of ``only``
        (vote, winset, quotalines, petals, coalition, yolk, pareto, core, heart, uncovered,
        banks, copeland, borda, power, trimedian, schattschneider, statistics, histogram, ...),
        every group without it. A group that failed is left out, as the command leaves it."""
        groups = [] if only is None else [only] if isinstance(only, str) else list(only)
        return json.loads(self._doc.concepts_json(groups))

    @property
    def power(self) -> Dict[str, float]:
        """The power index as a mapping from member ID to value."""
        values = self.concepts(only=["power"])
        return {key[len("power."):]: value for key, value in values.items()
                if key.startswith("power.")}

    def region(self, name: str) -> Region:
        """The cells of a set concept (one of ``quelta.SET_CONCEPTS``)."""
        return Region(name, self._doc.region(name))

    def thermograph(self, mode: str, threads: Optional[int] = None):
        """The value map of a thermograph mode (one of ``quelta.THERMOGRAPH_MODES``) as a
        NumPy float array over the chart's grid, row 0 at the top, NaN where a pixel has no
        value. ``threads`` workers share the map (one per core by default)."""
        if mode not in THERMOGRAPH_MODES:
            raise Error("thermograph", f"the mode is one of {', '.join(THERMOGRAPH_MODES)}, "
                                       f"not {mode!r}")
        if threads is not None and (not isinstance(threads, int) or threads < 1):
            raise Error("thermograph", "threads takes a whole number from 1")
        values, _ = self._doc.thermograph(THERMOGRAPH_MODES[mode], threads or 0)
        return values

    def render(self, show: Optional[Sequence[str]] = None, format: str = "png",
               legend: bool = True) -> bytes:
        """The chart as ``quelta-cli render`` draws it, as the bytes of a PNG, SVG or PDF file.
        ``show`` switches exactly the listed displays on (winset, yolk, uncovered, pareto,
        ...) for this picture only; without it the scenario's display switches apply."""
        if format not in ("png", "svg", "pdf"):
            raise Error("render", f"format is png, svg or pdf, not {format!r}")
        names = None if show is None else [show] if isinstance(show, str) else list(show)
        return self._doc.render(names, format, bool(legend))

    def _repr_png_(self) -> bytes:
        return self.render()

    def _repr_svg_(self) -> str:
        return self.render(format="svg").decode("utf-8")

    def __repr__(self) -> str:
        return f"<quelta.Scenario: {len(self.members)} members>"


def open(path: str, *, config: Optional[str] = None) -> Scenario:
    """Opens a scenario file (standard or XY format). ``config`` names the configuration file
    read at every reset (./quelta.cfg, as for the desktop and quelta-cli, without it)."""
    document = _quelta.Document()
    document.open_file(os.fspath(path), _optional_path(config))
    return Scenario(document)


def open_db(connection: str, scenario: Optional[str] = None, *, house: Optional[str] = None,
            committee: Optional[str] = None, scales: Optional[Sequence[str]] = None,
            config: Optional[str] = None) -> Scenario:
    """Opens a scenario of a legislature database (a .sqlite/.db path or an ODBC connection
    string): the stored scenario ``scenario``, or the committee ``committee`` of ``house``
    ("UH" or "LH") on the two rating scales ``scales`` (horizontal, vertical)."""
    pair = None
    if scales is not None:
        pair = tuple(scales)
        if len(pair) != 2:
            raise Error("open_db", "scales takes two rating scale IDs, (horizontal, vertical)")
    document = _quelta.Document()
    document.open_db(os.fspath(connection), scenario, house, committee, pair,
                     _optional_path(config))
    return Scenario(document)


def import_voteview(path: str, congress: int, chamber: str = "House", *,
                    scores: str = "nominate", config: Optional[str] = None) -> Scenario:
    """Reads the members of one Congress and chamber ("House" or "Senate") from a member file
    of the roll-call archive (one CSV row per member and Congress, with the columns
    ``congress``, ``chamber``, ``icpsr``, ``bioname``, ``party_code``, ``state_abbrev``, ...)
    into a new scenario, the one ``quelta-cli import voteview`` writes: the two dimensions of
    ``scores`` ("nominate" or "nokken-poole") as its scales, the ICPSR numbers as member IDs,
    the status quo at the centre. Rows without scores are left out with a QueltaWarning."""
    if chamber not in ("House", "Senate"):
        raise Error("import", f"chamber takes House or Senate, not {chamber}")
    if scores not in ("nominate", "nokken-poole"):
        raise Error("import", f"scores takes nominate or nokken-poole, not {scores}")
    document = _quelta.Document()
    document.import_voteview(os.fspath(path), int(congress), chamber, scores == "nokken-poole",
                             _optional_path(config))
    return Scenario(document)


def import_csv(path: str, h: str, v: str, *, id: Optional[str] = None,
               name: Optional[str] = None, party: Optional[str] = None,
               weight: Optional[str] = None, config: Optional[str] = None) -> Scenario:
    """Reads the members of a CSV table with a header line into a new scenario, the one
    ``quelta-cli import csv`` writes: the columns named ``h`` and ``v`` give the positions,
    ``id``, ``name``, ``party`` and ``weight`` the members' IDs (else M1, M2, ...), names,
    parties and vote weights. Rows without a position are left out with a QueltaWarning."""
    columns = {key: column for key, column in
               (("h", h), ("v", v), ("id", id), ("name", name), ("party", party),
                ("weight", weight)) if column is not None}
    document = _quelta.Document()
    document.import_csv(os.fspath(path), columns, _optional_path(config))
    return Scenario(document)


from . import generate  # noqa: E402  (the generators build on Scenario)
from ._batch import concepts_many, map  # noqa: E402,A004
