# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Meshes of a spheroid whose every vertex lies on the exact surface."""

from .._checks import positive_number
from .._errors import MeshError
from ._rings import ring_mesh


def spheroid(lamda, n_axial, n_around, cells="quad", spacing="cosine", *, half=False, length=1.0):
    """A mesh of the spheroid of thickness ratio `lamda` and axis length `length`.

    Body axes as everywhere in this package: x along the axis, nose at
    x = -length/2, tail at +length/2, semi-axes a = length/2 and
    b = lamda * a; a vertex at eccentric angle FI and circumferential angle
    theta is (a cos FI, b sin FI cos theta, b sin FI sin theta).

    Cells run from nose to tail, each band round the body by increasing
    theta; vertices are numbered in the order the cells first use them, so
    formats that store only cell corners (STL, GDF) read back unchanged.

    Parameters
    ----------
    lamda : float
        Thickness ratio b / a, above 0.
    n_axial : int
        Number of bands from nose to tail (at least 2).
    n_around : int
        Number of cells round the whole body (at least 3; even and at least
        4 for a half body).
    cells : {"quad", "tri"}
        "quad": quadrilaterals, with a fan of triangles at nose and tail;
        "tri": every quadrilateral split along a diagonal.
    spacing : {"cosine", "uniform"}
        "cosine": the rings evenly spaced in FI, crowding towards nose and
        tail where the surface curves most; "uniform": evenly spaced in x.
    half : bool
        Keep only y >= 0 (theta from -90 to 90 degrees), for codes that use
        the symmetry of a stream without yaw.
    length : float
        Axis length 2a, in the mesh's length unit (default 1), above 0.

    Returns
    -------
    Mesh
        Every vertex on the exact surface, to rounding.

    Raises
    ------
    MeshError
        A thickness ratio or length that is not a positive number, counts
        out of range, or an unknown `cells` or `spacing`.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> body = mesh.spheroid(0.2, n_axial=8, n_around=12, length=10.0)
    >>> len(body), float(body.points[:, 0].min()), float(body.points[:, 0].max())
    (96, -5.0, 5.0)
    """
    lamda = positive_number(lamda, "the thickness ratio", MeshError)
    length = positive_number(length, "the length", MeshError)
    a = 0.5 * length
    return ring_mesh((a, lamda * a, lamda * a), n_axial, n_around, cells, spacing, half)
