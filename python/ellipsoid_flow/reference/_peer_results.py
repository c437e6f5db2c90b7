# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A peer code's results as `compare` takes them: Cp and mode potentials per cell, and a 6 × 6
added-mass matrix."""

import csv
import json
from pathlib import Path

import numpy as np

from .._errors import ReferenceDataError
from .._user_text import is_number, quoted

# The columns of a mode-potential file after `cell`: unit motions u, v, w, p, q, r.
MODES = [f"phi{k}" for k in range(1, 7)]


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
    return _in_cell_order(cells, cp, n_cells, what, lambda _: what)


def _in_cell_order(cells, values, n_cells, what, where):
    """`values` (a row per entry of `cells`) put in cell order 0 … n_cells − 1.

    ReferenceDataError at the first cell number that is not whole, out of
    range or repeated, `where(i)` naming entry i (the file, and its line
    where known), or naming `what` when cells are missing.
    """
    broken = np.flatnonzero(cells != np.round(cells))
    if broken.size:
        raise ReferenceDataError(f"{where(broken[0])}: cell numbers must be whole numbers")
    cells = cells.astype(np.int64)
    outside = np.flatnonzero((cells < 0) | (cells >= n_cells))
    if outside.size:
        raise ReferenceDataError(
            f"{where(outside[0])}: cell {cells[outside[0]]} does not exist: cells count from 0, "
            f"the mesh has {n_cells} (0 to {n_cells - 1})"
        )
    numbers, counts = np.unique(cells, return_counts=True)
    if np.any(counts > 1):
        repeated = numbers[counts > 1][0]
        again = np.flatnonzero(cells == repeated)[1]
        raise ReferenceDataError(f"{where(again)}: cell {repeated} is given more than once")
    if len(numbers) < n_cells:
        missing = np.setdiff1d(np.arange(n_cells), numbers)
        listed = ", ".join(map(str, missing[:10])) + (
            f" and {missing.size - 10} more" if missing.size > 10 else ""
        )
        raise ReferenceDataError(
            f"{what}: {missing.size} of the mesh's {n_cells} cells are missing: {listed}"
        )
    ordered = np.empty((n_cells, *np.shape(values)[1:]))
    ordered[cells] = values
    return ordered


def read_mode_potentials(source, n_cells, what):
    """The six mode potentials of cells 0 … n_cells − 1: a CSV file or an array.

    Parameters
    ----------
    source : str, os.PathLike or array_like
        A CSV file with a header and the columns cell, phi1 … phi6 (in any
        order, a row per cell): the potentials of the unit motions u, v, w,
        p, q, r on each cell, rotations about the mesh's origin; or the
        (n_cells, 6) values in cell order.
    n_cells : int
        The mesh's number of cells.
    what : str
        How messages name the results when `source` is not a file.

    Returns
    -------
    (n_cells, 6) float array

    Raises
    ------
    ReferenceDataError
        Naming the file and line: missing columns, a row of the wrong
        length, a value that is not a finite number, a cell number that is
        not whole, out of range or repeated; missing cells, a file that is
        not CSV text, or an array of the wrong shape.
    OSError
        The file cannot be read.
    """
    if isinstance(source, (str, Path)):
        lines, cells, values = _mode_rows(source)
        return _in_cell_order(
            cells, values, n_cells, f"{source}", lambda row: f"{source}, line {lines[row]}"
        )
    values = _numbers(source, what, "mode potential")
    if values.shape != (n_cells, 6):
        raise ReferenceDataError(
            f"{what}: mode potentials of shape {values.shape} for a mesh of {n_cells} cells; "
            f"expected ({n_cells}, 6)"
        )
    return values


def _mode_rows(path):
    """The line numbers, cell numbers and (rows, 6) potentials of a mode-potential file."""
    try:
        with open(path, newline="", encoding="utf-8") as stream:
            reader = csv.reader(stream, skipinitialspace=True)
            header = [name.strip().lower() for name in next(reader, [])]
            where = _mode_columns(header, path)
            lines, rows = [], []
            for row in reader:
                if any(field.strip() for field in row):
                    lines.append(reader.line_num)
                    rows.append(_mode_row(row, where, f"{path}, line {reader.line_num}"))
    except (UnicodeDecodeError, csv.Error) as error:
        raise ReferenceDataError(f"{path}: not a CSV table of cell and phi1 … phi6 ({error})") from None
    table = np.array(rows, dtype=float).reshape(-1, 7)
    return lines, table[:, 0], table[:, 1:]


def _mode_columns(header, path):
    """The positions of cell, phi1 … phi6 in the header; ReferenceDataError naming the missing."""
    missing = [name for name in ["cell", *MODES] if name not in header]
    if missing:
        raise ReferenceDataError(
            f"{path}, line 1: needs the columns cell and phi1 … phi6; missing "
            f"{', '.join(map(repr, missing))}"
        )
    return [header.index(name) for name in ["cell", *MODES]]


def _mode_row(row, where, at):
    """The seven numbers (cell, phi1 … phi6) of one row; ReferenceDataError at `at` otherwise."""
    if len(row) <= max(where):
        raise ReferenceDataError(f"{at}: {len(row)} values, too few for the header's columns")
    numbers = []
    for position, name in zip(where, ["cell", *MODES]):
        text = row[position].strip()
        if not is_number(text):
            raise ReferenceDataError(f"{at}: the {name} value is not a number: {quoted(text)}")
        if not np.isfinite(float(text)):
            raise ReferenceDataError(f"{at}: the {name} value is not finite: {quoted(text)}")
        numbers.append(float(text))
    return numbers


def read_added_mass(source, what):
    """A 6 × 6 matrix from an array, a JSON file or a text file of six rows of six numbers.

    Parameters
    ----------
    source : str, os.PathLike or array_like
        The matrix about the mesh's origin, density 1, the mesh's length
        unit. A file named *.json holds an object whose key "added_mass" is
        six rows of six numbers, as `ellipsoid-flow-cli inertia` writes it;
        any other file six rows of six numbers, by commas or blanks.
    what : str
        How messages name the matrix when `source` is not a file.

    Returns
    -------
    (6, 6) float array

    Raises
    ------
    ReferenceDataError
        Not six rows of six finite numbers, or a JSON file that is not JSON
        or lacks the key (naming the file and line).
    OSError
        The file cannot be read.
    """
    if isinstance(source, (str, Path)) and Path(source).suffix.lower() == ".json":
        what, source = _json_matrix(Path(source))
    elif isinstance(source, (str, Path)):
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


def _json_matrix(path):
    """The file and line of the key "added_mass" in a JSON file, and its six rows of six values."""
    try:
        text = path.read_text(encoding="utf-8")
        document = json.loads(text)
    except UnicodeDecodeError:
        raise ReferenceDataError(f"{path}: not a JSON text file") from None
    except json.JSONDecodeError as error:
        raise ReferenceDataError(f"{path}, line {error.lineno}: not JSON: {error.msg}") from None
    if not isinstance(document, dict) or "added_mass" not in document:
        raise ReferenceDataError(
            f"{path}, line 1: expected an object with the key 'added_mass', as "
            "ellipsoid-flow-cli inertia writes it"
        )
    line = text[: max(text.find('"added_mass"'), 0)].count("\n") + 1
    where, rows = f"{path}, line {line}", document["added_mass"]
    if not isinstance(rows, list) or [_length(row) for row in rows] != [6] * 6:
        found = [_length(row) for row in rows] if isinstance(rows, list) else quoted(rows)
        raise ReferenceDataError(
            f"{where}: the added mass must be six rows of six numbers, found rows of {found}"
        )
    return where, rows


def _length(row):
    """The number of values in a JSON row; 1 for a lone value."""
    return len(row) if isinstance(row, list) else 1


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

