# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A convergence study of a panel method against the exact flow about a 6:1 spheroid.

The workflow docs/reference.md describes, end to end, with a real mesher and a
real (if small) panel method:

1. Gmsh meshes a unit sphere at a series of element sizes; each mesh is
   stretched to the spheroid of length 1 and thickness ratio 1/6, which keeps
   every vertex on the exact surface, and written as a Gmsh file.
2. The demonstration panel method (panel_method.py, beside this file: a
   stand-in for your code, not a feature of Ellipsoid Flow) reads each mesh
   and writes its surface Cp per cell and its 6 × 6 added mass.
3. ellipsoid_flow.reference.compare sets them against the exact values on the
   same meshes: errors, observed orders, a table and a log-log figure.

Run it (a few minutes on two cores; --small takes seconds):

    python3 examples/panel_convergence.py --output study --figure docs/reference-convergence.png

with the package importable (installed, or PYTHONPATH=build/python after a build).
It needs ellipsoid_flow, NumPy, pandas, matplotlib, meshio and Gmsh's Python
module (Debian: python3-gmsh).
"""

import argparse
import csv
import sys
from pathlib import Path

import numpy as np

sys.path.insert(0, str(Path(__file__).resolve().parent))
import panel_method  # noqa: E402  (the demonstration beside this file)

LAMDA = 1.0 / 6.0
SEMI_AXES = (0.5, 0.5 * LAMDA, 0.5 * LAMDA)
# Element sizes on the unit sphere: each halves the panel area of the one before.
SIZES = (0.4, 0.28, 0.2, 0.14, 0.1, 0.07)
SMALL_SIZES = (0.5, 0.35, 0.25)


def gmsh_spheroid(size, path):
    """Writes Gmsh's triangle mesh of the unit sphere at element size `size`, stretched."""
    gmsh_surface(size, path, lambda points: points * SEMI_AXES)


def gmsh_surface(size, path, move, stretch=None):
    """Writes Gmsh's triangle mesh of a sphere at element size `size`, its nodes moved by `move`.

    `stretch`, three factors along x, y and z, makes Gmsh mesh the stretched
    sphere, an ellipsoid, with elements of that size; `move` maps the
    (N, 3) node coordinates to their place in the written mesh.
    """
    import gmsh

    gmsh.initialize(readConfigFiles=False)
    try:
        gmsh.option.setNumber("General.Terminal", 0)
        gmsh.model.add("body")
        sphere = gmsh.model.occ.addSphere(0, 0, 0, 1)
        if stretch is not None:
            gmsh.model.occ.dilate([(3, sphere)], 0, 0, 0, *stretch)
        gmsh.model.occ.synchronize()
        gmsh.option.setNumber("Mesh.MeshSizeMin", size)
        gmsh.option.setNumber("Mesh.MeshSizeMax", size)
        # MeshAdapt: no slivers at the poles of the sphere's parametrisation,
        # which a constant-source method resolves badly.
        gmsh.option.setNumber("Mesh.Algorithm", 1)
        gmsh.model.mesh.generate(2)
        tags, coordinates, _ = gmsh.model.mesh.getNodes()
        for tag, point in zip(tags, move(coordinates.reshape(-1, 3))):
            gmsh.model.mesh.setNode(int(tag), list(point), [])
        gmsh.write(str(path))
    finally:
        gmsh.finalize()


def panel_results(mesh_path, stream, folder, number):
    """Runs the panel method on a mesh; writes its Cp per cell and added mass; returns the paths."""
    points, triangles = panel_method.read_triangles(mesh_path)
    cp, added_mass = panel_method.solve(panel_method.Panels(points, triangles), stream)
    cp_path, added_mass_path = folder / f"cp_{number}.csv", folder / f"added_mass_{number}.csv"
    with open(cp_path, "w", newline="") as out:
        writer = csv.writer(out)
        writer.writerow(["cell", "Cp"])
        writer.writerows((cell, repr(value)) for cell, value in enumerate(cp))
    np.savetxt(added_mass_path, added_mass, delimiter=",", fmt="%.17g")
    return cp_path, added_mass_path


def run_study(sizes, folder, alpha=10.0, progress=print):
    """Meshes, panel results and the comparison; returns reference.compare's Comparison."""
    from ellipsoid_flow import reference

    folder.mkdir(parents=True, exist_ok=True)
    alpha_rad = np.radians(alpha)
    stream = np.array([np.cos(alpha_rad), 0.0, np.sin(alpha_rad)])
    rows = []
    for number, size in enumerate(sizes):
        mesh_path = folder / f"spheroid_{number}.msh"
        gmsh_spheroid(size, mesh_path)
        cp_path, added_mass_path = panel_results(mesh_path, stream, folder, number)
        rows.append((mesh_path.name, cp_path.name, added_mass_path.name))
        progress(f"mesh {number}: element size {size} on the unit sphere -> {mesh_path}")
    with open(folder / "study.csv", "w", newline="") as out:
        csv.writer(out).writerows([("mesh", "cp", "added_mass"), *rows])

    return reference.compare(
        [folder / mesh for mesh, _, _ in rows],
        [{"cp": folder / cp, "added_mass": folder / am} for _, cp, am in rows],
        lamda=LAMDA,
        alpha=alpha,
    )


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument(
        "--output",
        type=Path,
        default=Path("panel-convergence"),
        help="folder for the meshes, results and table (default panel-convergence)",
    )
    parser.add_argument(
        "--figure", type=Path, help="where to write the figure (default: in the output folder)"
    )
    parser.add_argument(
        "--alpha", type=float, default=10.0, help="angle of attack, degrees (default 10)"
    )
    parser.add_argument(
        "--small", action="store_true", help="three coarse meshes only, for a quick check"
    )
    arguments = parser.parse_args(argv)

    study = run_study(SMALL_SIZES if arguments.small else SIZES, arguments.output, arguments.alpha)
    study.write_table(arguments.output / "convergence.csv")
    figure = arguments.figure or arguments.output / "convergence.png"
    study.figure(
        figure, title=f"Demonstration panel method, 6:1 spheroid, α = {arguments.alpha:g}°"
    )
    columns = [
        "cells",
        "cp_l2",
        "order_cp_l2",
        "cp_linf",
        "order_cp_linf",
        "m11",
        "order_m11",
        "m33",
        "order_m33",
        "m55",
        "order_m55",
    ]
    print(study.table[columns].to_string(index=False, float_format=lambda value: f"{value:.3g}"))
    print(f"table: {arguments.output / 'convergence.csv'}, figure: {figure}")
    return study


if __name__ == "__main__":
    main()
