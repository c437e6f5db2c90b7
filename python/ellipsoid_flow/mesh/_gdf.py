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

from .._errors import MeshError
from .._user_text import is_number, quoted
from ._panels import mesh_from_panels


def write_gdf(mesh, stream):
    """Writes `mesh` as a low-order GDF file, each coordinate to the last bit.

    ULEN is written 1, GRAV 9.80665, ISX 0, and ISY 1 for a half mesh.

    Parameters
    ----------
    mesh : Mesh
        Its coordinates go out unscaled, in the mesh's own length unit.
    stream : text file
        The GDF file, open for writing.
    """
    stream.write("Ellipsoid Flow mesh, low-order panels\n")
    stream.write("1.0 9.80665   ULEN GRAV\n")
    stream.write(f"0 {int(mesh.half)}   ISX ISY\n")
    stream.write(f"{len(mesh)}   NPAN\n")
    for corner in mesh.points[mesh.cells].reshape(-1, 3):
        stream.write(f"{corner[0]!r} {corner[1]!r} {corner[2]!r}\n")


def read_gdf(stream, name):
    """The mesh in a low-order GDF file.

    Parameters
    ----------
    stream : text file
        Open for reading, lines as the file holds them.
    name : str
        The file's name, for messages.

    Returns
    -------
    Mesh
        Vertices of equal coordinates merged, numbered in the order the
        panels first use them; `half` when ISY is 1. ULEN and GRAV are read
        and checked, not applied.

    Raises
    ------
    MeshError
        A header line that is not as the layout above says, ISX = 1, a
        panel count the coordinates do not match, a coordinate that is not a
        finite number, or panels that do not make cells; the message names
        the file and the line.
    """
    lines = enumerate(stream, start=1)
    next(lines, None)
    _header(lines, name, "ULEN GRAV (two numbers)", 2, np.isfinite)
    isx, isy = _header(lines, name, "ISX ISY (each 0 or 1)", 2, lambda value: value in (0, 1))
    (count,) = _header(lines, name, "the number of panels (a whole number from 1)", 1, _counts)
    if isx != 0:
        raise MeshError(
            f"{name}: a body mirrored in x = 0 (ISX = 1) is not supported; give the whole body"
        )
    numbers = [(field, number) for number, line in lines for field in line.split()]
    if len(numbers) != 12 * count:
        # The line of the first number too many, or the last line of a file too short.
        where = numbers[min(12 * count, len(numbers) - 1)][1] if numbers else 4
        raise MeshError(
            f"{name}, line {where}: {count} panels need {12 * count} coordinates, "
            f"the file has {len(numbers)}"
        )
    corners = [_coordinate(field, name, number) for field, number in numbers]
    return mesh_from_panels(np.reshape(corners, (count, 4, 3)), half=isy == 1, name=name)


def _header(lines, name, expected, count, valid):
    """The `count` numbers a header line starts with, each of them `valid`.

    Raises MeshError, naming the line and what was `expected`, otherwise;
    a whole number comes back as an int.
    """
    number, line = next(lines, (None, ""))
    fields = line.split()[:count]
    values = [float(field) for field in fields if is_number(field)]
    if len(values) != count or not all(valid(value) for value in values):
        where = f"line {number}" if number else "the end of the file"
        raise MeshError(f"{name}, {where}: expected {expected}, found {quoted(line.strip())}")
    return [int(value) if value == round(value) else value for value in values]


def _counts(value):
    """Whether `value` is a panel count: a whole number from 1."""
    return np.isfinite(value) and value == round(value) and value >= 1


def _coordinate(field, name, number):
    """The coordinate `field` of line `number`; MeshError unless a finite number."""
    if not (is_number(field) and np.isfinite(float(field))):
        raise MeshError(
            f"{name}, line {number}: expected a finite panel coordinate, found {quoted(field)}"
        )
    return float(field)
