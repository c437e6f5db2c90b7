# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The worked example, small: Gmsh meshes, the demonstration panel method, the study converging."""

import subprocess
import sys
from pathlib import Path

import numpy as np
import pandas
import pytest

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "examples"))
import panel_convergence  # noqa: E402


@pytest.fixture(scope="module")
def study(tmp_path_factory):
    folder = tmp_path_factory.mktemp("study")
    return folder, panel_convergence.run_study(
        panel_convergence.SMALL_SIZES, folder, progress=lambda _: None
    )


def test_the_panel_method_converges_to_the_exact_values(study):
    _, comparison = study
    table = comparison.table
    assert list(table["cells"]) == sorted(table["cells"]) and table["cells"].iloc[-1] > 400
    # First order or better in Cp from the coarsest to the finest mesh.
    cp_l2, h = table["cp_l2"].to_numpy(), table["h"].to_numpy()
    assert np.all(np.diff(cp_l2) < 0)
    assert np.log(cp_l2[0] / cp_l2[-1]) / np.log(h[0] / h[-1]) > 0.8
    assert cp_l2[-1] < 0.015
    # The added mass within a few per cent, as a constant-source method gives it on a few
    # hundred panels.
    assert table[["m11", "m22", "m33", "m55", "m66"]].iloc[-1].max() < 0.05


def test_the_command_compares_the_study_file_as_the_function_does(study):
    folder, comparison = study
    done = subprocess.run(
        [
            sys.executable,
            "-m",
            "ellipsoid_flow.reference",
            "compare",
            "study.csv",
            "--lambda",
            str(panel_convergence.LAMDA),
            "--alpha",
            "10",
            "--table",
            "table.csv",
            "--figure",
            "figure.png",
        ],
        cwd=folder,
        capture_output=True,
        text=True,
    )
    assert done.returncode == 0, done.stderr
    table = pandas.read_csv(folder / "table.csv")
    np.testing.assert_allclose(table["cp_l2"], comparison.table["cp_l2"], rtol=1e-5)
    np.testing.assert_allclose(
        table["order_am_max"][1:], comparison.table["order_am_max"][1:], rtol=1e-5
    )
    assert (folder / "figure.png").read_bytes()[:8] == b"\x89PNG\r\n\x1a\n"
