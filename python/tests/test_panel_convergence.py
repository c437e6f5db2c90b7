# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The worked examples, small: Gmsh meshes, the demonstration panel method, the studies converging."""

import json
import subprocess
import sys
from pathlib import Path

import numpy as np
import pandas
import pytest

import ellipsoid_flow
from conftest import run_command

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "examples"))
import panel_convergence  # noqa: E402
import radiation_convergence  # noqa: E402


@pytest.fixture(scope="module")
def study(tmp_path_factory):
    folder = tmp_path_factory.mktemp("study")
    return folder, panel_convergence.run_study(
        panel_convergence.SMALL_SIZES, folder, progress=lambda _: None
    )


@pytest.fixture(scope="module")
def radiation_study(tmp_path_factory):
    folder = tmp_path_factory.mktemp("radiation")
    return folder, radiation_convergence.run_study(
        radiation_convergence.SMALL_SIZES, folder, progress=lambda _: None
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


def test_the_panel_methods_six_modes_converge_to_the_exact_ones(radiation_study):
    folder, comparison = radiation_study
    table = comparison.table
    # Every entry of the turned, moved body couples; the worst falls on each finer mesh.
    assert len([name for name in table if name[0] == "m" and name[1:].isdigit()]) == 21
    assert np.all(np.diff(table["am_max"]) < 0) and table["am_max"].iloc[-1] < 0.1
    modes = table[[f"phi{k}_l2" for k in range(1, 7)]].to_numpy()
    assert np.all(modes[-1] < modes[0]) and np.all(modes[-1] < 0.015)
    # The peer's matrix against the library's, not through the comparison.
    exact = ellipsoid_flow.Ellipsoid(*radiation_convergence.SEMI_AXES).added_mass(
        about=-np.array(radiation_convergence.CENTRE), rotation=radiation_convergence.ROTATION
    )
    peer = json.loads((folder / "added_mass_2.json").read_text())["added_mass"]
    assert np.max(np.abs(peer - exact)) < 0.05 * np.max(np.abs(exact))


def test_the_command_compares_the_radiation_study_as_the_function_does(radiation_study):
    folder, comparison = radiation_study
    pose = [
        "--axes",
        ",".join(map(repr, radiation_convergence.SEMI_AXES)),
        "--centre",
        ",".join(map(repr, radiation_convergence.CENTRE)),
        "--rotation",
        ",".join(map(repr, radiation_convergence.ROTATION.ravel())),
    ]
    done = run_command("compare", "study.csv", *pose, "--table", "table.csv", cwd=folder)
    assert done.returncode == 0, done.stderr
    assert "mode potentials, area-weighted RMS error" in done.stdout
    table = pandas.read_csv(folder / "table.csv")
    for column in ("am_max", "m16", "phi5_l2", "order_phi5_linf"):
        np.testing.assert_allclose(table[column], comparison.table[column], rtol=1e-5)
