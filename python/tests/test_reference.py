# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Exact values on a mesh, convergence studies: fit check, pressure integrals, orders, bad input."""

import json
import shutil
import subprocess
import sys
from pathlib import Path

import numpy as np
import pytest

import ellipsoid_flow
from ellipsoid_flow import mesh, reference
from ellipsoid_flow.reference._fit import Shape, surface_distance

from conftest import posed_mesh, proper_rotation, run_command

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "examples"))
from panel_convergence import (
    gmsh_spheroid,
)  # noqa: E402  (Gmsh meshes, as the worked example makes them)

LAMDA = 1 / 6


@pytest.fixture(scope="module")
def gmsh_meshes(tmp_path_factory):
    """Gmsh meshes of the 6:1 spheroid, coarse to fine."""
    folder = tmp_path_factory.mktemp("gmsh")
    paths = [folder / f"spheroid_{k}.msh" for k in range(3)]
    for path, size in zip(paths, (0.4, 0.2, 0.1)):
        gmsh_spheroid(size, path)
    return paths


def test_a_gmsh_mesh_fits_and_a_sphere_does_not(gmsh_meshes, tmp_path):
    assert reference.on_mesh(gmsh_meshes[0], LAMDA).fit < 1e-15
    sphere = mesh.Mesh(
        mesh.read(gmsh_meshes[0]).points * [1, 6, 6], mesh.read(gmsh_meshes[0]).cells
    )
    with pytest.raises(reference.ReferenceDataError) as error:
        reference.on_mesh(sphere, LAMDA)
    # The equator of the sphere of radius 1/2 is 1/2 − 1/12 from the spheroid's.
    assert "lies 0.417 from its surface" in str(error.value)


@pytest.mark.parametrize("moved, fits", [(4e-4, True), (2e-3, False)])
def test_the_fit_check_measures_the_worst_vertex(moved, fits):
    body = mesh.spheroid(0.2, 12, 16)
    points = body.points.copy()
    normal = points[37] / [0.5**2, 0.1**2, 0.1**2]
    points[37] += (
        moved * normal / np.linalg.norm(normal)
    )  # `moved` off the surface along its normal
    shifted = mesh.Mesh(points, body.cells)
    if fits:
        assert reference.on_mesh(shifted, 0.2).fit == pytest.approx(moved, rel=0.01)
    else:
        with pytest.raises(reference.ReferenceDataError, match="vertex 37 at"):
            reference.on_mesh(shifted, 0.2)


def test_a_half_body_gives_the_values_of_the_same_cells_of_the_whole():
    whole, half = (
        reference.on_mesh(mesh.spheroid(0.3, 10, 16, half=h), 0.3, alpha=15) for h in (False, True)
    )
    key = ["cx", "cy", "cz"]
    matched = whole.cells.round(12).merge(half.cells.round(12), on=key, suffixes=("", "_half"))
    assert len(matched) == len(half.cells) == len(whole.cells) // 2
    np.testing.assert_allclose(matched["Cp_half"], matched["Cp"], atol=1e-12)
    np.testing.assert_array_equal(half.added_mass, whole.added_mass)


@pytest.mark.parametrize("semi_axes", [(0.5, 0.1), (0.2, 0.6), (1.0, 1.0)])
def test_surface_distance_equals_the_nearest_of_many_surface_points(semi_axes):
    a, b = semi_axes
    points = np.random.default_rng(7).uniform(-1.5, 1.5, (40, 3))
    points[:3] = [[0, 0, 0], [2, 0, 0], [0, 0, 2]]
    fi = np.linspace(0, np.pi, 400001)
    radial = np.hypot(points[:, 1], points[:, 2])
    sampled = [
        np.min(np.hypot(a * np.cos(fi) - x, b * np.sin(fi) - r))
        for x, r in zip(points[:, 0], radial)
    ]
    np.testing.assert_allclose(surface_distance(Shape(a, b), points), sampled, atol=1e-10)


@pytest.mark.parametrize("axes", [(3.0, 2.0, 1.0), (1.0, 3.0, 2.0), (2.0, 2.0, 1.0), (1.0, 1.0, 1.0)])
def test_an_ellipsoids_surface_distance_is_the_least_found_by_a_search(axes):
    from scipy.optimize import minimize

    points = np.random.default_rng(5).uniform(-4, 4, (30, 3))
    points[:6] = [[0, 0, 0], [0.5, 0, 0], [0, 0.3, 0], [0.2, 0.1, 0], [0, 0, 0.2], [5, 0, 0]]
    points[6:10, 2] = 0  # on the plane of the smallest axis, inside and out

    def surface(angles):
        t, p = angles
        return np.stack([np.cos(t), np.sin(t) * np.cos(p), np.sin(t) * np.sin(p)], -1) * axes

    grid = np.stack(np.meshgrid(np.linspace(0, np.pi, 201), np.linspace(-np.pi, np.pi, 401)), -1)
    samples = surface(grid.reshape(-1, 2).T)
    searched = []
    for y in points:
        start = grid.reshape(-1, 2)[np.argmin(np.linalg.norm(samples - y, axis=1))]
        found = minimize(lambda q: np.linalg.norm(surface(q) - y), start, method="Nelder-Mead",
                         options=dict(xatol=1e-12, fatol=1e-14))
        searched.append(found.fun)
    np.testing.assert_allclose(surface_distance(Shape(*axes), points), searched, atol=1e-12)


def test_surface_pressure_gives_no_force_and_the_munk_moment(gmsh_meshes):
    flow = ellipsoid_flow.Spheroid(LAMDA).flow(10, 5)
    munk = flow.munk_moment()
    force_errors, moment_errors = [], []
    for path in gmsh_meshes:
        cells = reference.on_mesh(path, LAMDA, alpha=10, beta=5).cells
        load = (
            -0.5
            * cells["Cp"].to_numpy()[:, None]
            * cells[["nx", "ny", "nz"]].to_numpy()
            * cells[["area"]].to_numpy()
        )
        force_errors.append(np.linalg.norm(load.sum(axis=0)))
        moment = np.cross(cells[["px", "py", "pz"]].to_numpy(), load).sum(axis=0)
        moment_errors.append(np.linalg.norm(moment - munk) / np.linalg.norm(munk))
    assert force_errors[-1] < 1e-5 and moment_errors[-1] < 0.01
    assert force_errors == sorted(force_errors, reverse=True)
    assert moment_errors == sorted(moment_errors, reverse=True)


def test_the_surface_point_is_the_centroid_moved_along_the_normal():
    cells = reference.on_mesh(mesh.spheroid(0.5, 8, 12), 0.5).cells
    p, c, n = (cells[names.split()].to_numpy() for names in ("px py pz", "cx cy cz", "nx ny nz"))
    np.testing.assert_allclose(
        (p[:, 0] / 0.5) ** 2 + (p[:, 1] ** 2 + p[:, 2] ** 2) / 0.25**2, 1.0, atol=1e-14
    )
    np.testing.assert_allclose(p - c, cells[["offset"]].to_numpy() * n, atol=1e-15)


def test_a_shifted_body_gives_the_same_values_and_the_added_mass_about_the_origin():
    body = mesh.spheroid(0.4, 10, 12)
    centre = np.array([1.0, -2.0, 0.5])
    here = reference.on_mesh(body, 0.4, alpha=20, beta=-10)
    there = reference.on_mesh(
        mesh.Mesh(body.points + centre, body.cells), 0.4, alpha=20, beta=-10, centre=centre
    )
    columns = ["area", "offset", "phi", "phi_d", "u", "v", "w", "Cp", "dn"]
    np.testing.assert_allclose(there.cells[columns], here.cells[columns], atol=1e-13)
    # The origin moves at v + ω × (0 − centre) with the body; its kinetic energy is the same.
    motion = np.array([0.3, -0.2, 0.5, 0.7, 0.1, -0.4])
    at_centre = np.concatenate([motion[:3] + np.cross(motion[3:], centre), motion[3:]])
    assert motion @ there.added_mass @ motion == pytest.approx(
        at_centre @ here.added_mass @ at_centre, rel=1e-12
    )


def synthetic_study(power):
    """Exact values on four meshes, and a peer whose Cp and added mass are off by h**power."""
    exact = [
        reference.on_mesh(mesh.spheroid(LAMDA, n, 2 * n), LAMDA, alpha=10) for n in (8, 12, 18, 27)
    ]
    results = []
    for values in exact:
        h = np.sqrt(values.cells["area"].mean())
        wave = np.cos(7 * values.cells["px"].to_numpy())
        results.append(
            {
                "cp": values.cells["Cp"].to_numpy() + h**power * wave,
                "added_mass": values.added_mass + h**power * np.ones((6, 6)),
            }
        )
    return reference.compare(exact, results)


@pytest.mark.parametrize("power", [1, 2])
def test_compare_reports_the_order_a_peer_is_built_with(power):
    table = synthetic_study(power).table
    for column in ("order_cp_l2", "order_cp_linf", "order_am_max", "order_m11", "order_m55"):
        np.testing.assert_allclose(table[column][1:], power, atol=0.1, err_msg=column)


# A 3:2:1 ellipsoid turned and moved off the mesh's origin, so that every added-mass entry couples.
PEER_AXES, PEER_CENTRE = (3.0, 2.0, 1.0), np.array([0.4, -0.3, 0.2])
PEER_TURN = np.linalg.qr(np.random.default_rng(11).normal(size=(3, 3)))[0]
PEER_TURN *= np.sign(np.linalg.det(PEER_TURN))
MODES = [f"phi{k}" for k in range(1, 7)]


def posed_ellipsoid(n, centre=PEER_CENTRE, turn=PEER_TURN):
    """A sphere's mesh stretched to PEER_AXES (every vertex on the body), turned and moved."""
    sphere = mesh.spheroid(1.0, n, 2 * n)  # the sphere of radius 1/2
    return mesh.Mesh(centre + (2 * sphere.points * PEER_AXES) @ turn.T, sphere.cells)


def test_a_radiation_peer_built_with_errors_as_h_squared_shows_order_2():
    exact = [
        reference.on_mesh(
            posed_ellipsoid(n), axes=PEER_AXES, centre=PEER_CENTRE, rotation=PEER_TURN
        )
        for n in (8, 12, 18, 27)
    ]
    library = ellipsoid_flow.Ellipsoid(*PEER_AXES).added_mass(
        about=-PEER_CENTRE, rotation=PEER_TURN
    )
    results = []
    for values in exact:
        h = np.sqrt(values.cells["area"].mean())
        wave = np.cos(3 * values.cells[["px"]].to_numpy()) * np.arange(1, 7)
        results.append(
            {"phi": values.cells[MODES].to_numpy() + h**2 * wave, "added_mass": library + h**2}
        )
    table = reference.compare(exact, results).table
    couplings = [f"order_m{k}{l}" for k in range(1, 7) for l in range(k + 1, 7)]
    modes = [f"order_{mode}_{norm}" for mode in MODES for norm in ("l2", "linf")]
    for column in ["order_am_max", "order_m11", "order_m66", *couplings, *modes]:
        np.testing.assert_allclose(table[column][1:], 2, atol=0.1, err_msg=column)


def test_a_centred_unturned_ellipsoid_has_no_couplings_and_no_mode_errors_without_potentials():
    exact = reference.on_mesh(posed_ellipsoid(6, (0, 0, 0), np.eye(3)), axes=PEER_AXES)
    table = reference.compare([exact], [{"added_mass": exact.added_mass}]).table
    assert not set(table) & {f"m{k}{l}" for k in range(1, 7) for l in range(k + 1, 7)}
    assert table["am_max"][0] == 0 and np.isnan(table[[f"{m}_l2" for m in MODES]]).all(axis=None)


def test_the_added_mass_of_the_command_lines_inertia_reads_as_json(cli, tmp_path):
    (tmp_path / "am.json").write_text(cli("inertia", "--axes", "3,2,1").stdout)
    exact = reference.on_mesh(posed_ellipsoid(6, (0, 0, 0), np.eye(3)), axes=PEER_AXES)
    errors = reference.compare([exact], [{"added_mass": tmp_path / "am.json"}]).table
    assert errors["am_max"][0] < 1e-14


@pytest.mark.parametrize(
    "result, message",
    [
        ("cell,Cp\n0,0.5\n2,0.1\n", "missing: 1, 3"),
        ("cell,Cp\n0,0.5\n0,0.1\n1,0\n2,0\n3,0\n", "cell 0 is given more than once"),
        ("cell,Cp\n0,0.5\n1,x\n2,0\n3,0\n", "not a number"),
        ("cell,pressure\n0,0.5\n", "needs the columns 'cell' and 'Cp'"),
        ("cell,Cp\n0,0\n1,0\n2,0\n3,0\n9,0\n", "cell 9 does not exist"),
    ],
)
def test_bad_peer_results_give_a_clear_error(tmp_path, result, message):
    four_cells = mesh.Mesh(
        [[-0.5, 0, 0], [0, 0.5, 0], [0, 0, 0.5], [0, -0.5, 0], [0, 0, -0.5], [0.5, 0, 0]],
        [[0, 2, 1], [0, 3, 2], [0, 4, 3], [0, 1, 4]],
        half=False,
    )
    (tmp_path / "cp.csv").write_text(result)
    with pytest.raises(reference.ReferenceDataError, match=message):
        reference.compare([four_cells], [tmp_path / "cp.csv"], lamda=1.0, tolerance=1.0)


def test_a_mesh_with_inward_normals_is_refused():
    body = mesh.spheroid(0.5, 6, 8, cells="tri")
    with pytest.raises(reference.ReferenceDataError, match="all 80 cells have inward normals"):
        reference.on_mesh(mesh.Mesh(body.points, body.cells[:, [0, 2, 1, 1]]), 0.5)


def test_the_command_makes_a_mesh_and_its_exact_values(tmp_path):
    assert (
        run_command(
            "mesh", "m.gdf", "--lambda", 0.2, "--n-axial", 8, "--n-around", 8, cwd=tmp_path
        ).returncode
        == 0
    )
    done = run_command(
        "on-mesh",
        "m.gdf",
        "--lambda",
        0.2,
        "--alpha",
        5,
        "--csv",
        "c.csv",
        "--vtu",
        "c.vtu",
        "--added-mass",
        "am.csv",
        cwd=tmp_path,
    )
    assert done.returncode == 0, done.stderr
    import meshio

    assert set(meshio.read(tmp_path / "c.vtu").cell_data) >= {"Cp", "velocity", "normal", "dn"}
    assert np.loadtxt(tmp_path / "am.csv", delimiter=",").shape == (6, 6)
    failed = run_command("on-mesh", "m.gdf", "--lambda", 0.5, "--csv", "d.csv", cwd=tmp_path)
    assert failed.returncode == 1 and "does not fit" in failed.stderr
    assert not (tmp_path / "d.csv").exists()


def test_the_installed_command_is_the_module_run_as_a_program(tmp_path):
    """ellipsoid-flow-reference, first on the path as an install puts it,
    writes what `python3 -m ellipsoid_flow.reference` writes, and says its name."""
    command = shutil.which("ellipsoid-flow-reference")
    assert command, "no ellipsoid-flow-reference on the PATH"
    made = run_command("mesh", "m.gdf", "--lambda", 0.2, "--n-axial", 6, "--n-around", 6,
                       cwd=tmp_path)
    assert made.returncode == 0, made.stderr
    arguments = ["on-mesh", "m.gdf", "--lambda", "0.2", "--alpha", "5", "--csv"]
    assert run_command(*arguments, "module.csv", cwd=tmp_path).returncode == 0
    done = subprocess.run([command, *arguments, "command.csv"], cwd=tmp_path,
                          capture_output=True, text=True)
    assert done.returncode == 0, done.stderr
    assert (tmp_path / "command.csv").read_bytes() == (tmp_path / "module.csv").read_bytes()
    usage = subprocess.run([command, "--frobnicate"], capture_output=True, text=True)
    assert usage.returncode == 2 and usage.stderr.startswith("usage: ellipsoid-flow-reference")


# The ellipsoid in any pose: values in the mesh's frame, against the body's own.
AXES = (3.0, 2.0, 1.0)
CENTRE = np.array([0.7, -0.4, 1.3])


def test_the_mode_potentials_on_a_turned_mesh_are_the_body_frame_ones_turned():
    R = proper_rotation(11)
    posed = reference.on_mesh(
        posed_mesh(mesh.ellipsoid(*AXES, 12, 16), R, CENTRE),
        axes=AXES, centre=CENTRE, rotation=R, alpha=10, beta=-20,
    )
    cells = posed.cells
    body = ellipsoid_flow.Ellipsoid(*AXES)
    surface = (cells[["px", "py", "pz"]].to_numpy() - CENTRE) @ R  # the body's frame
    np.testing.assert_allclose(np.sum((surface / AXES) ** 2, axis=1), 1.0, atol=1e-14)
    # Mode k of the mesh's frame as the body sees it: the mesh axis e turned into the
    # body's frame, and for a rotation about the mesh's origin the centre's velocity e × c.
    for k, e in enumerate(np.eye(3)):
        translation = body.motion(*(R.T @ e), 0, 0, 0).potential(surface)
        rotation = body.motion(*(R.T @ np.cross(e, CENTRE)), *(R.T @ e)).potential(surface)
        np.testing.assert_allclose(cells[f"phi{k + 1}"], translation, atol=1e-13)
        np.testing.assert_allclose(cells[f"phi{k + 4}"], rotation, atol=1e-13)
    d = np.array([np.cos(np.radians(10)) * np.cos(np.radians(-20)), np.sin(np.radians(-20)),
                  np.sin(np.radians(10)) * np.cos(np.radians(-20))])
    np.testing.assert_allclose(cells["Cp"], body.flow(direction=R.T @ d).cp(surface), atol=1e-13)
    np.testing.assert_allclose(cells[["u", "v", "w"]].to_numpy() @ R,
                               body.flow(direction=R.T @ d).velocity(surface), atol=1e-13)


def test_the_matrix_from_the_cells_columns_converges_to_the_added_mass():
    R = proper_rotation(12)
    errors = []
    for n in (8, 16, 32):
        posed = reference.on_mesh(posed_mesh(mesh.ellipsoid(*AXES, n, 2 * n), R, CENTRE),
                                  axes=AXES, centre=CENTRE, rotation=R)
        phi = posed.cells[[f"phi{k}" for k in range(1, 7)]].to_numpy()
        normals = posed.cells[[f"n{k}" for k in range(1, 7)]].to_numpy()
        # m_kl = −∫ φ_k ∂φ_l/∂n dS, the body condition ∂φ_l/∂n = n_l.
        panels = -np.einsum("ik,il,i->kl", phi, normals, posed.cells["area"].to_numpy())
        errors.append(np.max(np.abs(panels - posed.added_mass)) / np.max(np.abs(posed.added_mass)))
    assert errors[-1] < 0.01 and errors == sorted(errors, reverse=True)
    # Halving the cells' size takes the error down by about four (second order).
    assert errors[-2] / errors[-1] > 3


def test_the_command_gives_the_posed_table_and_the_added_mass_as_inertia_does(tmp_path, cli):
    R, body = proper_rotation(13), mesh.ellipsoid(*AXES, 10, 12)
    mesh.write(posed_mesh(body, R, CENTRE), tmp_path / "turned.msh")
    mesh.write(posed_mesh(body, np.eye(3), CENTRE), tmp_path / "moved.msh")
    centre = ",".join(map(repr, CENTRE))
    assert R[0, 0] < 0  # a list starting with a minus is the option's value, not an option
    turned = run_command("on-mesh", "turned.msh", "--axes", "3,2,1", "--centre", centre,
                         "--rotation", ",".join(map(repr, R.ravel())), "--beta", 5,
                         "--csv", "c.csv", cwd=tmp_path)
    moved = run_command("on-mesh", "moved.msh", "--axes", "3,2,1", "--centre", centre,
                        "--added-mass", "am.json", cwd=tmp_path)
    assert turned.returncode == moved.returncode == 0, turned.stderr + moved.stderr
    import pandas

    expected = reference.on_mesh(tmp_path / "turned.msh", axes=AXES, centre=CENTRE, rotation=R,
                                 beta=5).cells
    written = pandas.read_csv(tmp_path / "c.csv", float_precision="round_trip")
    pandas.testing.assert_frame_equal(written, expected, check_exact=True)
    inertia = json.loads(cli("inertia", "--axes", "3,2,1", "--about",
                             ",".join(map(repr, -CENTRE))).stdout)
    given = json.loads((tmp_path / "am.json").read_text())
    assert list(given) == ["added_mass"]
    np.testing.assert_allclose(given["added_mass"], inertia["added_mass"], rtol=1e-14, atol=0)
