"""Benchmarks of the quelta Python module.

batch:    Monte Carlo scenarios of 25 members, concepts winset,yolk,uncovered: a loop of
          `quelta-cli concepts` over the files against `quelta.concepts_many` on two worker
          threads of this process and on two worker processes, in one run, with the records
          checked equal.
binding:  the 101-member senate's win set recomputed (the status quo moves between two
          points) through `Scenario.concepts`, against the binding's own work per call: a
          call that computes nothing and the parsing of the same result.

Run from the repository after the set-up command:
    PYTHONPATH=build/python python3 bench/python/module_bench.py [--scenarios 1000]
"""

import argparse
import json
import os
import statistics
import subprocess
import tempfile
import time

import quelta

GROUPS = ["winset", "yolk", "uncovered"]


def generate(folder, count, members):
    paths = []
    for k in range(1, count + 1):
        path = os.path.join(folder, f"mc-{k}.txt")
        quelta.generate.montecarlo(members, seed=-k).save(path)
        paths.append(path)
    return paths


def timed_batch(paths, expected, **workers):
    started = time.perf_counter()
    records = quelta.concepts_many(paths, only=GROUPS, **workers)
    seconds = time.perf_counter() - started
    for record, values in zip(records, expected):
        assert record == values, record["file"]
    return seconds


def batch(cli, count, members, workers):
    with tempfile.TemporaryDirectory() as folder:
        paths = generate(folder, count, members)
        started = time.perf_counter()
        expected = [json.loads(subprocess.run(
            [cli, "concepts", path, "--only", ",".join(GROUPS), "--json"],
            capture_output=True, text=True, check=True, cwd=folder).stdout) for path in paths]
        loop = time.perf_counter() - started
        threads = timed_batch(paths, expected, threads=workers)
        processes = timed_batch(paths, expected, processes=workers)
    print(f"batch: {count} scenarios of {members} members, {','.join(GROUPS)}")
    print(f"  quelta-cli concepts loop        {loop:8.2f} s  ({1000 * loop / count:.1f} ms each)")
    for name, seconds in ((f"{workers} threads", threads), (f"{workers} processes", processes)):
        print(f"  concepts_many, {name:<12}   {seconds:8.2f} s  "
              f"({1000 * seconds / count:.1f} ms each, {loop / seconds:.1f} x)")


def binding(senate, repeats):
    scenario = quelta.open(senate)
    points = [(35, 62), (36, 61)]
    scenario.concepts(only=["winset"])
    totals, texts = [], []
    for i in range(repeats):
        scenario.status_quo = points[i % 2]
        started = time.perf_counter()
        scenario.concepts(only=["winset"])
        totals.append(time.perf_counter() - started)
    text = scenario._doc.concepts_json(["winset"])
    calls, parses = [], []
    for _ in range(repeats):
        started = time.perf_counter()
        scenario._doc.status_quo()
        calls.append(time.perf_counter() - started)
        started = time.perf_counter()
        json.loads(text)
        parses.append(time.perf_counter() - started)
    total = statistics.median(totals)
    own = statistics.median(calls) + statistics.median(parses)
    print("binding: 101-member senate, win set recomputed per call (medians of "
          f"{repeats})")
    print(f"  Scenario.concepts(only=['winset'])  {1000 * total:8.3f} ms")
    print(f"  the binding's own work per call     {1000 * own:8.3f} ms  "
          f"({100 * own / total:.2f} % of the call)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--cli", default="build/src/quelta-cli")
    parser.add_argument("--scenarios", type=int, default=1000)
    parser.add_argument("--members", type=int, default=25)
    parser.add_argument("--workers", type=int, default=2)
    parser.add_argument("--senate", default="examples/senate101.txt")
    parser.add_argument("--repeats", type=int, default=50)
    arguments = parser.parse_args()
    cli = os.path.abspath(arguments.cli)
    binding(os.path.abspath(arguments.senate), arguments.repeats)
    batch(cli, arguments.scenarios, arguments.members, arguments.workers)


if __name__ == "__main__":
    main()
