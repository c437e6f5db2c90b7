# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Ellipsoid from Python against values found another way: the spheroid's
closed forms, the sphere's, the body condition by finite differences, and a
rotated body as the same body with its axes renamed."""

import pickle

import numpy as np
import pytest

import ellipsoid_flow as ef

BODY = ef.Ellipsoid(3.0, 2.0, 1.0)


def on_body(body, n=40, seed=3):
    """Random points on the surface and their outward unit normals."""
    u = np.random.default_rng(seed).normal(size=(n, 3))
    points = body.axes * u / np.linalg.norm(u, axis=1, keepdims=True)
    normals = points / body.axes**2
    return points, normals / np.linalg.norm(normals, axis=1, keepdims=True)


def close(given, expected, tol):
    """Equal to tol of the largest magnitude expected."""
    np.testing.assert_allclose(given, expected, rtol=0, atol=tol * np.max(np.abs(expected)))


@pytest.mark.parametrize("a, b", [(3.0, 0.5), (1.0, 1.0 - 1e-9), (0.2, 1.0), (1.0, 1e-4)])
def test_a_body_of_revolution_is_the_spheroid(a, b):
    body, spheroid = ef.Ellipsoid(a, b, b), ef.Spheroid(a=a, b=b)
    close(body.k_translation, [spheroid.k1, spheroid.k2, spheroid.k2], 1e-13)
    close(body.k_rotation, [0, spheroid.k_prime, spheroid.k_prime], 1e-13)
    close([body.volume, body.area], [spheroid.volume, spheroid.area], 1e-13)
    about = (0.3 * a, -0.2 * b, 0.1)
    close(body.added_mass(about, rho=2.0), spheroid.added_mass(about, rho=2.0), 1e-13)
    points = np.array([[1.5 * a, 0.2, 0.1], [0.1, 2 * b, -b], [-a, b, b]])
    # Potentials to 1e-13 of U L, the rest of U or U^2.
    for given, expected in zip(body.flow(10, 5).field(points), spheroid.flow(10, 5).field(points)):
        np.testing.assert_allclose(given, expected, rtol=1e-13, atol=1e-13 * max(a, b))
    FI, theta = np.linspace(0, 180, 7), np.linspace(-90, 270, 7)
    for given, expected in zip(body.flow(10, 5).surface(FI, theta),
                               spheroid.flow(10, 5).surface(FI, theta)):
        close(given, expected, 1e-13)
    t = np.linspace(0, 2 * np.pi, 9)
    close(body.flow(10, 5).cp_min_curve(t), spheroid.flow(10, 5).cp_min_curve(t), 1e-12)
    # The moment goes as k2 - k1: to 1e-13 of rho U^2 V k, not of itself.
    scale = 1025 * 3**2 * spheroid.volume * max(spheroid.k1, spheroid.k2)
    np.testing.assert_allclose(body.flow(10, 5).munk_moment(1025, 3),
                               spheroid.flow(10, 5).munk_moment(1025, 3), atol=1e-13 * scale)


def test_surface_values_and_the_suction_curve_agree_with_the_field():
    flow = BODY.flow(20, 10)
    s = flow.surface(np.linspace(5, 175, 9)[:, None], np.linspace(0, 360, 8))
    close(np.sum((s.position / BODY.axes) ** 2, axis=-1), np.ones((9, 8)), 1e-15)
    close(s.Cp, flow.cp(s.position), 1e-13)
    close(s.velocity, flow.velocity(s.position), 1e-13)
    curve = flow.cp_min_curve(np.linspace(0, 2 * np.pi, 12))
    close(flow.cp(curve), np.full(12, flow.cp_min), 1e-12)


def test_the_sphere():
    R, U = 2.0, 1.5
    sphere = ef.Ellipsoid(R, R, R)
    np.testing.assert_allclose(sphere.k_translation, 0.5, rtol=1e-14)
    np.testing.assert_allclose(sphere.k_rotation, 0, atol=1e-14)
    points = np.random.default_rng(1).normal(size=(20, 3))
    points *= (R + np.arange(20)[:, None]) / np.linalg.norm(points, axis=1, keepdims=True)
    r = np.linalg.norm(points, axis=1)
    np.testing.assert_allclose(sphere.motion(u=U).potential(points),
                               -U * R**3 * points[:, 0] / (2 * r**3), rtol=1e-14)
    d = np.array([1.0, 2.0, 2.0]) / 3
    np.testing.assert_allclose(sphere.flow(direction=d).potential(points),
                               points @ d * (1 + R**3 / (2 * r**3)), rtol=1e-14)


def test_each_mode_meets_the_body_condition():
    points, n = on_body(BODY)
    normals = BODY.mode_normals(points)
    np.testing.assert_allclose(normals, np.hstack([n, np.cross(points, n)]), atol=1e-14)
    h = 1e-5  # one-sided, second order: phi at x, x + h n, x + 2h n
    phi = [BODY.mode_potentials(points + k * h * n) for k in range(3)]
    np.testing.assert_allclose((-3 * phi[0] + 4 * phi[1] - phi[2]) / (2 * h), normals, atol=1e-8)
    speeds = np.array([0.3, -1.0, 0.5, 0.7, 0.2, -0.4])
    velocity = BODY.motion(*speeds).velocity(points)
    np.testing.assert_allclose(np.sum(velocity * n, axis=1), normals @ speeds, atol=1e-13)


def test_a_rotated_body_is_the_body_with_its_axes_renamed():
    # Columns: the body's x along y, its y along z, its z along x.
    R = np.array([[0.0, 0, 1], [1, 0, 0], [0, 1, 0]])
    about = (0.4, -1.0, 2.0)
    close(BODY.added_mass(about, 3.0, rotation=R), ef.Ellipsoid(1.0, 3.0, 2.0).added_mass(about, 3.0),
          1e-14)


def test_any_pose_keeps_the_kinetic_energy():
    turn = np.linalg.qr(np.random.default_rng(5).normal(size=(3, 3)))[0]
    R = turn * np.sign(np.linalg.det(turn))
    M, turned = BODY.added_mass(), BODY.added_mass(rotation=R)
    Q = np.kron(np.eye(2), R)
    for V in np.random.default_rng(6).normal(size=(5, 6)):
        np.testing.assert_allclose((Q @ V) @ turned @ (Q @ V), V @ M @ V, rtol=1e-13)
    with pytest.raises(ValueError):
        BODY.added_mass(rotation=-R)


@pytest.mark.parametrize("made", [
    BODY, BODY.flow(10, -5), BODY.flow(direction=(1, 2, 0)), BODY.motion(1, 0, 2, 0.5, 0, -1)])
def test_objects_pickle(made):
    back = pickle.loads(pickle.dumps(made))
    assert type(back) is type(made) and repr(back) == repr(made)
    if not isinstance(made, ef.Ellipsoid):
        points = np.array([[4.0, 1, 0], [0, 0, 1.5]])
        np.testing.assert_array_equal(back.potential(points), made.potential(points))
        np.testing.assert_array_equal(back.velocity(points), made.velocity(points))
