# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Runs as the window makes them: five inputs in, the two files and arrays out."""

from __future__ import annotations

import math
import numbers
import os
from dataclasses import dataclass
from pathlib import Path
from typing import Optional, Union

import numpy as np

from . import _core


@dataclass(frozen=True, eq=False)
class RunResult:
    """What a completed run computed, with the window's names.

    Attributes
    ----------
    inputs : tuple
        The five values as the run read them (lamda, nxx, nt, alpha, beta).
    E : float
        Eccentricity sqrt(1 - lamda^2).
    A0, B0 : float
        The shape integrals alpha0 and beta0.
    K1, K2, K3 : float
        Inertia (added-mass) coefficients along and across the axis (K3 = K2).
    NJ : float
        The column count as a loop limit (2 NT, or 1 when the stream runs
        along the axis).
    FI : (points,) float array
        Eccentric angle of each meridian point, degrees.
    X, Y : (points,) float array
        The point on a body of length 1 (nose at -0.5) and the radius there,
        in units of the body length.
    angle : (columns,) float array
        Each column's angle round the axis, degrees (0 in the plane of the
        yaw angle, 90 in the plane of the angle of attack).
    Cu : (points, columns) float array
        (surface speed / free-stream speed)^2.
    Cp : (points, columns) float array
        Pressure coefficient 1 - Cu.
    folder : pathlib.Path or None
        Where the run wrote solva11.txt and solva12.txt, or None.

    Examples
    --------
    >>> result = ellipsoid_flow.run(1, 10, 4, 0, 0)
    >>> round(result.A0, 12), round(result.K1, 12)  # the sphere's 2/3 and 1/2
    (0.666666666667, 0.5)
    >>> result.Cu.shape  # the stream along the axis: one column
    (10, 1)
    """

    inputs: tuple
    E: float
    A0: float
    B0: float
    K1: float
    K2: float
    K3: float
    NJ: float
    FI: np.ndarray
    X: np.ndarray
    Y: np.ndarray
    angle: np.ndarray
    Cu: np.ndarray
    Cp: np.ndarray
    folder: Optional[Path] = None


def _box_text(value, name: str) -> str:
    """The text a box would hold to give `value`: a text as it is, a number
    in a form the box reads back to the same double.

    Raises TypeError for a bool or a value neither text nor number, and
    ValueError for a number that is not finite, naming the argument `name`.
    """
    kind = type(value)
    if kind is str:
        return value
    if kind is int:
        return str(value)
    if kind is float and math.isfinite(value):
        return repr(value)  # the shortest text that reads back to the same double
    if isinstance(value, str):
        return str(value)
    if isinstance(value, (bool, np.bool_)):
        raise TypeError(f"{name} must be a number or a text, not a bool")
    if isinstance(value, numbers.Integral):
        return str(int(value))
    if isinstance(value, numbers.Real):
        x = float(value)
        if not math.isfinite(x):
            raise ValueError(f"{name} must be a finite number, got {x!r}")
        return repr(x)
    raise TypeError(
        f"{name} must be a number, or a text read as the window reads its box; "
        f"got {type(value).__name__}"
    )


def run(
    lamda: Union[float, str],
    nxx: Union[float, str],
    nt: Union[float, str],
    alpha: Union[float, str],
    beta: Union[float, str],
    *,
    folder: Union[str, os.PathLike, None] = None,
    state: Optional[_core.FlowState] = None,
) -> RunResult:
    """One run, as a click on the window's button makes it.

    A number is used as it is; a text is read as the window reads its boxes
    ("1,5" reads as 1, "&H1F" as 31, an empty text as 0). The computation
    runs without the GIL, so threads run in parallel.

    Parameters
    ----------
    lamda : float or str
        Thickness ratio (minor over major axis).
    nxx : float or str
        Points along the meridian (at most 400).
    nt : float or str
        Circumferential steps per half turn.
    alpha, beta : float or str
        Angle of attack and yaw angle, degrees.
    folder : str or os.PathLike, optional
        The folder to write solva11.txt and solva12.txt into, made with its
        parents when missing (as the command line's ``--dir``); byte for byte
        what the window writes (the numbers follow the locale of the
        environment, as the window's do). Without it no file is kept.
    state : FlowState, optional
        Shared with other runs, as successive clicks in one window share
        their arrays; without it the run starts as a new window.

    Returns
    -------
    RunResult

    Raises
    ------
    RunError
        The run stops (with the window's error number, description and the
        step it stopped at); the files then keep what had been written, as
        the window's do.
    TypeError, ValueError
        A wrong call.

    Examples
    --------
    >>> result = ellipsoid_flow.run("0.2", 20, 6, 10, 0)
    >>> result.inputs[0], result.NJ
    (0.2, 12.0)
    >>> bool(np.allclose(result.Cp, 1.0 - result.Cu))
    True
    """
    texts = (_box_text(lamda, "lamda"), _box_text(nxx, "nxx"), _box_text(nt, "nt"),
             _box_text(alpha, "alpha"), _box_text(beta, "beta"))
    if folder is not None:
        folder = os.path.abspath(os.fsdecode(os.fspath(folder)))
    if state is not None and not isinstance(state, _core.FlowState):
        raise TypeError(f"state must be a FlowState or None, not {type(state).__name__}")
    out = _core._run(texts, folder, state)
    return RunResult(folder=None if folder is None else Path(folder), **out)
