# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Reading and writing meshes in the formats panel and boundary-element codes read."""

import os
import sys
from pathlib import Path

import numpy as np

from .._atomic_file import written_whole
from .._errors import MeshError
from ._gdf import read_gdf, write_gdf
from ._nemoh import read_nemoh, write_nemoh
from ._surface import Mesh

# Format name -> meshio's name; None for the formats written here.
FORMATS = {
    "stl": "stl",
    "gmsh": "gmsh",
    "gmsh22": "gmsh22",
    "vtk": "vtk",
    "vtu": "vtu",
    "obj": "obj",
    "gdf": None,
    "nemoh": None,
}
_BY_SUFFIX = {
    ".stl": "stl",
    ".msh": "gmsh",
    ".vtk": "vtk",
    ".vtu": "vtu",
    ".obj": "obj",
    ".gdf": "gdf",
    ".dat": "nemoh",
}
_OWN = {"gdf": (read_gdf, write_gdf), "nemoh": (read_nemoh, write_nemoh)}


def format_of(path, format=None):
    """The format name for `path`: `format` if given, else from the suffix.

    Parameters
    ----------
    path : str or os.PathLike
        The mesh file.
    format : str, optional
        A key of FORMATS.

    Returns
    -------
    str
        A key of FORMATS.

    Raises
    ------
    MeshError
        `format` is not a key of FORMATS, or, without it, the suffix is not
        one this package knows.
    """
    name = format or _BY_SUFFIX.get(Path(path).suffix.lower())
    if name not in FORMATS:
        known = ", ".join(f"{s} ({f})" for s, f in _BY_SUFFIX.items())
        raise MeshError(
            f"{path}: unknown mesh format {format or Path(path).suffix!r}; "
            f"give format= one of {', '.join(FORMATS)}, or a file ending in {known}"
        )
    return name


def read(path, format=None):
    """The mesh in `path` (STL, Gmsh .msh 2.2 or 4.1, VTK, VTU, OBJ, GDF, Nemoh).

    Triangles and quadrilaterals are the cells, in file order; points and
    lines that some formats add (Gmsh's model edges) are left out, and
    volume cells are an error. A Gmsh or VTK file says nothing of symmetry,
    so such a mesh is a whole body.

    Parameters
    ----------
    path : str or os.PathLike
        The mesh file; coordinates are taken in its own length unit.
    format : str, optional
        A key of FORMATS; by default from the suffix (.stl, .msh, .vtk,
        .vtu, .obj, .gdf, .dat for Nemoh).

    Returns
    -------
    Mesh

    Raises
    ------
    MeshError
        An unknown format, a file the format's reader cannot read, volume
        cells, no cells, or cells that are not cells (see `Mesh`); the
        message starts with the path.
    FileNotFoundError, OSError
        The file cannot be opened.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> mesh.write(mesh.spheroid(0.2, 6, 8), "body.gdf")
    >>> mesh.read("body.gdf")
    Mesh(42 vertices, 16 triangles, 32 quadrilaterals)
    """
    name = format_of(path, format)
    try:
        if name in _OWN:
            # Any byte decodes: a header in another code's language reads, and a
            # binary file fails on its numbers with the line named.
            with open(path, encoding="latin-1") as stream:
                return _OWN[name][0](stream, str(path))
        return _from_meshio(_read_meshio(path, name), path)
    except MeshError as error:
        if str(error).startswith(str(path)):
            raise
        raise MeshError(f"{path}: {error}") from None


def _read_meshio(path, name):
    """The meshio.Mesh in `path`, read by format `name`'s own reader; MeshError if unreadable."""
    import meshio

    if not Path(path).is_file():
        raise FileNotFoundError(f"{path}: no such file")
    # The format's own reader: meshio.read ends the process on a file it cannot read.
    reader = {
        "stl": meshio.stl,
        "gmsh": meshio.gmsh,
        "gmsh22": meshio.gmsh,
        "vtk": meshio.vtk,
        "vtu": meshio.vtu,
        "obj": meshio.obj,
    }[name].read
    try:
        return reader(str(path))
    except Exception as error:
        raise MeshError(
            f"{path}: not a readable {name} mesh ({str(error) or type(error).__name__})"
        ) from None


def write(mesh, path, format=None, cell_data=None):
    """Writes `mesh` to `path`; the file appears under its name only once complete.

    Coordinates are written to the last bit (text as the shortest exact
    decimal, binary as doubles), in the mesh's own length unit.

    Parameters
    ----------
    mesh : Mesh
        The mesh to write.
    path : str or os.PathLike
        The file; an existing one is replaced only once the new one is complete.
    format : str, optional
        As for `read`; .msh is written as Gmsh 4.1, format="gmsh22" gives 2.2.
    cell_data : dict, optional
        {name: (M,) or (M, k) array} of values per cell, for the meshio
        formats (VTU opens in ParaView with them as cell data).

    Raises
    ------
    MeshError
        An unknown format, STL for a mesh with quadrilaterals, or cell data
        for GDF or Nemoh.
    OSError
        The file cannot be written; `path` then keeps what it held.

    Examples
    --------
    >>> from ellipsoid_flow import mesh
    >>> body = mesh.spheroid(0.2, 6, 8)
    >>> mesh.write(body, "body.vtu", cell_data={"cell": np.arange(len(body))})
    >>> len(mesh.read("body.vtu")) == len(body)
    True
    """
    name = format_of(path, format)
    path = Path(path)
    if name == "stl" and not np.all(mesh.is_triangle):
        raise MeshError(f"{path}: STL holds triangles only; make the mesh with cells='tri'")
    with written_whole(path) as partial:
        if name in _OWN:
            if cell_data:
                raise MeshError(f"{path}: {name} files hold no cell data; write VTU or VTK")
            with open(partial, "w", encoding="ascii") as stream:
                _OWN[name][1](mesh, stream)
        else:
            _write_meshio(mesh, partial, FORMATS[name], cell_data or {})


def _blocks(mesh):
    """Runs of consecutive triangles or quadrilaterals, as meshio's cell blocks."""
    triangle = mesh.is_triangle
    starts = np.flatnonzero(np.r_[True, triangle[1:] != triangle[:-1]])
    ends = np.r_[starts[1:], len(triangle)]
    return [
        ("triangle", mesh.cells[s:e, :3]) if triangle[s] else ("quad", mesh.cells[s:e])
        for s, e in zip(starts, ends)
    ]


def _write_meshio(mesh, path, format, values):
    """Writes `mesh` with meshio in its `format`, cell values `values` as cell data."""
    import meshio

    blocks = _blocks(mesh)
    sizes = np.cumsum([len(cells) for _, cells in blocks])[:-1]
    options = {}
    cell_data = {name: np.split(np.asarray(value), sizes) for name, value in values.items()}
    point_data = {}
    if format.startswith("gmsh"):
        # Each run of cells a model surface of its own, holding the vertices
        # it uses first, so that Gmsh and meshio keep the cells' order.
        cell_data |= {
            "gmsh:physical": [np.ones(len(c), int) for _, c in blocks],
            "gmsh:geometrical": [np.full(len(c), k + 1) for k, (_, c) in enumerate(blocks)],
        }
        point_data = {"gmsh:dim_tags": _surface_of_first_use(mesh, blocks)}
        options = {"binary": False, "float_fmt": ".17g"}
    elif format == "stl":
        options = {"binary": False}
    data = meshio.Mesh(mesh.points, blocks, point_data=point_data, cell_data=cell_data)
    meshio.write(path, data, file_format=format, **options)


def _surface_of_first_use(mesh, blocks):
    """Gmsh's (dimension, tag) of each vertex: the surface of the first block that uses it."""
    tags = np.zeros(len(mesh.points), dtype=int)
    for k, (_, cells) in reversed(list(enumerate(blocks))):
        tags[cells.ravel()] = k + 1
    return np.column_stack([np.full(len(tags), 2), np.where(tags == 0, 1, tags)])


def _from_meshio(data, path):
    """The Mesh of a meshio.Mesh's triangles and quadrilaterals; MeshError for other cells."""
    surface = []
    for block in data.cells:
        if block.type in ("triangle", "quad"):
            cells = (
                block.data
                if block.type == "quad"
                else np.column_stack([block.data, block.data[:, 2]])
            )
            surface.append(cells)
    # Points and lines (model edges, a second-order mesh's line3) are left out;
    # the cells of two and three dimensions other than these two are refused.
    refused = [b.type for b in data.cells if b.dim >= 2 and b.type not in ("triangle", "quad")]
    if refused:
        raise MeshError(
            f"{path}: holds {' and '.join(dict.fromkeys(refused))} cells; give a surface mesh "
            "of triangles and quadrilaterals"
        )
    if not surface:
        raise MeshError(f"{path}: the mesh has no cells (no triangles or quadrilaterals)")
    return Mesh(data.points, np.vstack(surface))


def as_mesh(source, format=None):
    """A Mesh from a Mesh, a meshio.Mesh, (points, cells) arrays or a file `read` reads.

    Parameters
    ----------
    source : Mesh, meshio.Mesh, (points, cells) or str or os.PathLike
        The mesh, as `Mesh` takes arrays, or its file.
    format : str, optional
        For a file, as for `read`.

    Returns
    -------
    Mesh

    Raises
    ------
    MeshError, OSError
        As `Mesh` and `read` raise them; MeshError also for a tuple or list
        that is not two arrays, and for anything else that is not a path.
    """
    if isinstance(source, Mesh):
        return source
    if isinstance(source, (tuple, list)):
        if len(source) != 2:
            raise MeshError(
                f"a mesh given as arrays must be the pair (points, cells), not {len(source)} items"
            )
        return Mesh(*source)
    meshio = sys.modules.get("meshio")  # without it imported, nothing is a meshio.Mesh
    if meshio is not None and isinstance(source, meshio.Mesh):
        return _from_meshio(source, "the meshio mesh")
    if not isinstance(source, (str, os.PathLike)):
        raise MeshError(
            "expected a mesh.Mesh, a meshio.Mesh, (points, cells) arrays or a mesh file's "
            f"path, not {type(source).__name__}"
        )
    return read(source, format)
