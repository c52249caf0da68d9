"""Batches of scenarios in worker processes: one record per scenario, in the order given, a
failed scenario as a record with its error."""

from __future__ import annotations

import builtins
import multiprocessing
import os
from typing import Any, Callable, Dict, Iterable, List, Optional

from ._errors import Error

__all__ = ["concepts_many", "map"]


def _error_record(path: str, error: BaseException) -> Dict[str, Any]:
    if isinstance(error, Error):
        return {"file": path, "error": {"code": error.code, "message": error.message}}
    return {"file": path, "error": {"code": type(error).__name__, "message": str(error)}}


def _concepts_of(task) -> Dict[str, Any]:
    path, only, config = task
    from . import open as open_scenario
    try:
        return {"file": path, **open_scenario(path, config=config).concepts(only)}
    except Exception as error:  # every failure is the scenario's record, never the batch's end
        return _error_record(path, error)


def _apply(task) -> Dict[str, Any]:
    function, path, config = task
    from . import open as open_scenario
    try:
        return {"file": path, "result": function(open_scenario(path, config=config))}
    except Exception as error:
        return _error_record(path, error)


def _run(worker: Callable, tasks: List[Any], processes: Optional[int]) -> List[Dict[str, Any]]:
    if processes is not None and (not isinstance(processes, int) or processes < 0):
        raise Error("processes", "processes takes a whole number from 0 (0: in this process)")
    if processes == 0 or not tasks:
        return [worker(task) for task in tasks]
    count = min(processes or os.cpu_count() or 1, len(tasks))
    # Workers are started afresh rather than forked: the parent's Qt application and threads
    # do not survive a fork.
    context = multiprocessing.get_context("spawn")
    chunk = max(1, len(tasks) // (count * 8))
    with context.Pool(count) as pool:
        return pool.map(worker, tasks, chunksize=chunk)


def concepts_many(paths: Iterable[str], only: Optional[Iterable[str]] = None, *,
                  processes: Optional[int] = None,
                  config: Optional[str] = None) -> List[Dict[str, Any]]:
    """The concepts of many scenario files, computed in ``processes`` worker processes (one
    per core by default; 0 computes them in this process). Each record is
    ``{"file": path, **Scenario.concepts(only)}``, or ``{"file": path, "error": {"code",
    "message"}}`` for a scenario that failed; the batch always runs to its end."""
    groups = None if only is None else [only] if isinstance(only, str) else list(only)
    return _run(_concepts_of, [(os.fspath(p), groups, config) for p in paths], processes)


def map(function: Callable, paths: Iterable[str], processes: Optional[int] = None, *,
        config: Optional[str] = None) -> List[Dict[str, Any]]:
    """Calls ``function(scenario)`` on each opened scenario file in worker processes
    (``function`` must be importable by name, as multiprocessing requires). Each record is
    ``{"file": path, "result": ...}``, or ``{"file": path, "error": {...}}``."""
    return _run(_apply, [(function, os.fspath(p), config) for p in builtins.list(paths)], processes)
