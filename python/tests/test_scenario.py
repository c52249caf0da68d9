"""Opening, reading and changing scenarios, saving them, the report and scripts, and the
errors of bad input."""

import math
import pathlib

import pytest

import quelta
from conftest import EXAMPLES, cli_json, run_cli


def test_opened_scenario_reads_as_the_command_line_lists_it():
    for name in ("five.txt", "senate101.txt", "seven-weighted.txt", "points-xy.txt"):
        scenario = quelta.open(EXAMPLES / name)
        info = cli_json("info", EXAMPLES / name, "--json")
        members = scenario.members
        assert [m["id"] for m in members] == [m["id"] for m in info["members"]], name
        for ours, theirs in zip(members, info["members"]):
            for key in ("label", "h", "v", "weight", "type", "veto", "candidate"):
                assert ours[key] == pytest.approx(theirs[key]), (name, key)
        assert scenario.status_quo == pytest.approx(tuple(info["statusQuo"])), name
        assert scenario.proposal == pytest.approx(tuple(info["proposal"])), name
        assert scenario.rule == pytest.approx(info["rule"]), name
        assert scenario.absolute == bool(info["absolute"]), name
        assert scenario.weighted == bool(info["weighted"]), name


def test_members_frame_is_indexed_by_id():
    frame = quelta.open(EXAMPLES / "five.txt").members_frame()
    assert list(frame.columns) == ["label", "h", "v", "weight", "type", "veto", "candidate"]
    assert frame.index.name == "id" and len(frame) == 5


def test_setters_change_the_scenario_and_refuse_bad_values_without_change():
    scenario = quelta.open(EXAMPLES / "five.txt")
    scenario.status_quo = (40, 55)
    scenario.proposal = (60.5, 20)
    scenario.rule = 0.75
    scenario.absolute = False
    scenario.weighted = True
    assert scenario.status_quo == (40, 55) and scenario.proposal == (60.5, 20)
    assert (scenario.rule, scenario.absolute, scenario.weighted) == (0.75, False, True)
    bad = [("status_quo", (math.nan, 1)), ("status_quo", (1e16, 0)), ("status_quo", "x"),
           ("proposal", (1, 2, 3)), ("rule", 1.5), ("rule", -0.1), ("chart", (5, 400)),
           ("chart", (400, 30000)), ("zoom", 0)]
    for attribute, value in bad:
        before = getattr(scenario, attribute)
        with pytest.raises(quelta.Error):
            setattr(scenario, attribute, value)
        assert getattr(scenario, attribute) == before, attribute


def test_settings_are_set_by_key_as_the_command_line_sets_them():
    scenario = quelta.open(EXAMPLES / "five.txt")
    scenario.set("nUncoveredSet", 10)
    assert scenario.get("nUncoveredSet").strip().endswith("10")
    for key, value in [("noSuchKey", 1), ("nUncoveredSet", 100000), ("defaultModelName", "x")]:
        before = scenario.get("nUncoveredSet")
        with pytest.raises(quelta.Error) as raised:
            scenario.set(key, value)
        assert raised.value.code == "setting"
        assert scenario.get("nUncoveredSet") == before


def test_members_are_added_and_removed_through_the_document():
    scenario = quelta.generate.whiteboard()
    first = scenario.add_member(10, 20)
    second = scenario.add_member(30, 40, id="A1", name="Able", type="cityblock")
    assert [m["id"] for m in scenario.members] == [first, "A1"]
    assert scenario.members[1]["type"] == quelta.PREFERENCE_TYPES["cityblock"]
    assert scenario.members[1]["label"] == "Able"
    with pytest.raises(quelta.Error):
        scenario.add_member(1, 1, id="A1")
    with pytest.raises(quelta.Error):
        scenario.add_member(1, 1, type="nonsense")
    scenario.remove_member(first)
    assert [m["id"] for m in scenario.members] == [second]
    with pytest.raises(quelta.Error):
        scenario.remove_member("nobody")


def test_saved_scenario_is_the_command_lines_save(tmp_path):
    scenario = quelta.open(EXAMPLES / "points-xy.txt")
    scenario.save(tmp_path / "ours.txt")
    run_cli("save", EXAMPLES / "points-xy.txt", tmp_path / "theirs.txt")
    assert (tmp_path / "ours.txt").read_text() == (tmp_path / "theirs.txt").read_text()
    with pytest.raises(quelta.Error):
        scenario.save(tmp_path)


def test_generators_draw_what_the_command_line_draws(tmp_path):
    cases = [(quelta.generate.montecarlo(25, seed=-7),
              ["montecarlo", "--members", "25", "--seed", "-7"]),
             (quelta.generate.montecarlo(9, seed=-3, distribution="normal", mean=(50, 40),
                                         spread=(10, 20), type="City Block"),
              ["montecarlo", "--members", "9", "--seed", "-3", "--distribution", "normal",
               "--mean", "50,40", "--spread", "10,20", "--type", "cityblock"]),
             (quelta.generate.polygon(7, 30), ["polygon", "--members", "7", "--radius", "30"]),
             (quelta.generate.whiteboard(), ["whiteboard"])]
    for index, (scenario, arguments) in enumerate(cases):
        scenario.save(tmp_path / f"ours{index}.txt")
        run_cli("generate", *arguments, "-o", tmp_path / f"theirs{index}.txt")
        assert (tmp_path / f"ours{index}.txt").read_text() == \
            (tmp_path / f"theirs{index}.txt").read_text(), arguments
    for bad in [dict(members=-1), dict(members=200000), dict(members=5, distribution="odd"), dict(members=5, type="x"),
                dict(members=5, draws=0)]:
        with pytest.raises(quelta.Error):
            quelta.generate.montecarlo(**bad)
    with pytest.raises(quelta.Error):
        quelta.generate.polygon(2, 30)


def test_report_and_scripts_print_what_the_command_line_prints(tmp_path):
    scenario = quelta.open(EXAMPLES / "five.txt")
    assert scenario.report() == run_cli("report", EXAMPLES / "five.txt").stdout
    program = '10 PRINT GetYolkRadius()\n20 INPUT A$\n30 PRINT A$\n40 PRINT 1 + 2\n'
    (tmp_path / "study.bas").write_text(program)
    (tmp_path / "input.txt").write_text("typed\n")
    expected = run_cli("run", tmp_path / "study.bas", "--scenario", EXAMPLES / "five.txt",
                       "--input", tmp_path / "input.txt").stdout
    assert scenario.run_script(program, input="typed\n") == expected.replace("\r\n", "\n")
    scenario.run_script("10 CALL SetStatusQuo(12, 34)")
    assert scenario.status_quo == (12, 34)
    with pytest.raises(quelta.Error) as raised:
        scenario.run_script("10 GOTO 99")
    assert raised.value.code == "script" and "99" in raised.value.message


def test_bad_files_and_databases_raise_errors(tmp_path):
    (tmp_path / "garbage.txt").write_text("garbage\n")
    for path in [tmp_path / "missing.txt", tmp_path / "garbage.txt", tmp_path]:
        with pytest.raises(quelta.Error) as raised:
            quelta.open(path)
        assert raised.value.message, path
        assert "Please record" not in raised.value.message, "the error box's furniture came along"
    with pytest.raises(quelta.Error) as raised:
        quelta.open(tmp_path / "missing.txt")
    assert raised.value.code != "open" and "missing.txt" in raised.value.message
    with pytest.raises(quelta.Error) as raised:
        quelta.open(EXAMPLES / "five.txt", config=tmp_path / "missing.cfg")
    database = EXAMPLES / "legislature.sqlite"
    for kwargs in [dict(scenario="No such scenario"), dict(house="XX", committee="C", scales=("A", "B")),
                   dict(house="UH"), dict(scenario="Tax reform", house="UH"),
                   dict(house="LH", committee="L-AGR", scales=("ECON", "NONE"))]:
        with pytest.raises(quelta.Error):
            quelta.open_db(database, **kwargs)
    with pytest.raises(quelta.Error):
        quelta.open_db(tmp_path / "missing.sqlite", scenario="Tax reform")
    assert not (tmp_path / "missing.sqlite").exists()
    assert list(tmp_path.iterdir()) == [tmp_path / "garbage.txt"]


def test_database_scenarios_open_as_the_command_line_opens_them():
    database = EXAMPLES / "legislature.sqlite"
    stored = quelta.open_db(database, "Tax reform")
    info = cli_json("info", "--db", database, "--scenario", "Tax reform", "--json")
    assert [m["id"] for m in stored.members] == [m["id"] for m in info["members"]]
    committee = quelta.open_db(database, house="LH", committee="L-AGR", scales=("ECON", "ENVI"))
    info = cli_json("info", "--db", database, "--house", "LH", "--committee", "L-AGR",
                    "--scales", "ECON,ENVI", "--json")
    assert [(m["h"], m["v"]) for m in committee.members] == \
        [(m["h"], m["v"]) for m in info["members"]]
