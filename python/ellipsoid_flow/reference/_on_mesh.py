# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The exact flow on every cell of a user's mesh of a spheroid or ellipsoid."""

from dataclasses import dataclass
from pathlib import Path

import json

import numpy as np

from .. import Ellipsoid, Spheroid
from .. import mesh as meshes
from .._atomic_file import write_csv, written_whole
from .._checks import positive_number
from .._errors import ReferenceDataError
from ..mesh._files import as_mesh
from ._fit import Shape, check_fit, check_outward, onto_surface
from ._pose import Pose

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

# The columns an ellipsoid's table adds, in the mesh's frame: modes 1-3 unit
# translations along its x, y, z, modes 4-6 unit rotations (radians per unit
# time) about its x, y, z axes through its origin.
MODE_COLUMNS = {
    **{f"phi{k + 1}": f"potential of mode {k + 1} at the surface point" for k in range(6)},
    **{f"n{k + 1}": f"unit normal {axis} at the centroid" for k, axis in enumerate("xyz")},
    **{
        f"n{k + 4}": f"(r × n) {axis}, r the centroid from the origin"
        for k, axis in enumerate("xyz")
    },
}


@dataclass(frozen=True)
class MeshReference:
    """Exact values on a mesh: `cells` (a pandas DataFrame, columns in COLUMNS) and `added_mass`.

    Attributes
    ----------
    mesh : mesh.Mesh
        The mesh the values are on.
    cells : pandas.DataFrame
        One row per cell, the columns of COLUMNS in that order; for an
        ellipsoid those of MODE_COLUMNS after them.
    added_mass : (6, 6) float array
        Of the whole body (also for a half mesh) about the mesh's origin,
        rows and columns (u, v, w, p, q, r) along the mesh's axes, density
        1, lengths in the mesh's unit.
    fit : float
        The largest distance of a vertex from the surface over the body's length.
    shape : Shape
        The body's semi-axes, in the mesh's unit.
    alpha, beta : float
        Angle of attack and yaw angle of the unit stream, degrees.
    centre : tuple of 3 floats
        The body's centre in the mesh's coordinates.
    rotation : (3, 3) float array or None
        The body's axes (columns) in the mesh's frame; None for a spheroid,
        whose axis is along x.

    Examples
    --------
    >>> from ellipsoid_flow import mesh, reference
    >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
    >>> len(exact.cells), exact.added_mass.shape, exact.alpha
    (96, (6, 6), 10.0)
    """

    mesh: meshes.Mesh
    cells: object
    added_mass: np.ndarray
    fit: float
    shape: Shape
    alpha: float
    beta: float
    centre: tuple
    rotation: np.ndarray = None

    def write_csv(self, path):
        """The cell table as CSV, every number to the last bit.

        The file appears under its name only once complete; OSError when it
        cannot be written.

        Parameters
        ----------
        path : str or os.PathLike
            The file to write.

        Raises
        ------
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
        >>> exact.write_csv("cells.csv")
        >>> open("cells.csv").readline().startswith("cell,")
        True
        """
        write_csv(self.cells, path, "%.17g")

    def write_added_mass(self, path):
        """The 6 × 6 matrix as CSV, six rows of six numbers, each to the last bit.

        The file appears under its name only once complete; OSError when it
        cannot be written.

        Parameters
        ----------
        path : str or os.PathLike
            The file to write.

        Raises
        ------
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
        >>> exact.write_added_mass("added_mass.csv")
        >>> np.loadtxt("added_mass.csv", delimiter=",").shape
        (6, 6)
        """
        with written_whole(path) as partial:
            np.savetxt(partial, self.added_mass, fmt="%.17g", delimiter=",")

    def write_added_mass_json(self, path):
        """The 6 × 6 matrix as JSON, {"added_mass": six rows}, as `ellipsoid-flow-cli inertia`.

        Each number is written to the last bit. The file appears under its
        name only once complete; OSError when it cannot be written.

        Parameters
        ----------
        path : str or os.PathLike
            The file to write.

        Raises
        ------
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
        >>> exact.write_added_mass_json("added_mass.json")
        >>> import json
        >>> len(json.load(open("added_mass.json"))["added_mass"])
        6
        """
        text = json.dumps({"added_mass": self.added_mass.tolist()}, separators=(",", ":"))
        with written_whole(path) as partial:
            Path(partial).write_text(text + "\n", encoding="ascii")

    def write_vtu(self, path):
        """The mesh with the table as cell data (vectors as 3-component arrays), for ParaView.

        Written as `mesh.write` writes VTU, whatever the suffix of `path`.

        Parameters
        ----------
        path : str or os.PathLike
            The file to write.

        Raises
        ------
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
        >>> exact.write_vtu("exact.vtu")
        >>> len(mesh.read("exact.vtu"))
        96
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
        if "phi1" in table:
            data |= {
                "mode_potentials": table[[f"phi{k}" for k in range(1, 7)]].to_numpy(),
                "mode_normals": table[[f"n{k}" for k in range(1, 7)]].to_numpy(),
            }
        meshes.write(self.mesh, Path(path), format="vtu", cell_data=data)


def on_mesh(
    mesh_or_path,
    lamda=None,
    *,
    a=None,
    b=None,
    axes=None,
    rotation=None,
    alpha=0.0,
    beta=0.0,
    centre=(0.0, 0.0, 0.0),
    tolerance=DEFAULT_TOLERANCE,
    format=None,
):
    """The exact flow about a spheroid or ellipsoid on each cell of a mesh of it.

    Parameters
    ----------
    mesh_or_path : mesh.Mesh, meshio.Mesh, (points, cells) or str or os.PathLike
        The mesh: arrays as `mesh.Mesh` takes them, or a file `mesh.read`
        reads (`format` as there).
    lamda : float, optional
        Thickness ratio of a spheroid of length 1 (a = 0.5, b = lamda / 2);
    a, b : float, optional
        or the spheroid's semi-axes, along the axis x and across it, in the mesh's unit;
    axes : 3 floats, optional
        or the semi-axes (a, b, c) of an ellipsoid along its own x, y, z, in
        the mesh's unit. Only this form adds the columns of MODE_COLUMNS.
    rotation : (3, 3) array_like, optional
        With `axes`: its columns the body's x, y, z axes in the mesh's
        frame, a proper rotation as `Ellipsoid.added_mass` takes it
        (default the identity).
    alpha, beta : float
        Angle of attack and yaw angle of the unit stream, degrees, in the mesh's frame.
    centre : 3 floats
        The body's centre in the mesh's coordinates; a spheroid's axis is parallel to x.
    tolerance : float
        The largest distance of a vertex from the surface allowed, over the
        body's length (an ellipsoid's longest diameter).
    format : str, optional
        The mesh file's format, as for `mesh.read`.

    Returns
    -------
    MeshReference

    Raises
    ------
    ReferenceDataError
        The body given two ways or none, a rotation without `axes`, a size,
        tolerance or centre that is not a (positive, finite) number, a mesh
        not fitting the body (the worst vertex named), or inward cells.
    mesh.MeshError
        A mesh that cannot be read or has cells without area.
    ValueError
        A shape beyond the range `Spheroid` or `Ellipsoid` takes, a rotation
        that is not proper (the library's message), or an angle beyond ±360°.

    Examples
    --------
    >>> from ellipsoid_flow import mesh, reference
    >>> exact = reference.on_mesh(mesh.ellipsoid(3, 2, 1, 16, 24), axes=(3, 2, 1), alpha=10)
    >>> list(exact.cells.columns[:4])
    ['cell', 'cx', 'cy', 'cz']
    >>> bool(np.allclose(exact.added_mass, ellipsoid_flow.Ellipsoid(3, 2, 1).added_mass()))
    True
    """
    mesh = as_mesh(mesh_or_path, format)
    shape, body, pose = _body_and_pose(lamda, a, b, axes, rotation, centre)
    fit = check_fit(shape, mesh.points, pose, _positive(tolerance, "tolerance"))
    geometry = meshes.cell_geometry(mesh)
    on_surface, moved = _onto_surface(geometry, shape, pose)
    table = _cell_table(geometry, on_surface, moved, pose, _flow(body, pose, alpha, beta))
    if axes is not None:
        table = table.join(_mode_columns(table, body, pose))
    return MeshReference(mesh, table, np.asarray(_added_mass(body, pose)), fit, shape,
                         float(alpha), float(beta), tuple(pose.centre), pose.rotation)


def _body_and_pose(lamda, a, b, axes, rotation, centre):
    """The body's shape, the library's body and its pose in the mesh: a spheroid or, with
    `axes`, an ellipsoid."""
    if axes is None:
        return _spheroid(lamda, a, b, rotation, centre)
    return _ellipsoid(axes, rotation, centre, lamda, a, b)


def _spheroid(lamda, a, b, rotation, centre):
    """Shape, Spheroid and pose (axis along x) of the body given as a spheroid."""
    if rotation is not None:
        raise ReferenceDataError("a rotation needs the body given by axes=(a, b, c)")
    shape = _shape(lamda, a, b)
    body = Spheroid(a=shape.a, b=shape.b)  # refuses shapes beyond the closed forms' range
    return shape, body, Pose(_point(centre, "centre"), None)


def _ellipsoid(axes, rotation, centre, lamda, a, b):
    """Shape, Ellipsoid and pose of the body given by its axes; the rotation checked."""
    if lamda is not None or a is not None or b is not None:
        raise ReferenceDataError("give the body either by axes or as a spheroid, not both")
    shape = Shape(*(_positive(value, name) for value, name in zip(_axes(axes), "abc")))
    body = Ellipsoid(*shape.axes)  # refuses shapes beyond the library's range
    centre = _point(centre, "centre")
    if rotation is None:
        return shape, body, Pose(centre, np.eye(3))
    body.added_mass(rotation=rotation)  # the library's check of a proper rotation, its message
    return shape, body, Pose(centre, np.array(rotation, dtype=float))


def _flow(body, pose, alpha, beta):
    """The body's flow in the stream of angles alpha, beta (degrees) of the mesh's frame."""
    if pose.rotation is None:
        return body.flow(alpha, beta)
    return body.flow(direction=pose.to_body_axes(body.flow(alpha, beta).stream))


def _added_mass(body, pose):
    """The body's 6 × 6 added mass in the mesh's frame, about its origin."""
    if pose.rotation is None:
        return body.added_mass(about=tuple(-pose.centre))
    return body.added_mass(about=tuple(-pose.centre), rotation=pose.rotation)


def _onto_surface(geometry, shape, pose):
    """The cells' centroids moved onto the surface (body's frame), and how far.

    Raises ReferenceDataError when a cell faces inwards.
    """
    centroids = pose.to_body(geometry.centroids)
    normals = pose.to_body_axes(geometry.normals)
    check_outward(shape, centroids, normals)
    return onto_surface(shape, centroids, normals)


def _cell_table(geometry, on_surface, moved, pose, flow):
    """The table of COLUMNS, a row a cell: its geometry and the flow at its surface point."""
    import pandas

    potential = flow.potential(on_surface)
    return pandas.DataFrame(
        {"cell": np.arange(len(geometry.areas))}
        | _columns("cx cy cz", geometry.centroids)
        | {"area": geometry.areas}
        | _columns("nx ny nz", geometry.normals)
        | _columns("px py pz", pose.to_mesh(on_surface))
        | {"offset": moved, "phi": potential, "phi_d": potential - on_surface @ flow.stream}
        | _columns("u v w", pose.turn(flow.velocity(on_surface)))
        | {
            "Cu": flow.cu(on_surface),
            "Cp": flow.cp(on_surface),
            "dn": geometry.normals @ pose.turn(flow.stream),
        }
    )[list(COLUMNS)]


def _mode_columns(table, body, pose):
    """The table of MODE_COLUMNS: the mesh frame's mode potentials and generalized normals."""
    import pandas

    points = pose.to_body(table[["px", "py", "pz"]].to_numpy())
    centroids = table[["cx", "cy", "cz"]].to_numpy()
    normals = table[["nx", "ny", "nz"]].to_numpy()
    potentials = pose.modes_to_mesh(body.mode_potentials(points))
    return pandas.DataFrame(
        _columns("phi1 phi2 phi3 phi4 phi5 phi6", potentials)
        | _columns("n1 n2 n3 n4 n5 n6", np.hstack([normals, np.cross(centroids, normals)]))
    )


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


def _axes(value):
    """`value` as three semi-axes; ReferenceDataError otherwise (each checked positive after)."""
    try:
        values = list(value)
    except TypeError:
        values = []
    if len(values) != 3:
        raise ReferenceDataError(f"axes must be three semi-axes (a, b, c), not {value!r}")
    return values


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
