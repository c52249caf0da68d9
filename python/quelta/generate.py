"""The scenario generators: an empty whiteboard, a regular polygon and a random Monte Carlo
scenario, as ``quelta-cli generate`` makes them."""

from __future__ import annotations

import os
from typing import Optional, Tuple

from . import _quelta
from ._errors import Error

__all__ = ["whiteboard", "polygon", "montecarlo"]

_GENERATOR_MODELS = {"tradeoff": "Tradeoff", "cityblock": "City Block",
                     "directional": "Directional", "unified": "Unified",
                     "3": "Tradeoff", "4": "City Block", "2": "Directional", "1": "Unified"}


def _model(value) -> str:
    key = str(value).replace(" ", "").lower()
    if key not in _GENERATOR_MODELS:
        raise Error("type", "the generators' preference models are Tradeoff, City Block, "
                            f"Directional and Unified, not {value!r}")
    return _GENERATOR_MODELS[key]


def _path(path) -> Optional[str]:
    return None if path is None else os.fspath(path)


def _scenario(document):
    from . import Scenario
    return Scenario(document)


def whiteboard(name: str = "Whiteboard", *, config: Optional[str] = None):
    """An empty scenario: one committee on two scales, no members."""
    document = _quelta.Document()
    document.new_whiteboard(name, _path(config))
    return _scenario(document)


def polygon(members: int = 5, radius: float = 40.0, *, type="Tradeoff",
            config: Optional[str] = None):
    """Members on the vertices of a regular polygon about (50, 50): 3 to 1000 members at a
    radial distance of 0 to 100."""
    document = _quelta.Document()
    document.new_polygon(int(members), float(radius), _model(type), _path(config))
    return _scenario(document)


def montecarlo(members: int, *, seed: int = -1, type="Tradeoff", distribution: str = "uniform",
               mean: Tuple[float, float] = (0.0, 0.0), spread: Tuple[float, float] = (0.0, 0.0),
               draws: Optional[int] = None, name: str = "MonteCarlo",
               config: Optional[str] = None):
    """A random scenario of ``members`` ideal points drawn inside the scale box, exactly as
    ``quelta-cli generate montecarlo --members N --seed S ...`` draws it (a seed of 0 or below
    restarts the sequence, so each seed gives one scenario). ``distribution`` is "uniform" or
    "normal" (with ``mean`` and ``spread``); at most ``draws`` candidate points are drawn."""
    if distribution not in ("uniform", "normal"):
        raise Error("montecarlo", "distribution takes uniform or normal")
    if draws is not None and draws < 1:
        raise Error("montecarlo", "draws takes a positive whole number")
    document = _quelta.Document()
    document.new_montecarlo(int(members), int(seed), _model(type),
                            1 if distribution == "uniform" else 2,
                            (float(mean[0]), float(mean[1])),
                            (float(spread[0]), float(spread[1])), int(draws or 0), name, _path(config))
    return _scenario(document)
