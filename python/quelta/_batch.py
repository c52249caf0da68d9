"""Batches of scenarios on worker threads of this process or in worker processes: one record
per scenario, in the order given, a failed scenario as a record with its error."""

from __future__ import annotations

import builtins
import multiprocessing
import os
from concurrent.futures import ThreadPoolExecutor
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


def _worker_count(name: str, count: Optional[int]) -> Optional[int]:
    if count is not None and (isinstance(count, bool) or not isinstance(count, int) or count < 0):
        raise Error(name, f"{name} takes a whole number from 0 (0: in this process, one by one)")
    return count


def _run_threads(worker: Callable, tasks: List[Any], threads: Optional[int]) -> List[Dict[str, Any]]:
    count = min(os.cpu_count() or 1 if threads is None else threads, len(tasks))
    if count <= 1:
        return [worker(task) for task in tasks]
    # Every computation gives up the interpreter's lock, so the threads compute side by side.
    # Ctrl-C cancels the scenarios not yet started and waits for the ones under way.
    executor = ThreadPoolExecutor(count, thread_name_prefix="quelta-batch")
    try:
        return builtins.list(executor.map(worker, tasks))
    finally:
        executor.shutdown(wait=True, cancel_futures=True)


def _run(worker: Callable, tasks: List[Any], processes: Optional[int]) -> List[Dict[str, Any]]:
    processes = _worker_count("processes", processes)
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
                  threads: Optional[int] = None, processes: Optional[int] = None,
                  config: Optional[str] = None) -> List[Dict[str, Any]]:
    """The concepts of many scenario files, computed in this process on ``threads`` worker
    threads (one per core by default; 0 or 1 computes them one by one), or, when
    ``processes`` is given, in that many worker processes. Each record is
    ``{"file": path, **Scenario.concepts(only)}``, or ``{"file": path, "error": {"code",
    "message"}}`` for a scenario that failed; the batch always runs to its end."""
    groups = None if only is None else [only] if isinstance(only, str) else list(only)
    tasks = [(os.fspath(p), groups, config) for p in paths]
    threads = _worker_count("threads", threads)
    if processes is not None:
        if threads is not None:
            raise Error("threads", "give threads or processes, not both")
        return _run(_concepts_of, tasks, processes)
    return _run_threads(_concepts_of, tasks, threads)


def map(function: Callable, paths: Iterable[str], processes: Optional[int] = None, *,
        config: Optional[str] = None) -> List[Dict[str, Any]]:
    """Calls ``function(scenario)`` on each opened scenario file in worker processes
    (``function`` must be importable by name, as multiprocessing requires). Each record is
    ``{"file": path, "result": ...}``, or ``{"file": path, "error": {...}}``."""
    return _run(_apply, [(function, os.fspath(p), config) for p in builtins.list(paths)], processes)
