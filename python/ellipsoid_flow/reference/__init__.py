# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Exact reference data for panel and boundary-element codes.

Example::

    from ellipsoid_flow import reference
    exact = reference.on_mesh("hull.gdf", lamda=1 / 6, alpha=10)
    exact.cells          # per cell: centroid, area, normal, surface point, phi, velocity, Cp, …
    exact.added_mass     # 6 × 6, about the mesh's origin
    posed = reference.on_mesh("ellipsoid.msh", axes=(3, 2, 1), rotation=R, centre=(1, 0, 0))
    posed.cells          # the same, and the six mode potentials phi1…phi6 and normals n1…n6
    study = reference.compare(["coarse.gdf", "fine.gdf"], ["coarse_cp.csv", "fine_cp.csv"],
                              lamda=1 / 6, alpha=10)
    study.table          # errors and observed orders of convergence

`ellipsoid-flow-reference --help` gives the same from the shell; the
reference guide (docs/reference.md) walks through a convergence study.
"""

from .._errors import ReferenceDataError
from ._compare import Comparison, compare
from ._on_mesh import COLUMNS, DEFAULT_TOLERANCE, MODE_COLUMNS, MeshReference, on_mesh

__all__ = [
    "COLUMNS",
    "Comparison",
    "DEFAULT_TOLERANCE",
    "MODE_COLUMNS",
    "MeshReference",
    "ReferenceDataError",
    "compare",
    "on_mesh",
]
