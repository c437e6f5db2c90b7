# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Exact potential flow about an ellipsoid of revolution, from Python.

Runs as the window makes them (run, FlowState, RunResult, RunError), and the
exact flow anywhere about a spheroid (Spheroid, Flow, FieldValues,
SurfaceValues).

Conventions: body axes with x along the axis of revolution, y towards the
circumferential angle 0 (the plane of the yaw angle beta), z towards 90
degrees (the plane of the angle of attack alpha); angles in degrees; the
stream has unit speed in the direction (cos a cos b, sin b, sin a cos b).
"""

from ._core import (
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
