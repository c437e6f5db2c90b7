# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Meshes of a body of rings round its x axis: every vertex on the exact surface."""

import numpy as np

from .._errors import MeshError
from ._surface import Mesh


def ring_mesh(axes, n_axial, n_around, cells, spacing, half):
    """The mesh of the ellipsoid of semi-axes `axes` along x, y, z, in rings round x.

    A vertex at eccentric angle FI and circumferential angle theta is
    (a cos FI, b sin FI cos theta, c sin FI sin theta). Cells run from nose
    (x = -a) to tail (x = a), each band round the body by increasing
    theta; vertices are numbered in the order the cells first use them, so
    formats that store only cell corners (STL, GDF) read back unchanged.

    Parameters
    ----------
    axes : 3 floats
        Semi-axes a, b, c, already checked positive, in the mesh's unit.
    n_axial, n_around, cells, spacing, half
        As `spheroid` takes them, unchecked.

    Returns
    -------
    Mesh

    Raises
    ------
    MeshError
        Counts out of range, or an unknown `cells` or `spacing`.
    """
    a, b, c = axes
    n_axial = _whole(n_axial, "n_axial", 2, "a whole number of at least 2")
    if half:
        n_around = _whole(
            n_around, "n_around", 4, "an even number of at least 4 for a half body", 2
        )
    else:
        n_around = _whole(n_around, "n_around", 3, "a whole number of at least 3")
    if cells not in ("quad", "tri"):
        raise MeshError(f'cells must be "quad" or "tri", not {cells!r}')
    if spacing not in ("cosine", "uniform"):
        raise MeshError(f'spacing must be "cosine" or "uniform", not {spacing!r}')

    x, sin_fi = _ring_stations(a, n_axial, spacing)
    columns = n_around // 2 + 1 if half else n_around
    theta = -0.5 * np.pi + 2.0 * np.pi * np.arange(columns) / n_around
    cos_t, sin_t = _exact_at_quarter_turns(np.cos(theta)), _exact_at_quarter_turns(np.sin(theta))
    rings = np.stack(
        [
            np.broadcast_to(x[:, None], (len(x), columns)),
            (b * sin_fi)[:, None] * cos_t,
            (c * sin_fi)[:, None] * sin_t,
        ],
        axis=-1,
    )
    points = np.vstack([[[-a, 0.0, 0.0]], rings.reshape(-1, 3), [[a, 0.0, 0.0]]])

    quads = _band_quads(len(x), columns, wrap=not half)
    if cells == "tri":
        quads = _split(quads)
    return _numbered_by_first_use(points, quads, half)


def _whole(value, name, least, need, multiple=1):
    """`value` as an int, at least `least` and a multiple of `multiple`; else MeshError."""
    try:
        number = int(value)
    except (TypeError, ValueError, OverflowError):
        number = None
    if number is None or number != value or number < least or number % multiple:
        raise MeshError(f"{name} must be {need}, not {value!r}")
    return number


def _ring_stations(a, n_axial, spacing):
    """Axial position (the mesh's unit) and sine of the eccentric angle of the rings
    between nose and tail."""
    i = np.arange(1, n_axial)
    if spacing == "cosine":
        fi = np.pi - np.pi * i / n_axial
        return a * _exact_at_quarter_turns(np.cos(fi)), np.sin(fi)
    x = -a + 2.0 * a * i / n_axial
    return x, np.sqrt((1.0 - x / a) * (1.0 + x / a))


def _exact_at_quarter_turns(values):
    # cos(pi/2) is 6E-17, not 0: put the seam of a half body exactly on y = 0,
    # and the middle ring of an even count exactly on x = 0.
    return np.where(np.abs(values) < 1e-15, 0.0, values)


def _band_quads(n_rings, columns, wrap):
    """Cells as corner quadruples, the nose and tail fans as quads with a repeated vertex."""
    nose, tail = 0, 1 + n_rings * columns
    j = np.arange(columns if wrap else columns - 1)
    j_next = (j + 1) % columns

    def vertex(ring, column):
        return 1 + ring * columns + column

    bands = [
        np.column_stack([np.full_like(j, nose), vertex(0, j_next), vertex(0, j), vertex(0, j)])
    ]
    for ring in range(n_rings - 1):
        bands.append(
            np.column_stack(
                [
                    vertex(ring, j),
                    vertex(ring, j_next),
                    vertex(ring + 1, j_next),
                    vertex(ring + 1, j),
                ]
            )
        )
    bands.append(
        np.column_stack(
            [
                vertex(n_rings - 1, j),
                vertex(n_rings - 1, j_next),
                np.full_like(j, tail),
                np.full_like(j, tail),
            ]
        )
    )
    return np.vstack(bands)


def _split(quads):
    """Each quadrilateral as two triangles (0, 1, 2) and (0, 2, 3); fan triangles stay whole."""
    triangle = quads[:, 3] == quads[:, 2]
    out = []
    for cell, is_triangle in zip(quads, triangle):
        if is_triangle:
            out.append(cell[:3])
        else:
            out.extend([cell[[0, 1, 2]], cell[[0, 2, 3]]])
    return np.array(out)


def _numbered_by_first_use(points, cells, half):
    """The Mesh with its vertices renumbered in the order the cells first use them."""
    padded = Mesh(points, cells, half).cells
    _, first = np.unique(padded.ravel(), return_index=True)
    order = padded.ravel()[np.sort(first)]
    renumber = np.empty(len(points), dtype=np.int64)
    renumber[order] = np.arange(len(order))
    return Mesh(points[order], renumber[padded], half)
