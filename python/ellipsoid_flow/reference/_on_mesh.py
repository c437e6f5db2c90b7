# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The exact flow on every cell of a user's mesh of a spheroid."""

from dataclasses import dataclass
from pathlib import Path

import numpy as np

from .. import Spheroid
from .. import mesh as meshes
from .._atomic_file import write_csv, written_whole
from .._checks import positive_number
from .._errors import ReferenceDataError
from ..mesh._files import as_mesh
from ._fit import Shape, check_fit, check_outward, onto_surface

DEFAULT_TOLERANCE = 1e-3

# The table's columns: name -> meaning (units: the mesh's length, unit stream speed, density 1).
COLUMNS = {
    "cell": "cell number, from 0, in the mesh's order",
    "cx": "cell centroid x",
    "cy": "cell centroid y",
    "cz": "cell centroid z",
    "area": "cell area",
    "nx": "cell unit normal x (out of the body)",
    "ny": "cell unit normal y",
    "nz": "cell unit normal z",
    "px": "exact surface point x (centroid moved along the normal)",
    "py": "exact surface point y",
    "pz": "exact surface point z",
    "offset": "distance moved from centroid to surface point (positive outwards)",
    "phi": "velocity potential Φ at the surface point (stream plus disturbance, centre at 0)",
    "phi_d": "disturbance potential Φ − d · (p − centre), which vanishes far from the body",
    "u": "velocity x at the surface point",
    "v": "velocity y",
    "w": "velocity z",
    "Cu": "squared speed ratio |velocity|² at the surface point",
    "Cp": "pressure coefficient 1 − Cu at the surface point",
    "dn": "Neumann value d · n of the stream on the cell's normal (disturbance: ∂phi/∂n = −dn)",
}


@dataclass(frozen=True)
class MeshReference:
    """Exact values on a mesh: `cells` (a pandas DataFrame, columns in COLUMNS) and `added_mass`.

    Attributes
    ----------
    mesh : mesh.Mesh
        The mesh the values are on.
    cells : pandas.DataFrame
        One row per cell, the columns of COLUMNS in that order.
    added_mass : (6, 6) float array
        Of the whole body (also for a half mesh) about the mesh's origin,
        rows and columns (u, v, w, p, q, r), density 1, lengths in the
        mesh's unit.
    fit : float
        The largest distance of a vertex from the surface over the body's length.
    shape : Shape
        The body's semi-axes, in the mesh's unit.
    alpha, beta : float
        Angle of attack and yaw angle of the unit stream, degrees.
    centre : tuple of 3 floats
        The body's centre in the mesh's coordinates.
    """

    mesh: meshes.Mesh
    cells: object
    added_mass: np.ndarray
    fit: float
    shape: Shape
    alpha: float
    beta: float
    centre: tuple

    def write_csv(self, path):
        """The cell table as CSV, every number to the last bit.

        The file appears under its name only once complete; OSError when it
        cannot be written.
        """
        write_csv(self.cells, path, "%.17g")

    def write_added_mass(self, path):
        """The 6 × 6 matrix as CSV, six rows of six numbers, each to the last bit.

        The file appears under its name only once complete; OSError when it
        cannot be written.
        """
        with written_whole(path) as partial:
            np.savetxt(partial, self.added_mass, fmt="%.17g", delimiter=",")

    def write_vtu(self, path):
        """The mesh with the table as cell data (vectors as 3-component arrays), for ParaView.

        Written as `mesh.write` writes VTU, whatever the suffix of `path`.
        """
        table = self.cells
        vectors = {
            "centroid": ["cx", "cy", "cz"],
            "normal": ["nx", "ny", "nz"],
            "surface_point": ["px", "py", "pz"],
            "velocity": ["u", "v", "w"],
        }
        data = {name: table[columns].to_numpy() for name, columns in vectors.items()}
        data |= {
            name: table[name].to_numpy()
            for name in ("area", "offset", "phi", "phi_d", "Cu", "Cp", "dn")
        }
        meshes.write(self.mesh, Path(path), format="vtu", cell_data=data)


def on_mesh(
    mesh_or_path,
    lamda=None,
    *,
    a=None,
    b=None,
    alpha=0.0,
    beta=0.0,
    centre=(0.0, 0.0, 0.0),
    tolerance=DEFAULT_TOLERANCE,
    format=None,
):
    """The exact flow about a spheroid on each cell of a mesh of it.

    Parameters
    ----------
    mesh_or_path : mesh.Mesh, meshio.Mesh, (points, cells) or str or os.PathLike
        The mesh: arrays as `mesh.Mesh` takes them, or a file `mesh.read`
        reads (`format` as there).
    lamda : float, optional
        Thickness ratio of a body of length 1 (a = 0.5, b = lamda / 2);
    a, b : float, optional
        or the semi-axes, along the axis x and across it, in the mesh's unit.
    alpha, beta : float
        Angle of attack and yaw angle of the unit stream, degrees.
    centre : 3 floats
        The body's centre in the mesh's coordinates; its axis is parallel to x.
    tolerance : float
        The largest distance of a vertex from the surface allowed, relative
        to the body's length.
    format : str, optional
        The mesh file's format, as for `mesh.read`.

    Returns
    -------
    MeshReference

    Raises
    ------
    ReferenceDataError
        The body given both ways or neither, a size, tolerance or centre
        that is not a (positive, finite) number, a mesh that does not
        approximate that spheroid (naming the worst vertex and its
        distance), or cells facing inwards.
    mesh.MeshError
        A mesh that cannot be read or has cells without area.
    ValueError
        A shape beyond the range `Spheroid` takes, or an angle beyond
        ±360 degrees.
    """
    mesh = as_mesh(mesh_or_path, format)
    shape = _shape(lamda, a, b)
    body = Spheroid(a=shape.a, b=shape.b)  # refuses shapes beyond the closed forms' range
    offset = _point(centre, "centre")
    fit = check_fit(shape, mesh.points, offset, _positive(tolerance, "tolerance"))
    geometry = meshes.cell_geometry(mesh)
    centroids = geometry.centroids - offset
    check_outward(shape, centroids, geometry.normals)
    on_surface, moved = onto_surface(shape, centroids, geometry.normals)

    table = _cell_table(geometry, on_surface, moved, offset, body.flow(alpha, beta))
    added_mass = body.added_mass(about=tuple(-offset))
    return MeshReference(
        mesh, table, np.asarray(added_mass), fit, shape, float(alpha), float(beta), tuple(offset)
    )


def _cell_table(geometry, on_surface, moved, offset, flow):
    """The table of COLUMNS, a row a cell: its geometry and the flow at its surface point."""
    import pandas

    potential = flow.potential(on_surface)
    return pandas.DataFrame(
        {"cell": np.arange(len(geometry.areas))}
        | _columns("cx cy cz", geometry.centroids)
        | {"area": geometry.areas}
        | _columns("nx ny nz", geometry.normals)
        | _columns("px py pz", on_surface + offset)
        | {"offset": moved, "phi": potential, "phi_d": potential - on_surface @ flow.stream}
        | _columns("u v w", flow.velocity(on_surface))
        | {
            "Cu": flow.cu(on_surface),
            "Cp": flow.cp(on_surface),
            "dn": geometry.normals @ flow.stream,
        }
    )[list(COLUMNS)]


def _shape(lamda, a, b):
    """The semi-axes from `lamda` (a body of length 1) or from `a` and `b`; ReferenceDataError."""
    if lamda is not None and (a is not None or b is not None):
        raise ReferenceDataError("give the body either by lamda or by a and b, not both")
    if lamda is not None:
        a, b = 0.5, 0.5 * _positive(lamda, "lamda")
    elif a is None or b is None:
        raise ReferenceDataError("give the body by lamda (length 1), or by both semi-axes a and b")
    return Shape(_positive(a, "a"), _positive(b, "b"))


def _positive(value, name):
    """`value` as a positive float; ReferenceDataError naming `name` otherwise."""
    return positive_number(value, name, ReferenceDataError)


def _point(value, name):
    """`value` as a (3,) array of finite floats; ReferenceDataError naming `name` otherwise."""
    try:
        point = np.array(value, dtype=float).reshape(3)
    except (TypeError, ValueError):
        raise ReferenceDataError(f"{name} must be three numbers (x, y, z), not {value!r}") from None
    if not np.all(np.isfinite(point)):
        raise ReferenceDataError(f"{name} must be three finite numbers, not {value!r}")
    return point


def _columns(names, values):
    """{name: column k of `values`} for the k-th of the blank-separated `names`."""
    return {name: values[:, k] for k, name in enumerate(names.split())}
