"""The README's R study runs through reticulate and gives Python's numbers."""

import os
import pathlib
import shutil
import subprocess
import sys

import pytest

import quelta
from conftest import EXAMPLES

STUDY = """
library(reticulate)
quelta <- import("quelta")
senate <- quelta$open("{senate}")
senate$status_quo <- tuple(35, 62)
values <- senate$concepts(only = list("winset", "yolk"))
cat(sprintf("%.17g %.17g\\n", values[["winset.area"]], values[["yolk.radius"]]))
"""


def test_r_reaches_the_module_through_reticulate():
    if shutil.which("Rscript") is None:
        pytest.skip("R is not installed")
    check = subprocess.run(["Rscript", "-e", "library(reticulate)"], capture_output=True)
    if check.returncode != 0:
        pytest.skip("reticulate is not installed")
    environment = dict(os.environ, RETICULATE_PYTHON=sys.executable)
    result = subprocess.run(["Rscript", "-e", STUDY.format(senate=EXAMPLES / "senate101.txt")],
                            capture_output=True, text=True, env=environment)
    assert result.returncode == 0, result.stderr
    senate = quelta.open(EXAMPLES / "senate101.txt")
    senate.status_quo = (35, 62)
    values = senate.concepts(only=["winset", "yolk"])
    area, radius = (float(n) for n in result.stdout.split())
    assert (area, radius) == (values["winset.area"], values["yolk.radius"])
