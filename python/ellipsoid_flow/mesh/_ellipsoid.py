# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Meshes of an ellipsoid whose every vertex lies on the exact surface."""

from .._checks import positive_number
from .._errors import MeshError
from ._rings import ring_mesh


def ellipsoid(a, b, c, n_axial, n_around, cells="quad", spacing="cosine", *, half=False):
    """A mesh of the ellipsoid of semi-axes a, b, c along x, y, z, centred at the origin.

    Built as `spheroid` builds its meshes, in rings round the x axis: a
    vertex at eccentric angle FI and circumferential angle theta is
    (a cos FI, b sin FI cos theta, c sin FI sin theta), nose at x = -a.
    To mesh the body in another pose, turn and move the points (a proper
    rotation keeps the cells facing out).

    Parameters
    ----------
    a, b, c : float
        Semi-axes along x, y and z, in the mesh's length unit, above 0.
    n_axial : int
        Number of bands from nose to tail (at least 2).
    n_around : int
        Number of cells round the whole body (at least 3; even and at least
        4 for a half body).
    cells : {"quad", "tri"}
        "quad": quadrilaterals, with a fan of triangles at nose and tail;
        "tri": every quadrilateral split along a diagonal.
    spacing : {"cosine", "uniform"}
        "cosine": the rings evenly spaced in FI; "uniform": evenly spaced in x.
    half : bool
        Keep only y >= 0, for codes that use the symmetry plane y = 0.

    Returns
    -------
    Mesh
        Every vertex on the exact surface, to rounding (1E-15 relative).

    Raises
    ------
    MeshError
        A semi-axis that is not a positive number, counts out of range, or
        an unknown `cells` or `spacing`.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> body = mesh.ellipsoid(3.0, 2.0, 1.0, n_axial=6, n_around=8, cells="tri")
    >>> x, y, z = body.points.T
    >>> bool(np.allclose((x / 3) ** 2 + (y / 2) ** 2 + z**2, 1.0))
    True
    """
    axes = [positive_number(value, name, MeshError) for value, name in zip((a, b, c), "abc")]
    return ring_mesh(axes, n_axial, n_around, cells, spacing, half)
