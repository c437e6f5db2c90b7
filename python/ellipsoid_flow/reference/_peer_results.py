# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A peer code's results as `compare` takes them: Cp per cell, and a 6 × 6 added-mass matrix."""

from pathlib import Path

import numpy as np

from .._errors import ReferenceDataError
from .._user_text import is_number, quoted


def read_cp(source, n_cells, what):
    """Cp of cells 0 … n_cells − 1: a CSV file or DataFrame (columns cell, Cp), or an array.

    Parameters
    ----------
    source : str, os.PathLike, pandas.DataFrame or array_like
        A table of the columns cell and Cp (in any order, a row per cell),
        or the (n_cells,) values in cell order.
    n_cells : int
        The mesh's number of cells.
    what : str
        How messages name the results when `source` is not a file.

    Returns
    -------
    (n_cells,) float array

    Raises
    ------
    ReferenceDataError
        A file that is not a CSV table, missing columns, a value that is not
        a finite number, a cell number that is not whole, out of range or
        repeated, missing cells, or an array of the wrong length.
    OSError
        The file cannot be read.
    """
    import pandas

    if isinstance(source, (str, Path)):
        what = f"{source}"
        try:
            source = pandas.read_csv(source, skipinitialspace=True)
        except (
            pandas.errors.ParserError,
            pandas.errors.EmptyDataError,
            UnicodeDecodeError,
        ) as error:
            raise ReferenceDataError(f"{what}: not a CSV table of cell and Cp ({error})") from None
    if isinstance(source, pandas.DataFrame):
        return _by_cell(source, n_cells, what)
    values = _numbers(source, what, "Cp")
    if values.shape != (n_cells,):
        raise ReferenceDataError(
            f"{what}: {values.size} values of Cp for a mesh of {n_cells} cells"
        )
    return values


def _by_cell(table, n_cells, what):
    """Cp in cell order from a table of cell and Cp; ReferenceDataError if it does not fit."""
    columns = {str(name).strip().lower(): name for name in table.columns}
    if "cell" not in columns or "cp" not in columns:
        raise ReferenceDataError(
            f"{what}: needs the columns 'cell' and 'Cp'; it has {quoted(list(table.columns))}"
        )
    cells = _numbers(table[columns["cell"]], what, "cell")
    cp = _numbers(table[columns["cp"]], what, "Cp")
    if np.any(cells != np.round(cells)):
        raise ReferenceDataError(f"{what}: cell numbers must be whole numbers")
    cells = cells.astype(np.int64)
    outside = cells[(cells < 0) | (cells >= n_cells)]
    if outside.size:
        raise ReferenceDataError(
            f"{what}: cell {outside[0]} does not exist: cells count from 0, the mesh has "
            f"{n_cells} (0 to {n_cells - 1})"
        )
    numbers, counts = np.unique(cells, return_counts=True)
    if np.any(counts > 1):
        raise ReferenceDataError(f"{what}: cell {numbers[counts > 1][0]} is given more than once")
    if len(numbers) < n_cells:
        missing = np.setdiff1d(np.arange(n_cells), numbers)
        listed = ", ".join(map(str, missing[:10])) + (
            f" and {missing.size - 10} more" if missing.size > 10 else ""
        )
        raise ReferenceDataError(
            f"{what}: {missing.size} of the mesh's {n_cells} cells are missing: {listed}"
        )
    values = np.empty(n_cells)
    values[cells] = cp
    return values


def read_added_mass(source, what):
    """A 6 × 6 matrix from an array or a text file of six rows of six numbers (commas or blanks).

    Parameters
    ----------
    source : str, os.PathLike or array_like
        The matrix about the mesh's origin, density 1, the mesh's length unit.
    what : str
        How messages name the matrix when `source` is not a file.

    Returns
    -------
    (6, 6) float array

    Raises
    ------
    ReferenceDataError
        Not six rows of six finite numbers.
    OSError
        The file cannot be read.
    """
    if isinstance(source, (str, Path)):
        what = f"{source}"
        try:
            text = Path(source).read_text(encoding="utf-8")
        except UnicodeDecodeError:
            raise ReferenceDataError(
                f"{what}: not a text file of six rows of six numbers"
            ) from None
        rows = [line.replace(",", " ").split() for line in text.splitlines() if line.strip()]
        if [len(row) for row in rows] != [6] * 6:
            raise ReferenceDataError(
                f"{what}: expected six rows of six numbers, found rows of "
                f"{[len(row) for row in rows]}"
            )
        source = rows
    matrix = _numbers(source, what, "added mass")
    if matrix.shape != (6, 6):
        raise ReferenceDataError(
            f"{what}: the added mass must be a 6 × 6 matrix, not of shape {matrix.shape}"
        )
    return matrix


def _numbers(values, what, name):
    """`values` as a float array of finite numbers; ReferenceDataError quoting the first bad one."""
    try:
        array = np.asarray(values, dtype=float)
    except (TypeError, ValueError):
        flat = np.ravel(np.asarray(values, dtype=object))
        bad = next((value for value in flat if not is_number(value)), values)
        raise ReferenceDataError(f"{what}: a {name} value is not a number: {quoted(bad)}") from None
    if not np.all(np.isfinite(array)):
        raise ReferenceDataError(f"{what}: a {name} value is missing or not finite")
    return array

