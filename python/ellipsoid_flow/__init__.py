# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Exact potential flow about an ellipsoid of revolution, from Python.

Runs as the window makes them (run, FlowState, RunResult, RunError), and the
exact flow anywhere about a spheroid (Spheroid, Flow, FieldValues,
SurfaceValues) and about any ellipsoid, at rest in a stream or moving
(Ellipsoid, EllipsoidFlow, EllipsoidMotion).

Conventions: body axes with x along the axis of revolution, y towards the
circumferential angle 0 (the plane of the yaw angle beta), z towards 90
degrees (the plane of the angle of attack alpha); angles in degrees; the
stream has unit speed in the direction (cos a cos b, sin b, sin a cos b).

Subpackages: `mesh` (spheroid meshes, the mesh formats of panel codes) and
`reference` (exact values on a user's mesh, convergence studies; also the
command `ellipsoid-flow-reference`). The exceptions of the Python
layers live in one private module, `_errors`, and are given by the
subpackages; the helpers both subpackages use (files written whole, user
text quoted, checked arguments) stay at this level, the rest inside the
subpackage that uses it.
"""

from ._core import (
    Ellipsoid,
    EllipsoidFlow,
    EllipsoidMotion,
    FieldValues,
    Flow,
    FlowState,
    RunError,
    Spheroid,
    SurfaceValues,
    __version__,
)
from ._run import RunResult, run

__all__ = [
    "Ellipsoid",
    "EllipsoidFlow",
    "EllipsoidMotion",
    "FieldValues",
    "Flow",
    "FlowState",
    "RunError",
    "RunResult",
    "Spheroid",
    "SurfaceValues",
    "run",
    "__version__",
]
