# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The mesh file Nemoh's pre-processor reads.

Layout, whitespace-separated:

    2 ISYM               2, then 1 when the body is mirrored in y = 0 (0 otherwise)
    n x y z              one line a vertex, numbered from 1
    0 0. 0. 0.           end of the vertices
    i1 i2 i3 i4          one line a panel: its vertex numbers, counter-clockwise
                         seen from the fluid; a triangle repeats a vertex
    0 0 0 0              end of the panels
"""

import numpy as np

from .._errors import MeshError
from .._user_text import is_number, quoted
from ._panels import mesh_from_panels


def write_nemoh(mesh, stream):
    """Writes `mesh` as a Nemoh mesh file, each coordinate to the last bit.

    Vertices are numbered from 1 in the mesh's order; ISYM is 1 for a half
    mesh.

    Parameters
    ----------
    mesh : Mesh
        The mesh; coordinates in its own length unit, written unscaled.
    stream : text file
        The Nemoh file, open for writing.
    """
    stream.write(f"2 {int(mesh.half)}\n")
    for number, point in enumerate(mesh.points, start=1):
        stream.write(f"{number} {point[0]!r} {point[1]!r} {point[2]!r}\n")
    stream.write("0 0. 0. 0.\n")
    for cell in mesh.cells + 1:
        stream.write(f"{cell[0]} {cell[1]} {cell[2]} {cell[3]}\n")
    stream.write("0 0 0 0\n")


def read_nemoh(stream, name):
    """The mesh in a Nemoh mesh file.

    Parameters
    ----------
    stream : text file
        The Nemoh file, open for reading.
    name : str
        The file's name, which messages quote.

    Returns
    -------
    Mesh
        The panels in file order; vertices of equal coordinates merged and
        numbered in the order the panels first use them; `half` when ISYM is 1.

    Raises
    ------
    MeshError
        A first line other than "2 0" or "2 1", a line that is not four
        numbers, a vertex number that is not whole or is defined twice, a
        coordinate that is not finite, a panel naming an undefined vertex, no
        panels, or panels that do not make cells; the message names the file
        and the line.
    """
    lines = iter(enumerate(stream, start=1))
    number, first = next(lines, (1, ""))
    head = first.split()
    if len(head) != 2 or head[0] != "2" or head[1] not in ("0", "1"):
        raise MeshError(
            f"{name}, line 1: expected '2 0' or '2 1' (symmetry flag), "
            f"found {quoted(first.strip())}"
        )
    vertices = _vertices(lines, name)
    panels = []
    for number, line in lines:
        fields = [_vertex_number(f, line, name, number) for f in _fields(line, name, number)]
        if not any(fields):
            break
        unknown = [v for v in fields if v not in vertices]
        if unknown:
            raise MeshError(
                f"{name}, line {number}: panel refers to vertex {unknown[0]}, "
                "which the file does not define"
            )
        panels.append([vertices[v] for v in fields])
    if not panels:
        raise MeshError(f"{name}: the mesh has no cells")
    return mesh_from_panels(np.array(panels), half=head[1] == "1", name=name)


def _vertices(lines, name):
    """Vertex number -> coordinates, from the lines up to the one numbered 0."""
    vertices, defined_on = {}, {}
    for number, line in lines:
        fields = _fields(line, name, number)
        vertex = _vertex_number(fields[0], line, name, number)
        if vertex == 0:
            return vertices
        if vertex in defined_on:
            raise MeshError(
                f"{name}, line {number}: vertex {vertex} is defined again (first on line "
                f"{defined_on[vertex]}); expected each vertex number once"
            )
        coordinates = [float(field) for field in fields[1:]]
        if not np.all(np.isfinite(coordinates)):
            raise MeshError(
                f"{name}, line {number}: expected three finite coordinates, "
                f"found {quoted(line.strip())}"
            )
        vertices[vertex], defined_on[vertex] = coordinates, number
    return vertices


def _fields(line, name, number):
    """The first four fields of a line, each of which reads as a number."""
    fields = line.split()[:4]
    if len(fields) != 4 or not all(map(is_number, fields)):
        raise MeshError(f"{name}, line {number}: expected 4 numbers, found {quoted(line.strip())}")
    return fields


def _vertex_number(field, line, name, number):
    """The vertex number `field` of line `number`: a whole number from 0; else MeshError."""
    value = float(field)
    if not (np.isfinite(value) and value == round(value) and value >= 0):
        raise MeshError(
            f"{name}, line {number}: expected a vertex number (a whole number from 1, "
            f"0 ending the list), found {quoted(field)} in {quoted(line.strip())}"
        )
    return int(value)
