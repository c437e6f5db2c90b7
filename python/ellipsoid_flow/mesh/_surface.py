# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The surface mesh: vertices and triangular or quadrilateral cells."""

from dataclasses import dataclass

import numpy as np

from .._errors import MeshError


@dataclass(frozen=True, eq=False)
class Mesh:
    """A surface mesh of triangles and quadrilaterals.

    The cell number used everywhere (results files, tables) is the row of
    `cells`, from 0. Both arrays are stored read-only.

    Parameters
    ----------
    points : (N, 3) float array
        Vertex coordinates, in the mesh's length unit.
    cells : (M, 4) int array
        0-based vertex numbers, one row a cell, the vertices
        counter-clockwise seen from outside the body (so the right-hand
        normal points into the fluid). A triangle repeats its third vertex
        in the fourth column, as WAMIT and Nemoh store triangles (a triangle
        given with another vertex repeated is turned round to that form); a
        (M, 3) array is taken as all triangles.
    half : bool
        True when only the half y >= 0 is stored and its mirror image in the
        plane y = 0 completes the body.

    Raises
    ------
    MeshError
        Arrays of the wrong shape, coordinates that are not finite, no
        cells, cell entries that are not whole numbers or name no vertex, or
        a cell with fewer than 3 distinct vertices or a vertex listed twice
        apart; the message names the first such cell or vertex.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> square = [[0, 0, 0], [1, 0, 0], [1, 1, 0], [0, 1, 0]]
    >>> mesh.Mesh(square, [[0, 1, 2, 3], [0, 2, 3, 3]])
    Mesh(4 vertices, 1 triangles, 1 quadrilaterals)
    """

    points: np.ndarray
    cells: np.ndarray
    half: bool = False

    def __post_init__(self):
        points = np.array(self.points, dtype=float)
        if points.ndim != 2 or points.shape[1] != 3:
            raise MeshError(f"the vertices must be an (N, 3) array, not of shape {points.shape}")
        if not np.all(np.isfinite(points)):
            bad = int(np.flatnonzero(~np.all(np.isfinite(points), axis=1))[0])
            raise MeshError(f"vertex {bad} has a coordinate that is not a finite number")
        cells = np.array(self.cells)
        if cells.size == 0:
            raise MeshError("the mesh has no cells")
        if cells.ndim != 2 or cells.shape[1] not in (3, 4):
            raise MeshError(
                f"the cells must be an (M, 3) or (M, 4) array, not of shape {cells.shape}"
            )
        if not np.issubdtype(cells.dtype, np.integer):
            raise MeshError("the cells must hold whole vertex numbers")
        if cells.shape[1] == 3:
            cells = np.column_stack([cells, cells[:, 2]])
        cells = cells.astype(np.int64, copy=True)
        outside = np.flatnonzero(np.any((cells < 0) | (cells >= len(points)), axis=1))
        if outside.size:
            raise MeshError(
                f"cell {outside[0]} refers to a vertex that does not exist "
                f"(the mesh has {len(points)} vertices, numbered from 0)"
            )
        distinct = _distinct_vertex_counts(cells)
        if np.any(distinct < 3):
            raise MeshError(
                f"cell {int(np.flatnonzero(distinct < 3)[0])} has fewer than 3 distinct vertices"
            )
        for row in np.flatnonzero((distinct == 3) & (cells[:, 3] != cells[:, 2])):
            cells[row] = _triangle_repeating_last(cells[row], row)
        points.setflags(write=False)
        cells.setflags(write=False)
        object.__setattr__(self, "points", points)
        object.__setattr__(self, "cells", cells)
        object.__setattr__(self, "half", bool(self.half))

    @property
    def is_triangle(self):
        """Boolean array: which cells are triangles."""
        return self.cells[:, 3] == self.cells[:, 2]

    def __len__(self):
        return len(self.cells)

    def __repr__(self):
        triangles = int(np.sum(self.is_triangle))
        kinds = f"{triangles} triangles, {len(self) - triangles} quadrilaterals"
        return f"Mesh({len(self.points)} vertices, {kinds}{', half body' if self.half else ''})"


def _triangle_repeating_last(cell, row):
    """A quadruple with one repeated vertex, as its triangle in the same turning order.

    Raises MeshError when the repeated vertices are not neighbours.
    """
    corners = [v for k, v in enumerate(cell) if v != cell[k - 1]]
    if len(corners) != 3:
        raise MeshError(f"cell {row} lists a vertex twice, apart: {list(cell)}")
    return corners + corners[2:]


def _distinct_vertex_counts(cells):
    """How many different vertices each cell lists."""
    ordered = np.sort(cells, axis=1)
    return 1 + np.sum(ordered[:, 1:] != ordered[:, :-1], axis=1)


@dataclass(frozen=True)
class CellGeometry:
    """Centroid, area and outward unit normal of every cell, as a panel code sees them.

    A cell is taken as the flat panel spanned by its vertices: its vector
    area is half the cross product of its diagonals (exact for any quadrilateral,
    planar or not, and for a triangle), the area is its length and the normal
    its direction; the centroid is that of the fan of triangles from the
    vertices' mean, weighted by their areas projected on the normal (exact for
    flat cells).

    Attributes
    ----------
    centroids : (M, 3) float array
        In the mesh's coordinates.
    areas : (M,) float array
        In the mesh's length unit squared.
    normals : (M, 3) float array
        Unit vectors, out of the body for a mesh whose cells run
        counter-clockwise seen from outside.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> square = mesh.Mesh([[0, 0, 0], [2, 0, 0], [2, 2, 0], [0, 2, 0]], [[0, 1, 2, 3]])
    >>> geometry = mesh.cell_geometry(square)
    >>> geometry.areas, geometry.centroids, geometry.normals[0, 2]
    (array([4.]), array([[1., 1., 0.]]), 1.0)
    """

    centroids: np.ndarray
    areas: np.ndarray
    normals: np.ndarray


def cell_geometry(mesh):
    """Centroids (M, 3), areas (M,) and unit normals (M, 3) of the mesh's cells.

    Parameters
    ----------
    mesh : Mesh

    Returns
    -------
    CellGeometry

    Raises
    ------
    MeshError
        A cell has no area (the first such named).

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> geometry = mesh.cell_geometry(mesh.spheroid(1.0, 40, 64))
    >>> round(float(geometry.areas.sum()) / np.pi, 2)  # a sphere of diameter 1
    1.0
    """
    corners = mesh.points[mesh.cells]
    vector_area = 0.5 * np.cross(corners[:, 2] - corners[:, 0], corners[:, 3] - corners[:, 1])
    areas = np.linalg.norm(vector_area, axis=1)
    if np.any(areas == 0.0):
        raise MeshError(f"cell {int(np.flatnonzero(areas == 0.0)[0])} has no area")
    normals = vector_area / areas[:, None]
    middle = corners.mean(axis=1)
    following = np.roll(corners, -1, axis=1)
    fan_areas = np.einsum(
        "mkj,mj->mk",
        0.5 * np.cross(corners - middle[:, None], following - middle[:, None]),
        normals,
    )
    fan_centroids = (middle[:, None] + corners + following) / 3.0
    centroids = np.einsum("mk,mkj->mj", fan_areas, fan_centroids) / fan_areas.sum(axis=1)[:, None]
    return CellGeometry(centroids, areas, normals)
