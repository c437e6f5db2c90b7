# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Streamlines of the exact flow, integrated with SciPy (imported only here)."""

from __future__ import annotations

import math

import numpy as np


def streamline(flow, seed, length: float, *, rtol: float = 1e-10, atol: float = 1e-12):
    """The points (M, 3) of the streamline of `flow` through `seed`.

    Integrates dx/ds = v / |v| over the arc length s from 0 to `length`
    (negative: upstream) with solve_ivp (DOP853). Stops early at a
    stagnation point or should the line reach the body.

    Parameters
    ----------
    flow : Flow
    seed : 3 floats
        The starting point, in the body's length unit.
    length : float
        Arc length to integrate over, in the body's length unit; negative
        upstream.
    rtol, atol : float
        solve_ivp's relative and absolute tolerances.

    Returns
    -------
    (M, 3) float array
        Points along the line from `seed`, in the body's length unit.

    Raises
    ------
    ValueError
        A seed that is not one point, inside the body or not finite, or a
        length that is not finite.
    """
    from scipy.integrate import solve_ivp

    start = np.asarray(seed, dtype=float)
    if start.shape != (3,):
        raise ValueError(f"seed must be one point x, y, z; got shape {start.shape}")
    if not math.isfinite(length):
        raise ValueError(f"length must be finite, got {length!r}")
    flow.velocity(start)  # a seed inside the body or not finite raises here

    def direction(_s, x):
        v = flow.velocity(x, inside="nan")
        speed = math.sqrt(v @ v)
        return v / speed if speed > 1e-12 else np.zeros(3)  # NaN inside compares False

    def stalled(_s, x):
        v = flow.velocity(x, inside="nan")
        speed = math.sqrt(v @ v)
        return speed - 1e-9 if math.isfinite(speed) else -1.0

    stalled.terminal = True
    if length == 0:
        return start[np.newaxis, :]
    step = abs(length) / 200
    solution = solve_ivp(direction, (0.0, length), start, method="DOP853", rtol=rtol, atol=atol,
                         events=stalled, max_step=step, dense_output=False)
    return solution.y.T.copy()
