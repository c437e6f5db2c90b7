# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A mesh from panels given by their corners, as panel-code formats store them."""

import numpy as np

from ._mesh import Mesh, MeshError


def mesh_from_panels(corners, half, name):
    """Mesh from (M, 4, 3) corner coordinates; equal coordinates become one vertex.

    Vertices are numbered in the order the panels first use them. A panel
    with a repeated corner is a triangle, its corners kept in their turning
    order.
    """
    if len(corners) == 0:
        raise MeshError(f"{name}: the mesh has no cells")
    flat = corners.reshape(-1, 3)
    _, first, inverse = np.unique(flat, axis=0, return_index=True, return_inverse=True)
    order = np.argsort(first)
    rank = np.empty_like(order)
    rank[order] = np.arange(len(order))
    numbers = rank[inverse.ravel()].reshape(-1, 4)
    cells = []
    for panel, vertices in enumerate(numbers):
        distinct = [v for k, v in enumerate(vertices) if v != vertices[k - 1]]
        if len(distinct) == 3:
            distinct.append(distinct[2])
        if len(distinct) != 4 or len(set(distinct)) < 3:
            raise MeshError(f"{name}: panel {panel} has fewer than 3 distinct corners")
        cells.append(distinct)
    return Mesh(flat[first[order]], np.array(cells), half)
