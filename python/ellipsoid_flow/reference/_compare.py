# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A peer code's results on a series of meshes against the exact values: errors and orders."""

from dataclasses import dataclass
from pathlib import Path

import numpy as np

from .._atomic_file import write_csv, written_whole
from .._errors import ReferenceDataError
from ._on_mesh import MeshReference, on_mesh
from ._peer_results import MODES, read_added_mass, read_cp, read_mode_potentials

DIAGONAL = ["m11", "m22", "m33", "m44", "m55", "m66"]
# An exact added-mass entry below this fraction of the scale of its block is zero by symmetry.
ZERO_BY_SYMMETRY = 1e-12
NOT_ERRORS = ("mesh", "cells", "h", "cp_linf_cell")


@dataclass(frozen=True)
class Comparison:
    """The outcome of `compare`.

    Attributes
    ----------
    table : pandas.DataFrame
        One row per mesh in the order given (an error NaN where the peer
        gave no values)::

            cells        number of cells
            h            typical cell size, √(total area / cells), in the mesh's unit
            cp_l2        area-weighted root-mean-square error of Cp
            cp_linf      largest error of Cp, at cell `cp_linf_cell`
            am_max       largest relative error of an added-mass entry
            m11 … m66    relative error of each diagonal added-mass entry

        and, for a body given by its axes (whose exact values hold the mode
        potentials), after those::

            phiK_l2      area-weighted root-mean-square error of the potential
                         of unit motion K (1 … 6: u, v, w, p, q, r), in the
                         mesh's length unit
            phiK_linf    largest error of that potential
            mKL          relative error of each added-mass entry above the
                         diagonal (K < L) that is not zero by symmetry

        then::

            order_…      observed order of each error from the mesh before:
                         ln(e₀ / e₁) / ln(h₀ / h₁), so 1 for an error falling as h
    added_mass_errors : list
        Per mesh, the 6 × 6 relative errors (None without peer values). An
        entry the exact body has zero by symmetry (m44 of a body of
        revolution, the couplings about its centre) is measured against the
        largest exact diagonal entry of its kind instead of itself: zero by
        symmetry means below ZERO_BY_SYMMETRY (1E-12) times √(Dₖ Dₗ), where
        Dₖ is the largest exact diagonal entry of k's block (translations or
        rotations), as the closed forms give such zeros as rounding noise.
    references : list of MeshReference
        The exact values on each mesh.

    Examples
    --------
    >>> from ellipsoid_flow import mesh, reference
    >>> meshes = [mesh.spheroid(1.0, n, 2 * n) for n in (8, 16)]
    >>> study = reference.compare(meshes, [None, None], lamda=1.0)
    >>> len(study.table), len(study.references)
    (2, 2)
    """

    table: object
    added_mass_errors: list
    references: list

    def write_table(self, path):
        """The table as CSV, numbers to 6 significant digits.

        The file appears under its name only once complete; OSError when it
        cannot be written.

        Parameters
        ----------
        path : str or os.PathLike
            The file to write.

        Raises
        ------
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> exact = reference.on_mesh(mesh.spheroid(0.2, 8, 12), lamda=0.2, alpha=10)
        >>> cp = exact.cells["Cp"].to_numpy()
        >>> study = reference.compare([exact], [cp + 0.01])
        >>> study.write_table("study.csv")
        >>> open("study.csv").readline().startswith("mesh,cells,h,")
        True
        """
        write_csv(self.table, path, "%.6g")

    def figure(self, path=None, title=None):
        """A log-log figure of each error against the number of cells; saved to `path` if given.

        Parameters
        ----------
        path : str or os.PathLike, optional
            A .png, .svg or .pdf file, which appears under its name only once complete.
        title : str, optional
            The figure's title; by default "Error against the exact solution".

        Returns
        -------
        matplotlib.figure.Figure

        Raises
        ------
        ReferenceDataError
            A suffix of `path` matplotlib cannot write.
        OSError
            The file cannot be written.

        Examples
        --------
        >>> from ellipsoid_flow import mesh, reference
        >>> meshes = [mesh.spheroid(0.2, n, 2 * n) for n in (8, 16)]
        >>> exact = [reference.on_mesh(m, lamda=0.2) for m in meshes]
        >>> study = reference.compare(exact, [e.cells["Cp"].to_numpy() * 1.01 for e in exact])
        >>> figure = study.figure("study.png")
        >>> import os; os.path.getsize("study.png") > 0
        True
        """
        from matplotlib.backends.backend_agg import FigureCanvasAgg
        from matplotlib.figure import Figure

        figure = Figure(figsize=(6.4, 4.8), dpi=100)
        FigureCanvasAgg(figure)
        axes = figure.add_subplot()
        cells = self.table["cells"].to_numpy(dtype=float)
        curves = {
            "cp_l2": ("Cp, L2 (area-weighted RMS)", "o-"),
            "cp_linf": ("Cp, L∞ (largest)", "s-"),
            "am_max": ("added mass, largest relative error", "^-"),
            "m11": ("added mass m11", "v--"),
            "m33": ("added mass m33", "<--"),
            "m55": ("added mass m55", ">--"),
        }
        curves |= {
            f"{mode}_l2": (f"φ{mode[3:]} ({motion}), L2", style)
            for mode, motion, style in zip(MODES, "uvwpqr", ["o:", "s:", "^:", "v-.", "<-.", ">-."])
            if f"{mode}_l2" in self.table
        }
        for column, (label, style) in curves.items():
            values = self.table[column].to_numpy(dtype=float)
            if np.any(np.isfinite(values)):
                axes.loglog(cells, values, style, label=label)
        _slope_guides(axes, cells)
        axes.set_xlabel("number of cells")
        axes.set_ylabel("error")
        axes.set_title(title or "Error against the exact solution")
        axes.grid(True, which="both", alpha=0.3)
        # The six modes' curves besides the others: two narrower columns.
        crowded = len(axes.get_lines()) > 8
        axes.legend(fontsize="x-small" if crowded else "small", ncol=2 if crowded else 1)
        figure.tight_layout()
        if path is not None:
            kind = Path(path).suffix.lstrip(".").lower()
            if kind not in figure.canvas.get_supported_filetypes():
                raise ReferenceDataError(
                    f"{path}: a figure is written as .png, .svg or .pdf, not {kind or 'no suffix'}"
                )
            with written_whole(path) as partial:
                figure.savefig(partial, format=kind)
        return figure


def compare(meshes, results, lamda=None, **on_mesh_options):
    """Errors of a peer code's results on a series of meshes, and their observed orders.

    Parameters
    ----------
    meshes : sequence
        The meshes, coarse to fine: anything `on_mesh` takes (a `mesh.Mesh`,
        a `meshio.Mesh`, (points, cells) arrays, a file), or MeshReference
        objects already made by `on_mesh` (then the body and stream
        arguments are not needed for them).
    results : sequence
        One entry per mesh: per-cell Cp (a CSV file with columns `cell`
        (from 0, the mesh's order) and `Cp`, a DataFrame with those columns,
        or an array in cell order), or a dict with any of the keys "cp",
        "added_mass" (a 6 × 6 array, a JSON file as `ellipsoid-flow-cli
        inertia` writes it, or a text/CSV file of six rows of six numbers,
        about the mesh's origin, density 1, the mesh's length unit) and
        "phi" (the potentials of the six unit motions, rotations about the
        mesh's origin: a CSV file with columns `cell`, `phi1` … `phi6`, or
        an (cells, 6) array in cell order; only for a body given by its
        axes), or None.
    lamda, **on_mesh_options
        Those of `on_mesh` (lamda, and by keyword the body, stream, pose,
        tolerance and format), for the meshes given as meshes or files.

    Returns
    -------
    Comparison

    Raises
    ------
    ReferenceDataError
        No meshes, a count of results other than of meshes, peer results
        that cannot be read or do not match their mesh, mode potentials for
        a body not given by its axes, and what `on_mesh` raises it for.
    mesh.MeshError, OSError, ValueError
        As `on_mesh` raises them.

    Examples
    --------
    >>> from ellipsoid_flow import mesh, reference
    >>> meshes = [mesh.spheroid(0.2, n, 2 * n) for n in (8, 16, 32)]
    >>> exact = [reference.on_mesh(m, lamda=0.2) for m in meshes]
    >>> peer = [e.cells["Cp"].to_numpy() + 1.0 / len(e.cells) for e in exact]  # errors as 1/cells
    >>> study = reference.compare(exact, peer)
    >>> study.table["order_cp_linf"].round(1).tolist()[1:]
    [2.0, 2.0]
    """
    references = _references(meshes, results, lamda, on_mesh_options)
    radiation = all(MODES[0] in exact.cells for exact in references)
    couplings = _couplings(references) if radiation else []
    rows, matrices = [], []
    for number, (exact, result) in enumerate(zip(references, results)):
        row, errors = _row(number, exact, result, radiation, couplings)
        rows.append(row)
        matrices.append(errors)
    return Comparison(_with_orders(rows), matrices, references)


def _references(meshes, results, lamda, on_mesh_options):
    """The exact values on each mesh, given or made by `on_mesh`, one per result."""
    meshes, results = list(meshes), list(results)
    if not meshes:
        raise ReferenceDataError("compare needs at least one mesh")
    if len(meshes) != len(results):
        raise ReferenceDataError(
            f"{len(meshes)} meshes but {len(results)} results; give one result per mesh"
        )
    return [
        item
        if isinstance(item, MeshReference)
        else on_mesh(item, lamda, **on_mesh_options)
        for item in meshes
    ]


def _row(number, exact, result, radiation, couplings):
    """The table's row of mesh `number`, and its 6 × 6 relative added-mass errors (or None)."""
    cp, added_mass, potentials = _parts(result, number)
    row = {
        "mesh": number,
        "cells": len(exact.mesh),
        "h": float(np.sqrt(exact.cells["area"].sum() / len(exact.mesh))),
    }
    row |= _cp_errors(exact, cp, number)
    errors = _added_mass_errors(exact.added_mass, added_mass, number)
    row["am_max"] = np.nan if errors is None else float(np.max(errors))
    row |= {
        name: np.nan if errors is None else float(errors[k, k]) for k, name in enumerate(DIAGONAL)
    }
    if radiation:
        row |= _mode_errors(exact, potentials, number)
        row |= {
            f"m{k + 1}{l + 1}": np.nan if errors is None else float(errors[k, l])
            for k, l in couplings
        }
    elif potentials is not None:
        raise ReferenceDataError(
            f"results of mesh {number}: mode potentials are compared only for a body "
            "given by its axes"
        )
    return row, errors


def _with_orders(rows):
    """The rows as a table, each error column followed at the end by its observed orders."""
    import pandas

    table = pandas.DataFrame(rows)
    for column in [name for name in table.columns if name not in NOT_ERRORS]:
        table[f"order_{column}"] = _observed_orders(
            table["h"].to_numpy(), table[column].to_numpy(dtype=float)
        )
    return table


def _parts(result, number):
    """The Cp, added-mass and mode-potential parts of mesh `number`'s result, None if not given."""
    if result is None:
        return None, None, None
    if isinstance(result, dict):
        unknown = set(result) - {"cp", "added_mass", "phi"}
        if unknown:
            raise ReferenceDataError(
                f"results of mesh {number}: unknown keys {sorted(unknown)}; use 'cp', "
                "'added_mass' and 'phi'"
            )
        return result.get("cp"), result.get("added_mass"), result.get("phi")
    return result, None, None


def _cp_errors(exact, cp, number):
    """The table's Cp columns for one mesh: L2 and largest error, and where the largest is."""
    if cp is None:
        return {"cp_l2": np.nan, "cp_linf": np.nan, "cp_linf_cell": -1}
    peer = read_cp(cp, len(exact.mesh), f"results of mesh {number}")
    difference = peer - exact.cells["Cp"].to_numpy()
    area = exact.cells["area"].to_numpy()
    worst = int(np.argmax(np.abs(difference)))
    return {
        "cp_l2": float(np.sqrt(np.sum(area * difference**2) / np.sum(area))),
        "cp_linf": float(abs(difference[worst])),
        "cp_linf_cell": worst,
    }


def _mode_errors(exact, potentials, number):
    """The table's mode-potential columns for one mesh: each mode's L2 and largest error."""
    if potentials is None:
        return {f"{mode}_{norm}": np.nan for mode in MODES for norm in ("l2", "linf")}
    peer = read_mode_potentials(potentials, len(exact.mesh), f"results of mesh {number}")
    difference = peer - exact.cells[MODES].to_numpy()
    area = exact.cells["area"].to_numpy()
    l2 = np.sqrt(area @ difference**2 / np.sum(area))
    linf = np.max(np.abs(difference), axis=0)
    return {f"{mode}_l2": float(l2[k]) for k, mode in enumerate(MODES)} | {
        f"{mode}_linf": float(linf[k]) for k, mode in enumerate(MODES)
    }


def _couplings(references):
    """The entries (k, l), k < l, of the exact added mass not zero by symmetry on any mesh."""
    nonzero = np.any([~_zero_by_symmetry(exact.added_mass) for exact in references], axis=0)
    return [(k, l) for k in range(6) for l in range(k + 1, 6) if nonzero[k, l]]


def _block_scale(exact):
    """√(Dₖ Dₗ) for each entry (k, l): Dₖ the largest exact diagonal entry of k's block."""
    diagonal = np.abs(np.diag(exact))
    largest = np.array([diagonal[:3].max()] * 3 + [diagonal[3:].max()] * 3)
    return np.sqrt(np.outer(largest, largest))


def _zero_by_symmetry(exact):
    """Whether each exact entry is zero by symmetry: closed forms give those as rounding noise."""
    return np.abs(exact) <= ZERO_BY_SYMMETRY * _block_scale(exact)


def _added_mass_errors(exact, peer, number):
    """The 6 × 6 relative errors of the peer's added mass, or None without it."""
    if peer is None:
        return None
    peer = read_added_mass(peer, f"added mass of mesh {number}")
    scale = np.where(_zero_by_symmetry(exact), _block_scale(exact), np.abs(exact))
    return np.abs(peer - exact) / scale


def _observed_orders(h, errors):
    """Each mesh's observed order from the one before; NaN for the first and where undefined."""
    orders = np.full(len(h), np.nan)
    ratio_h = h[:-1] / h[1:]
    usable = np.flatnonzero((errors[:-1] > 0) & (errors[1:] > 0) & (ratio_h != 1.0))
    orders[usable + 1] = np.log(errors[usable] / errors[usable + 1]) / np.log(ratio_h[usable])
    return orders


def _slope_guides(axes, cells):
    """Dotted lines of first and second order (error ∝ h ∝ cells^-1/2, and h²)."""
    if len(cells) < 2:
        return
    limits = axes.get_ylim()
    span = np.array([cells.min(), cells.max()])
    anchor = np.sqrt(limits[0] * limits[1])
    for order, label, style in ((1, "first order, ∝ h", "k:"), (2, "second order, ∝ h²", "k-.")):
        axes.loglog(span, anchor * (span / span[0]) ** (-order / 2), style, lw=0.8, label=label)
