"""Shared fixtures of the quelta pytest suite: the command line to compare with and the
shipped examples."""

import json
import os
import pathlib
import subprocess

import pytest

EXAMPLES = pathlib.Path(os.environ.get("QUELTA_EXAMPLES",
                                       pathlib.Path(__file__).parents[2] / "examples"))
CLI = os.environ.get("QUELTA_CLI", str(pathlib.Path(__file__).parents[2] / "build/src/quelta-cli"))


def run_cli(*arguments, check=True, cwd=None):
    """Runs quelta-cli and returns its completed process (text output)."""
    result = subprocess.run([CLI, *map(str, arguments)], capture_output=True, text=True, cwd=cwd)
    if check and result.returncode != 0:
        raise AssertionError(f"quelta-cli {' '.join(map(str, arguments))} failed: "
                             f"{result.stderr}")
    return result


def cli_json(*arguments, cwd=None):
    """The JSON object a quelta-cli command prints, without the "file" key that leads a
    scenario's values (a Scenario's own values are not a file's)."""
    values = json.loads(run_cli(*arguments, cwd=cwd).stdout)
    if isinstance(values, dict):
        values.pop("file", None)
    return values


@pytest.fixture(autouse=True)
def empty_folder(tmp_path, monkeypatch):
    """Every test runs in a folder of its own, without a quelta.cfg, as quelta-cli does."""
    monkeypatch.chdir(tmp_path)
    return tmp_path


@pytest.fixture
def examples():
    return EXAMPLES
