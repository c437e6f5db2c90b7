# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The teaching notebook runs from top to bottom and draws its figures."""

import json
import os
import shutil
import subprocess
from pathlib import Path

import pytest

import ellipsoid_flow

NOTEBOOK = Path(__file__).resolve().parents[2] / "examples" / "lecture.ipynb"


def test_lecture_runs_and_draws_its_figures(tmp_path):
    if shutil.which("jupyter-nbconvert") is None:
        pytest.skip("jupyter-nbconvert is not installed")
    stored = json.loads(NOTEBOOK.read_text())
    code = [cell for cell in stored["cells"] if cell["cell_type"] == "code"]
    assert all(not cell["outputs"] for cell in code), "the notebook is stored with outputs"
    # The kernel is Jupyter's own Python, whichever runs the tests: it is given
    # the folder the module under test is imported from (a build, or a virtual
    # environment's site-packages), absolute as it runs in the notebook's folder.
    home = Path(ellipsoid_flow.__file__).resolve().parents[1]
    given = [os.path.abspath(p) for p in os.environ.get("PYTHONPATH", "").split(os.pathsep) if p]
    ran = subprocess.run(["jupyter-nbconvert", "--to", "notebook", "--execute", "--output-dir",
                          str(tmp_path), str(NOTEBOOK)], cwd=tmp_path, capture_output=True,
                         text=True, env={**os.environ, "PYTHONPATH": os.pathsep.join([str(home), *given])})
    assert ran.returncode == 0, ran.stderr[-3000:]
    ran = json.loads((tmp_path / NOTEBOOK.name).read_text())
    outputs = [out for cell in ran["cells"] if cell["cell_type"] == "code" for out in cell["outputs"]]
    assert not [out for out in outputs if out["output_type"] == "error"]
    drawing = [cell for cell in ran["cells"] if "plt.show()" in "".join(cell["source"])]
    figures = [out for cell in drawing for out in cell["outputs"] if "image/png" in out.get("data", {})]
    assert len(drawing) == 5 and len(figures) == len(drawing)
