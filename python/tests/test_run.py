# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""run(): the window's runs, checked against the command-line program."""

import os
import pickle
import subprocess
import sys
import threading

import numpy as np
import pytest
from conftest import files_of

import ellipsoid_flow as ef

DEFAULT = ("0.2", "18", "1", "0", "0")
LARGEST = ("0.2", "400", "18", "10", "5")
# Failing runs: the texts, the error number and the stage the run reached.
FAILING = [
    (("1.5", "18", "1", "0", "0"), 21, "columns counted"),
    (("", "18", "1", "0", "0"), 11, "columns counted"),
    (("0.2", "401", "1", "0", "0"), 9, "coefficients computed"),
    (("0.2", "1E999", "1", "0", "0"), 6, "started"),
    (("0.2", "18", "0", "0", "0"), 5, "columns counted"),
    (("0.2", "18", "19", "10", "0"), 9, "columns counted"),
]


@pytest.mark.parametrize("texts", [DEFAULT, LARGEST, ("0.3 5", "&H11", "2", "-5", " 3")])
def test_files_and_arrays_are_the_command_line_programs(cli, tmp_path, texts):
    (tmp_path / "py").mkdir()
    result = ef.run(*texts, folder=tmp_path / "py")
    cli(*texts, "--dir", tmp_path / "cli", "--grid", tmp_path / "grid.csv")
    assert files_of(tmp_path / "py") == files_of(tmp_path / "cli")

    rows = cli.rows(tmp_path / "grid.csv")
    points, columns = result.Cu.shape
    assert len(rows) == points * columns > 0
    for row in rows:
        i, j = int(row["point"]) - 1, round(float(row["angle_deg"]) * columns / 360) % columns
        got = (result.angle[j], result.FI[i], result.X[i], result.Y[i], result.Cu[i, j],
               result.Cp[i, j])
        assert got == tuple(float(row[k]) for k in ("angle_deg", "FI_deg", "X", "Y", "Cu", "Cp"))


@pytest.mark.parametrize("texts, number, stage", FAILING)
def test_a_failing_run_raises_the_windows_error_and_keeps_the_same_files(cli, tmp_path, texts,
                                                                          number, stage):
    (tmp_path / "py").mkdir()
    with pytest.raises(ef.RunError) as caught:
        ef.run(*texts, folder=tmp_path / "py")
    error = caught.value
    expected = cli(*texts, "--dir", tmp_path / "cli", check=False)
    assert (error.number, error.stage) == (number, stage)
    assert expected.stderr == f"error {error.number}: {error.description} while {error.where}\n"
    assert str(error) == expected.stderr.strip()
    assert files_of(tmp_path / "py") == files_of(tmp_path / "cli")
    again = pickle.loads(pickle.dumps(error))
    assert (type(again), str(again), again.number, again.where) == (
        ef.RunError, str(error), error.number, error.where)


def test_a_missing_folder_is_made_as_the_command_lines_dir_makes_it(cli, tmp_path):
    ef.run(*DEFAULT, folder=tmp_path / "py" / "runs")
    cli(*DEFAULT, "--dir", tmp_path / "cli" / "runs")
    assert files_of(tmp_path / "py" / "runs") == files_of(tmp_path / "cli" / "runs")
    (tmp_path / "file").touch()
    with pytest.raises(ef.RunError) as caught:
        ef.run(*DEFAULT, folder=tmp_path / "file" / "runs")
    assert caught.value.number == 75
    assert str(tmp_path / "file" / "runs") in str(caught.value)


def test_numbers_are_used_as_they_are():
    values = (0.1 + 0.2, 12, 1.0, np.float32(1e-3), -1 / 3)
    assert ef.run(*values).inputs == tuple(float(v) for v in values)


def test_a_shared_state_carries_points_over_as_successive_clicks_do():
    state = ef.FlowState()
    first = ef.run(0.2, 20, 1, 0, 0, state=state)
    second = ef.run(0.2, 10, 1, 0, 0, state=state)
    assert second.X.shape == (10,)
    np.testing.assert_array_equal(state.X[:10], second.X)
    np.testing.assert_array_equal(state.X[10:20], first.X[10:])  # left from the first run
    assert np.isnan(state.X[20:]).all()
    copy = pickle.loads(pickle.dumps(state))
    np.testing.assert_array_equal(copy.CU, state.CU)
    fresh = ef.FlowState()
    ef.run(0.2, 10, 1, 0, 0, state=fresh)
    assert np.isnan(fresh.X[10:20]).all()


def test_runs_in_two_threads_write_what_runs_one_after_the_other_write(tmp_path):
    def inputs(k):
        return (0.1 + k / 250, 40 + k % 7, 1 + k % 5, k % 13, -(k % 3))

    def sweep(folder, ks):
        for k in ks:
            (folder / str(k)).mkdir(parents=True)
            ef.run(*inputs(k), folder=folder / str(k))

    threads = [threading.Thread(target=sweep, args=(tmp_path / "threads", range(t, 200, 2)))
               for t in (0, 1)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    sweep(tmp_path / "sequence", range(200))
    for k in range(200):
        assert files_of(tmp_path / "threads" / str(k)) == files_of(tmp_path / "sequence" / str(k))


def test_a_result_pickles():
    result = ef.run(*LARGEST)
    again = pickle.loads(pickle.dumps(result))
    assert again.inputs == result.inputs and again.K1 == result.K1
    np.testing.assert_array_equal(again.Cu, result.Cu)


@pytest.mark.parametrize("args, kwargs, error", [
    ((0.2, 18, 1, 0, None), {}, TypeError),
    ((0.2, 18, 1, True, 0), {}, TypeError),
    ((float("nan"), 18, 1, 0, 0), {}, ValueError),
    ((0.2, float("inf"), 1, 0, 0), {}, ValueError),
    (DEFAULT, {"state": 3}, TypeError),
    (DEFAULT, {"folder": 3}, TypeError),
])
def test_wrong_calls_raise(args, kwargs, error):
    with pytest.raises(error):
        ef.run(*args, **kwargs)


def test_the_files_follow_the_environments_locale_and_the_process_keeps_its_own(cli, tmp_path):
    locales = tmp_path / "locales"
    locales.mkdir()
    made = subprocess.run(["localedef", "-i", "de_DE", "-f", "UTF-8", locales / "de_DE.UTF-8"],
                          capture_output=True)
    if made.returncode not in (0, 1):  # 1: made, with warnings
        pytest.skip("cannot build a de_DE.UTF-8 locale (Debian package locales)")
    env = {**os.environ, "LOCPATH": str(locales), "LC_ALL": "de_DE.UTF-8"}
    (tmp_path / "py").mkdir()
    script = ("import locale, sys, ellipsoid_flow as ef; ef.run(*sys.argv[1:6], folder=sys.argv[6]);"
              "print(locale.localeconv()['decimal_point'])")
    python = subprocess.run([sys.executable, "-c", script, *LARGEST, tmp_path / "py"], env=env,
                            capture_output=True, text=True, check=True)
    subprocess.run([cli.program, *LARGEST, "--dir", tmp_path / "cli"], env=env, check=True)
    assert python.stdout == ".\n"
    assert files_of(tmp_path / "py") == files_of(tmp_path / "cli")
    assert b" Lamda = 0,2 " in files_of(tmp_path / "py")[0]
