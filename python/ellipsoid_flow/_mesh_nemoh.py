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

from ._surface_mesh import MeshError
from ._mesh_panels import mesh_from_panels


def write_nemoh(mesh, stream):
    stream.write(f"2 {int(mesh.half)}\n")
    for number, point in enumerate(mesh.points, start=1):
        stream.write(f"{number} {point[0]!r} {point[1]!r} {point[2]!r}\n")
    stream.write("0 0. 0. 0.\n")
    for cell in mesh.cells + 1:
        stream.write(f"{cell[0]} {cell[1]} {cell[2]} {cell[3]}\n")
    stream.write("0 0 0 0\n")


def read_nemoh(stream, name):
    lines = iter(enumerate(stream, start=1))
    number, first = next(lines, (1, ""))
    head = first.split()
    if len(head) != 2 or head[0] != "2" or head[1] not in ("0", "1"):
        raise MeshError(
            f"{name}, line 1: expected '2 0' or '2 1' (symmetry flag), found {first.strip()!r}"
        )
    vertices = {}
    for number, line in lines:
        fields = _numbers(line, 4, name, number)
        if fields[0] == 0:
            break
        vertices[int(fields[0])] = fields[1:]
    panels = []
    for number, line in lines:
        fields = _numbers(line, 4, name, number)
        if not any(fields):
            break
        unknown = [v for v in fields if v not in vertices]
        if unknown:
            raise MeshError(
                f"{name}, line {number}: panel refers to vertex {unknown[0]:g}, "
                "which the file does not define"
            )
        panels.append([vertices[v] for v in fields])
    if not panels:
        raise MeshError(f"{name}: the mesh has no cells")
    return mesh_from_panels(np.array(panels), half=head[1] == "1", name=name)


def _numbers(line, count, name, number):
    fields = line.split()
    try:
        values = [float(field) for field in fields[:count]]
    except ValueError:
        values = []
    if len(values) != count:
        raise MeshError(f"{name}, line {number}: expected {count} numbers, found {line.strip()!r}")
    return values
