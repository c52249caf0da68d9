"""The concepts' values from Python are the command line's, key for key."""

import pytest

import quelta
from conftest import EXAMPLES, cli_json

SCENARIOS = ["five.txt", "triangle.txt", "seven-weighted.txt", "points-xy.txt", "senate101.txt"]


@pytest.mark.parametrize("name", SCENARIOS)
def test_concepts_equal_the_command_lines_key_for_key(name):
    expected = cli_json("concepts", EXAMPLES / name, "--json")
    assert quelta.open(EXAMPLES / name).concepts() == expected


def test_concepts_follow_the_scenarios_changes_and_groups():
    scenario = quelta.open(EXAMPLES / "senate101.txt")
    scenario.status_quo = (35, 62)
    scenario.set("nUncoveredSet", 10)
    only = ["winset", "yolk", "uncovered", "pareto", "power"]
    expected = cli_json("concepts", EXAMPLES / "senate101.txt", "--sq", "35,62", "--set",
                        "nUncoveredSet=10", "--only", ",".join(only), "--json")
    values = scenario.concepts(only=only)
    assert values == expected
    power = scenario.power
    assert list(power) == [m["id"] for m in scenario.members]
    assert power == {key[6:]: value for key, value in values.items() if key.startswith("power.")}
    with pytest.raises(quelta.Error):
        scenario.concepts(only=["nonsense"])


def test_concepts_many_gives_one_record_per_file_and_failures_as_records(tmp_path):
    (tmp_path / "bad.txt").write_text("garbage\n")
    paths = [EXAMPLES / "five.txt", tmp_path / "bad.txt", EXAMPLES / "triangle.txt",
             tmp_path / "missing.txt"]
    # Threads of this process (the default), worker processes, and one by one.
    for workers in ({}, {"threads": 3}, {"processes": 2}, {"threads": 0}):
        records = quelta.concepts_many(paths * 2, only=["winset", "yolk"], **workers)
        assert [r["file"] for r in records] == [str(p) for p in paths * 2], workers
        for path, record in zip(paths * 2, records):
            if path.parent == EXAMPLES:
                assert record == {"file": str(path),
                                  **cli_json("concepts", path, "--only", "winset,yolk", "--json")}
            else:
                assert set(record) == {"file", "error"} and record["error"]["message"]
    assert quelta.concepts_many(paths[:1], only="yolk", processes=0)[0]["yolk.radius"] > 0
    for workers in ({"processes": -1}, {"threads": 1.5}, {"threads": 2, "processes": 2}):
        with pytest.raises(quelta.Error):
            quelta.concepts_many(paths, **workers)
