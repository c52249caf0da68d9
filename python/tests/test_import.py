"""Real legislatures in: the roll-call archive's member files and tables of the user's own
become the scenarios quelta-cli import writes, with the same concepts."""

import warnings

import pytest

import quelta
from conftest import EXAMPLES, cli_json, run_cli

SAMPLE = EXAMPLES / "import" / "members-sample.csv"


def test_congress_and_chamber_give_the_scenario_the_command_line_writes(empty_folder):
    for chamber, scores in (("House", "nominate"), ("Senate", "nokken-poole")):
        with warnings.catch_warnings(record=True):
            warnings.simplefilter("always")
            scenario = quelta.import_voteview(SAMPLE, 110, chamber, scores=scores)
        written = empty_folder / f"{chamber}.txt"
        run_cli("import", "voteview", SAMPLE, "--congress", 110, "--chamber", chamber,
                "--scores", scores, "-o", written)
        assert scenario.members == quelta.open(written).members
        only = ["vote", "winset", "yolk", "pareto"]
        assert scenario.concepts(only=only) == cli_json("concepts", written, "--only",
                                                        ",".join(only), "--json")


def test_rows_without_scores_are_a_warning_and_the_status_quo_is_inside():
    with pytest.warns(quelta.QueltaWarning, match=r"left out 1 row without scores \(line 8\)"):
        house = quelta.import_voteview(SAMPLE, 110, "House")
    assert [m["id"] for m in house.members] == ["90001", "90002", "90003", "90004", "90005"]
    assert house.status_quo == (0, 0) and house.extent == (-1, 1, -1, 1)
    assert house.concepts(only=["winset"])["winset.complete"] == 1


def test_own_table_is_read_by_the_columns_named(empty_folder):
    table = empty_folder / "own.csv"
    table.write_text('\ufeffwho,"left, right",up,bloc,w\n'
                     'Ames,10,20,Red,2\nBell,30,,Blue,1\nCole,50,5,Blue,1\nDunn,70,40,Red,1\n',
                     encoding="utf-8")
    with pytest.warns(quelta.QueltaWarning, match="line 3"):
        scenario = quelta.import_csv(table, "left, right", "up", name="who", party="bloc",
                                     weight="w")
    assert [(m["id"], m["label"], m["weight"]) for m in scenario.members] == [
        ("M1", "Ames", 2), ("M3", "Cole", 1), ("M4", "Dunn", 1)]
    written = empty_folder / "own.txt"
    run_cli("import", "csv", table, "--h", "left, right", "--v", "up", "--name", "who",
            "--party", "bloc", "--weight", "w", "-o", written)
    assert scenario.concepts() == cli_json("concepts", written, "--json")


def test_what_cannot_be_imported_raises_and_names_the_place(empty_folder):
    (empty_folder / "bad.csv").write_text("x,y\n1,2\n3,abc\n")
    cases = [
        (lambda: quelta.import_csv("bad.csv", "x", "y"), "line 3"),
        (lambda: quelta.import_csv("bad.csv", "x", "z"), "z"),
        (lambda: quelta.import_csv("missing.csv", "x", "y"), "missing.csv"),
        (lambda: quelta.import_voteview(SAMPLE, 99, "House"), "Congress 99"),
        (lambda: quelta.import_voteview(SAMPLE, 110, "house"), "House or Senate"),
        (lambda: quelta.import_voteview(SAMPLE, 110, scores="dw"), "nokken-poole"),
    ]
    for call, named in cases:
        with pytest.raises(quelta.Error) as raised:
            call()
        assert raised.value.code == "import" and named in raised.value.message
