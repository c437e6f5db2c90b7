# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Checked arguments of the package's Python functions."""

import math


def positive_number(value, name, error):
    """`value` as a float, checked to be a finite number above 0.

    Parameters
    ----------
    value : object
        What the caller gave: anything `float` takes (a number, a numeric text).
    name : str
        How the message names the argument ("lamda", "the length").
    error : type
        The exception class of the caller's layer (MeshError, ReferenceDataError).

    Returns
    -------
    float
        The value, in the caller's unit.

    Raises
    ------
    error
        "{name} must be a positive number, not {value!r}" when `value` is not a
        number, not finite, or not above 0.
    """
    try:
        number = float(value)
    except (TypeError, ValueError):
        number = math.nan
    if not (math.isfinite(number) and number > 0.0):
        raise error(f"{name} must be a positive number, not {value!r}")
    return number
