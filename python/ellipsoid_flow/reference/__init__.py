# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Exact reference data for panel and boundary-element codes.

    from ellipsoid_flow import reference
    exact = reference.on_mesh("hull.gdf", lamda=1 / 6, alpha=10)
    exact.cells          # per cell: centroid, area, normal, surface point, phi, velocity, Cp, …
    exact.added_mass     # 6 × 6, about the mesh's origin
    study = reference.compare(["coarse.gdf", "fine.gdf"], ["coarse_cp.csv", "fine_cp.csv"],
                              lamda=1 / 6, alpha=10)
    study.table          # errors and observed orders of convergence

`python3 -m ellipsoid_flow.reference --help` gives the same from the shell;
docs/reference.md walks through a convergence study.
"""

from .._errors import ReferenceDataError
from ._compare import Comparison, compare
from ._on_mesh import COLUMNS, DEFAULT_TOLERANCE, MeshReference, on_mesh

__all__ = [
    "COLUMNS",
    "Comparison",
    "DEFAULT_TOLERANCE",
    "MeshReference",
    "ReferenceDataError",
    "compare",
    "on_mesh",
]
