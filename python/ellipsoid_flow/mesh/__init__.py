# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Spheroid and ellipsoid meshes and the mesh formats of panel and boundary-element codes.

Example::

    from ellipsoid_flow import mesh
    body = mesh.spheroid(1 / 6, n_axial=40, n_around=32)
    other = mesh.ellipsoid(3, 2, 1, n_axial=24, n_around=32)
    mesh.write(body, "spheroid.gdf")
    again = mesh.read("spheroid.gdf")

Formats: STL, Gmsh .msh (2.2 and 4.1), VTK, VTU and OBJ through meshio; WAMIT
GDF and Nemoh's mesh file by this package's own readers and writers.
"""

from .._errors import MeshError
from ._ellipsoid import ellipsoid
from ._files import FORMATS, read, write
from ._spheroid import spheroid
from ._surface import CellGeometry, Mesh, cell_geometry

__all__ = [
    "FORMATS",
    "CellGeometry",
    "Mesh",
    "MeshError",
    "cell_geometry",
    "ellipsoid",
    "read",
    "spheroid",
    "write",
]
