"""Long computations: Ctrl-C, several threads, and batches in worker processes."""

import os
import signal
import threading
import time

import pytest

import quelta
from conftest import EXAMPLES


def slow_scenario():
    """A map that takes a few seconds: the win-set area at every pixel of a large chart."""
    scenario = quelta.open(EXAMPLES / "senate101.txt")
    scenario.chart = (300, 300)
    return scenario


def test_ctrl_c_stops_a_long_map_and_leaves_the_scenario_usable():
    scenario = slow_scenario()
    scenario.chart = (40, 40)
    small = scenario.thermograph("area", threads=1)
    scenario.chart = (300, 300)
    timer = threading.Timer(0.5, os.kill, (os.getpid(), signal.SIGINT))
    started = time.monotonic()
    timer.start()
    with pytest.raises(KeyboardInterrupt):
        scenario.thermograph("area", threads=1)
    timer.join()
    assert time.monotonic() - started < 5, "the map went on long after Ctrl-C"
    scenario.chart = (40, 40)
    again = scenario.thermograph("area", threads=1)
    assert (again == small).all() or ((again != again) == (small != small)).all()
    assert scenario.region("winset").cells > 0


def test_two_threads_compute_two_scenarios_at_once():
    """Each thread's results are those of a run alone (the Banks set draws from the random
    generator, which each thread keeps for itself), and Python runs on while they compute."""
    names = ["winset", "uncovered", "banks"]

    def areas(scenario):
        return [(name, scenario.region(name).area) for name in names]

    expected = {name: areas(quelta.open(EXAMPLES / name)) for name in ("five.txt", "senate101.txt")}
    results = {}

    def compute(name):
        scenario = quelta.open(EXAMPLES / name)
        results[name] = [areas(scenario) for _ in range(3)]

    threads = [threading.Thread(target=compute, args=(name,)) for name in expected]
    for thread in threads:
        thread.start()
    ticks = 0
    while any(thread.is_alive() for thread in threads):
        ticks += 1
        time.sleep(0.001)
    for thread in threads:
        thread.join()
    assert results == {name: [values] * 3 for name, values in expected.items()}
    assert ticks > 10, "the computations held the interpreter's lock"


def test_one_scenario_shared_by_threads_gives_each_call_whole_results():
    scenario = quelta.open(EXAMPLES / "five.txt")
    reference = {}
    for point in [(30, 30), (60, 50)]:
        scenario.status_quo = point
        reference[point] = scenario.region("winset").area
    failures = []

    def alternate(point):
        for _ in range(20):
            scenario.status_quo = point
            area = scenario.region("winset").area
            if area not in reference.values():
                failures.append(area)

    threads = [threading.Thread(target=alternate, args=(p,)) for p in reference]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    assert not failures


def member_count(scenario):
    return len(scenario.members)


def test_map_calls_a_function_on_each_scenario(tmp_path):
    paths = [EXAMPLES / "five.txt", EXAMPLES / "senate101.txt", tmp_path / "missing.txt"]
    records = quelta.map(member_count, paths, processes=2)
    assert [r.get("result") for r in records] == [5, 101, None]
    assert "error" in records[2]
