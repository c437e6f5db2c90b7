# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Spheroid and Flow: the exact flow, checked against the command-line
program's field output and the window's grid."""

import math
import pickle

import numpy as np
import pytest

import ellipsoid_flow as ef


@pytest.fixture(scope="module")
def flow():
    return ef.Spheroid(0.2).flow(10, 5)


def points_off_the_body(n, seed=7):
    """n points around a body of length 1, thickness 0.2, none inside it."""
    rng = np.random.default_rng(seed)
    p = rng.uniform(-1, 1, size=(n, 3)) * (1.0, 0.4, 0.4)
    inside = p[:, 0] ** 2 / 0.25 + (p[:, 1] ** 2 + p[:, 2] ** 2) / 0.01 < 1.01
    return p[~inside]


def test_the_field_is_the_command_line_programs(cli, tmp_path, flow):
    points = points_off_the_body(500)
    (tmp_path / "points.csv").write_text(
        "x,y,z\n" + "".join(",".join(repr(float(c)) for c in p) + "\n" for p in points))
    out = tmp_path / "field.csv"
    out.write_text(cli("field", "--lambda", 0.2, "--alpha", 10, "--beta", 5, "--points",
                       tmp_path / "points.csv").stdout)
    rows = cli.rows(out)
    expected = {k: np.array([float(r[k]) for r in rows]) for k in rows[0]}
    np.testing.assert_array_equal(np.column_stack([expected[k] for k in "xyz"]), points)
    np.testing.assert_array_equal(flow.potential(points), expected["phi"])
    np.testing.assert_array_equal(flow.velocity(points),
                                  np.column_stack([expected[k] for k in "uvw"]))
    np.testing.assert_array_equal(flow.cu(points), expected["Cu"])
    np.testing.assert_array_equal(flow.cp(points), expected["Cp"])


def test_the_surface_is_the_windows_grid_and_its_points_are_on_the_body(flow):
    result = ef.run(0.2, 40, 4, 10, 5)
    surface = flow.surface(result.FI[:, np.newaxis], result.angle[np.newaxis, :])
    np.testing.assert_allclose(surface.Cu, result.Cu, rtol=0, atol=1e-13)
    np.testing.assert_allclose(surface.position[:, 0, 0] - 0.0, result.X, atol=1e-15)
    # the same points through the field functions, on the body
    np.testing.assert_allclose(flow.cp(surface.position), surface.Cp, atol=1e-13)


def test_array_shapes_follow_the_points(flow):
    grid = points_off_the_body(24).reshape(-1, 2, 3)
    assert flow.velocity(grid).shape == grid.shape
    assert flow.potential(grid).shape == grid.shape[:-1]
    assert isinstance(flow.cp(grid[0, 0]), float)
    big = np.ascontiguousarray(points_off_the_body(40_000))
    np.testing.assert_array_equal(flow.cu(big)[::997], flow.cu(big[::997]))  # threaded or not


def test_points_inside_are_named_or_nan(flow):
    points = [[2.0, 0, 0], [0.0, 0.01, 0], [0.0, 0.0, 0.5]]
    with pytest.raises(ValueError, match="1"):
        flow.velocity(points)
    v = flow.velocity(points, inside="nan")
    assert np.isnan(v[1]).all() and np.isfinite(v[[0, 2]]).all()


def test_streamline_follows_the_flow_and_stays_off_the_body(flow):
    line = flow.streamline([-1.0, 0.02, 0.03], 2.0)
    assert not flow.spheroid.contains(line).any()
    steps = np.diff(line, axis=0)
    v = flow.velocity(line[:-1])
    cosines = np.sum(steps * v, axis=1) / np.linalg.norm(steps, axis=1) / np.linalg.norm(v, axis=1)
    assert cosines.min() > 0.999
    assert math.isclose(np.linalg.norm(steps, axis=1).sum(), 2.0, rel_tol=1e-6)


def test_objects_pickle(flow):
    body = ef.Spheroid(a=3.0, b=0.7)
    again = pickle.loads(pickle.dumps(body))
    assert (again.a, again.b, again.k_prime) == (body.a, body.b, body.k_prime)
    np.testing.assert_array_equal(again.added_mass((0.1, 0, 0)), body.added_mass((0.1, 0, 0)))
    copy = pickle.loads(pickle.dumps(flow))
    points = points_off_the_body(50)
    np.testing.assert_array_equal(copy.velocity(points), flow.velocity(points))
    assert (copy.alpha, copy.beta) == (flow.alpha, flow.beta)


def test_dimensional_added_mass_scales_with_density_and_length():
    body = ef.Spheroid(0.2)
    rotation = np.array([0] * 3 + [1] * 3)  # masses L^3, couplings L^4, moments L^5
    expected = 1025 * body.added_mass((0.1, 0, 0)) * 2.0 ** (3 + rotation[:, None] + rotation)
    # the reference point 0.1 body lengths ahead of the centre is 0.2 m there
    np.testing.assert_allclose(body.added_mass((0.2, 0, 0), rho=1025, length=2.0), expected,
                               rtol=1e-13)


WRONG_CALLS = [
    (lambda f: ef.Spheroid(0), ValueError),
    (lambda f: ef.Spheroid(-1), ValueError),
    (lambda f: ef.Spheroid(float("nan")), ValueError),
    (lambda f: ef.Spheroid("0.2"), TypeError),
    (lambda f: ef.Spheroid(), TypeError),
    (lambda f: ef.Spheroid(0.2, a=1.0, b=0.2), TypeError),
    (lambda f: ef.Spheroid(0.2).flow(float("inf"), 0), ValueError),
    (lambda f: f.velocity([[1.0, 2.0]]), ValueError),
    (lambda f: f.velocity(5.0), ValueError),
    (lambda f: f.velocity([["a", "b", "c"]]), TypeError),
    (lambda f: f.velocity(object()), TypeError),
    (lambda f: f.velocity([[1.0, 2.0, 3.0], [1.0, 2.0]]), TypeError),
    (lambda f: f.velocity([[float("nan"), 0, 0]]), ValueError),
    (lambda f: f.potential([[float("inf"), 0, 0]], inside="nan"), ValueError),
    (lambda f: f.cp([[1.0, 0, 0]], inside="skip"), ValueError),
    (lambda f: f.surface("a", 0), TypeError),
    (lambda f: f.surface([1, 2], [1, 2, 3]), ValueError),
    (lambda f: f.spheroid.added_mass(about=(1, 2)), ValueError),
    (lambda f: f.spheroid.added_mass(rho=-1), ValueError),
    (lambda f: f.munk_moment(length=0), ValueError),
    (lambda f: f.streamline([0.0, 0, 0], 1.0), ValueError),
]


@pytest.mark.parametrize("call, error", WRONG_CALLS)
def test_wrong_calls_raise(flow, call, error):
    with pytest.raises(error):
        call(flow)
