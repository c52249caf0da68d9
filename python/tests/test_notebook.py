"""The example notebook executes from start to end."""

import os
import pathlib
import shutil
import subprocess
import sys

import pytest

NOTEBOOK = pathlib.Path(os.environ.get("QUELTA_SOURCE", pathlib.Path(__file__).parents[2])) \
    / "examples/notebooks/senate.ipynb"


def test_senate_notebook_executes(tmp_path):
    jupyter = shutil.which("jupyter-nbconvert")
    if jupyter is None:
        pytest.skip("jupyter-nbconvert is not installed")
    result = subprocess.run(
        [sys.executable, "-m", "nbconvert", "--to", "notebook", "--execute",
         "--ExecutePreprocessor.timeout=600", "--output-dir", str(tmp_path), str(NOTEBOOK)],
        capture_output=True, text=True)
    assert result.returncode == 0, result.stderr
    executed = (tmp_path / "senate.ipynb").read_text()
    assert '"output_type": "error"' not in executed
    assert executed.count("image/png") >= 3
