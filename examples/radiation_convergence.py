# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A convergence study of a panel method's radiation problem against a turned 3:2:1 ellipsoid.

The radiation half of the workflow docs/reference.md describes, end to end:

1. Gmsh meshes the ellipsoid of semi-axes 1.5, 1, 0.5 at a series of element
   sizes; each node is put exactly on the body, then the body is turned by
   ROTATION and moved to CENTRE, and the mesh written as a Gmsh file.
2. The demonstration panel method (panel_method.py, beside this file: a
   stand-in for your code, not a feature of Ellipsoid Flow) solves the six
   unit motions on each mesh, translations along the mesh's axes and
   rotations about its origin, and writes each motion's potential per cell
   (CSV) and the 6 × 6 added mass (JSON, as ellipsoid-flow-cli inertia does).
3. ellipsoid_flow.reference.compare sets them against the exact values on the
   same meshes: errors per mode, of each added-mass entry, observed orders, a
   table and a log-log figure.

Run it (several minutes on two cores; --small takes seconds):

    python3 examples/radiation_convergence.py --output radiation \\
        --figure docs/reference-radiation.png

with the package importable (installed, or PYTHONPATH=build/python after a build).
It needs ellipsoid_flow, NumPy, pandas, matplotlib, meshio and Gmsh's Python
module (Debian: python3-gmsh).
"""

import argparse
import csv
import json
import sys
from pathlib import Path

import numpy as np

sys.path.insert(0, str(Path(__file__).resolve().parent))
import panel_method  # noqa: E402  (the demonstration beside this file)
from panel_convergence import gmsh_surface  # noqa: E402

SEMI_AXES = (1.5, 1.0, 0.5)
# The body's pose in the mesh: turned 73.4° about the axis (2, 1, 0) (columns:
# the body's axes in the mesh's frame), its centre off the origin; chosen so
# that every added-mass entry couples, none below 0.19 of √(Mₖₖ Mₗₗ), and
# each entry's relative error says how well the coupling converges.
ROTATION = np.array([[6, 2, 3], [2, 3, -6], [-3, 6, 2]]) / 7
CENTRE = (0.2, 0.3, -0.3)
# Element sizes on the ellipsoid: each halves the panel area of the one before.
SIZES = (0.3, 0.21, 0.15, 0.105, 0.075)
SMALL_SIZES = (0.5, 0.35, 0.25)


def posed(points):
    """Nodes of the meshed ellipsoid put exactly on it, then turned and moved into place."""
    on_body = points / np.sqrt(np.sum((points / SEMI_AXES) ** 2, axis=1))[:, None]
    return np.asarray(CENTRE) + on_body @ ROTATION.T


def panel_results(mesh_path, folder, number):
    """Runs the panel method's six motions on a mesh; writes the potentials and added mass."""
    points, triangles = panel_method.read_triangles(mesh_path)
    potentials, added_mass = panel_method.radiation(panel_method.Panels(points, triangles))
    phi_path, added_mass_path = folder / f"phi_{number}.csv", folder / f"added_mass_{number}.json"
    with open(phi_path, "w", newline="") as out:
        writer = csv.writer(out)
        writer.writerow(["cell", *[f"phi{k}" for k in range(1, 7)]])
        writer.writerows([cell, *map(repr, row)] for cell, row in enumerate(potentials))
    added_mass_path.write_text(json.dumps({"added_mass": added_mass.tolist()}, indent=2) + "\n")
    return phi_path, added_mass_path


def run_study(sizes, folder, progress=print):
    """Meshes, panel results and the comparison; returns reference.compare's Comparison."""
    from ellipsoid_flow import reference

    folder.mkdir(parents=True, exist_ok=True)
    rows = []
    for number, size in enumerate(sizes):
        mesh_path = folder / f"ellipsoid_{number}.msh"
        gmsh_surface(size, mesh_path, posed, stretch=SEMI_AXES)
        phi_path, added_mass_path = panel_results(mesh_path, folder, number)
        rows.append((mesh_path.name, added_mass_path.name, phi_path.name))
        progress(f"mesh {number}: element size {size} -> {mesh_path}")
    with open(folder / "study.csv", "w", newline="") as out:
        csv.writer(out).writerows([("mesh", "added_mass", "phi"), *rows])

    return reference.compare(
        [folder / mesh for mesh, _, _ in rows],
        [{"added_mass": folder / am, "phi": folder / phi} for _, am, phi in rows],
        axes=SEMI_AXES,
        centre=CENTRE,
        rotation=ROTATION,
    )


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument(
        "--output",
        type=Path,
        default=Path("radiation-convergence"),
        help="folder for the meshes, results and table (default radiation-convergence)",
    )
    parser.add_argument(
        "--figure", type=Path, help="where to write the figure (default: in the output folder)"
    )
    parser.add_argument(
        "--small", action="store_true", help="three coarse meshes only, for a quick check"
    )
    arguments = parser.parse_args(argv)

    study = run_study(SMALL_SIZES if arguments.small else SIZES, arguments.output)
    study.write_table(arguments.output / "convergence.csv")
    figure = arguments.figure or arguments.output / "convergence.png"
    study.figure(figure, title="Demonstration panel method, six modes of a turned 3:2:1 ellipsoid")
    errors = ["am_max", "m11", "m22", "m66", *[f"phi{k}_l2" for k in range(1, 7)]]
    columns = ["cells", *[f"{kind}{name}" for name in errors for kind in ("", "order_")]]
    print(study.table[columns].to_string(index=False, float_format=lambda value: f"{value:.3g}"))
    print(f"table: {arguments.output / 'convergence.csv'}, figure: {figure}")
    return study


if __name__ == "__main__":
    main()
