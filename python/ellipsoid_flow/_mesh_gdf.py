# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""WAMIT's geometric data file (GDF), low-order form.

Layout, free format after the first line:

    any header text                      line 1
    ULEN GRAV                            length scale, gravity (written 1 and 9.80665)
    ISX ISY                              1 when the body is mirrored in x = 0 / y = 0
    NPAN                                 number of panels
    x1 y1 z1 x2 y2 z2 x3 y3 z3 x4 y4 z4  NPAN times, one vertex a line as written here

The vertices of a panel run counter-clockwise seen from the fluid; a triangle
repeats a vertex. The file holds no vertex numbers: reading merges vertices of
equal coordinates, numbered in the order the panels first use them.
"""

import numpy as np

from ._surface_mesh import MeshError
from ._mesh_panels import mesh_from_panels


def write_gdf(mesh, stream):
    stream.write("Ellipsoid Flow mesh, low-order panels\n")
    stream.write("1.0 9.80665   ULEN GRAV\n")
    stream.write(f"0 {int(mesh.half)}   ISX ISY\n")
    stream.write(f"{len(mesh)}   NPAN\n")
    for corner in mesh.points[mesh.cells].reshape(-1, 3):
        stream.write(f"{corner[0]!r} {corner[1]!r} {corner[2]!r}\n")


def read_gdf(stream, name):
    stream.readline()
    head = [stream.readline().split() for _ in range(3)]
    try:
        isx, isy, count = int(head[1][0]), int(head[1][1]), int(head[2][0])
        float(head[0][0]), float(head[0][1])
    except (IndexError, ValueError):
        raise MeshError(
            f"{name}: lines 2 to 4 must give ULEN GRAV, ISX ISY and the number of panels"
        ) from None
    if isx != 0:
        raise MeshError(
            f"{name}: a body mirrored in x = 0 (ISX = 1) is not supported; give the whole body"
        )
    numbers = stream.read().split()
    if count < 1 or len(numbers) < 12 * count:
        raise MeshError(
            f"{name}: {count} panels need {12 * count} coordinates, the file has {len(numbers)}"
        )
    try:
        corners = np.array(numbers[: 12 * count], dtype=float).reshape(count, 4, 3)
    except ValueError:
        raise MeshError(f"{name}: a panel coordinate is not a number") from None
    return mesh_from_panels(corners, half=isy == 1, name=name)
