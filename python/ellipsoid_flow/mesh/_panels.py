# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A mesh from panels given by their corners, as panel-code formats store them."""

import numpy as np

from .._errors import MeshError
from ._surface import Mesh


def mesh_from_panels(corners, half, name):
    """Mesh from panels' corner coordinates; equal coordinates become one vertex.

    Vertices are numbered in the order the panels first use them. A panel
    with a repeated corner is a triangle.

    Parameters
    ----------
    corners : (M, 4, 3) float array
        Each panel's four corners, in the file's length unit.
    half : bool
        Whether the mirror image in y = 0 completes the body.
    name : str
        The file's name, for messages.

    Returns
    -------
    Mesh
        The panels as cells, corners of equal coordinates merged.

    Raises
    ------
    MeshError
        No panels, or a panel that is not a cell (see `Mesh`).
    """
    if len(corners) == 0:
        raise MeshError(f"{name}: the mesh has no cells")
    flat = corners.reshape(-1, 3)
    _, first, inverse = np.unique(flat, axis=0, return_index=True, return_inverse=True)
    order = np.argsort(first)
    rank = np.empty_like(order)
    rank[order] = np.arange(len(order))
    numbers = rank[inverse.ravel()].reshape(-1, 4)
    return Mesh(flat[first[order]], numbers, half)
