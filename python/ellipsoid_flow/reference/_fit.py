# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""How well a mesh fits a spheroid, and the points of the exact surface under its cells.

The spheroid x²/a² + (y² + z²)/b² = 1 is centred at the origin of the
coordinates passed here; callers subtract the body's centre first.
"""

from dataclasses import dataclass

import numpy as np

from .._errors import ReferenceDataError

# Bisection halves the bracket of the foot point's parameter; 200 halvings
# take any bracket of a body below 1E+10 long to the last bit of a double.
_HALVINGS = 200


@dataclass(frozen=True)
class Shape:
    """Semi-axes of the spheroid: a along the axis x, b across it (metres, or the mesh's unit)."""

    a: float
    b: float

    @property
    def length(self):
        return 2.0 * self.a

    def describe(self):
        return f"the spheroid a = {self.a:.6g}, b = {self.b:.6g} (λ = {self.b / self.a:.6g})"


def surface_distance(shape, points):
    """Distance of each point from the spheroid's surface, exact to rounding.

    The nearest surface point lies in the meridian plane through the point,
    so the problem is that of a point and an ellipse; its foot point follows
    from the root of a monotone function, bracketed and bisected (Eberly,
    "Distance from a point to an ellipse, an ellipsoid, or a hyperellipsoid",
    2013).

    Parameters
    ----------
    shape : Shape
    points : (N, 3) float array
        Relative to the body's centre, in the unit of `shape`.

    Returns
    -------
    (N,) float array
        Distances, in the unit of `shape`, whether the point is inside or outside.
    """
    u = np.abs(points[:, 0])
    v = np.hypot(points[:, 1], points[:, 2])
    if shape.a >= shape.b:
        return _ellipse_distance(shape.a, shape.b, u, v)
    return _ellipse_distance(shape.b, shape.a, v, u)


def _ellipse_distance(e0, e1, y0, y1):
    """Distance of (y0, y1) >= 0 from the ellipse with semi-axes e0 >= e1 > 0."""
    z0, z1 = y0 / e0, y1 / e1
    g = z0 * z0 + z1 * z1 - 1.0
    # Points on an axis take the special forms below; keep them out of the bisection's divisions.
    on_axis = (y0 == 0.0) | (y1 == 0.0)
    z0, z1 = np.where(on_axis, 1.0, z0), np.where(on_axis, 1.0, z1)
    r0 = (e0 / e1) ** 2
    low = z1 - 1.0
    high = np.where(g < 0.0, 0.0, np.hypot(r0 * z0, z1) - 1.0)
    for _ in range(_HALVINGS):
        s = 0.5 * (low + high)
        value = (r0 * z0 / (s + r0)) ** 2 + (z1 / (s + 1.0)) ** 2 - 1.0
        low, high = np.where(value > 0.0, s, low), np.where(value > 0.0, high, s)
    s = 0.5 * (low + high)
    general = np.hypot(r0 * y0 / (s + r0) - y0, y1 / (s + 1.0) - y1)

    # On the axes the general form divides by zero or loses the branch.
    on_minor_axis = np.abs(y1 - e1)
    x0_over_e0 = np.minimum(e0 * y0 / (e0 * e0 - e1 * e1), 1.0) if e0 > e1 else np.ones_like(y0)
    on_major_axis = np.where(
        e0 * y0 < e0 * e0 - e1 * e1,
        np.hypot(e0 * x0_over_e0 - y0, e1 * np.sqrt(np.maximum(1.0 - x0_over_e0**2, 0.0))),
        np.abs(y0 - e0),
    )
    return np.where(
        g == 0.0,
        0.0,
        np.where(y1 == 0.0, on_major_axis, np.where(y0 == 0.0, on_minor_axis, general)),
    )


def check_fit(shape, points, centre, tolerance):
    """The largest distance of a vertex from the surface per body length; raises beyond tolerance.

    Parameters
    ----------
    shape : Shape
    points : (N, 3) float array
        The vertices, in the mesh's coordinates.
    centre : (3,) float array
        The body's centre in the mesh's coordinates.
    tolerance : float
        The largest distance allowed, over the body's length.

    Returns
    -------
    float
        The largest distance over the body's length.

    Raises
    ------
    ReferenceDataError
        A vertex lies further than allowed: the worst named, with its distance.
    """
    distance = surface_distance(shape, points - centre) / shape.length
    worst = int(np.argmax(distance))
    if not distance[worst] <= tolerance:
        where = ", ".join(f"{c:.6g}" for c in points[worst])
        raise ReferenceDataError(
            f"the mesh does not fit {shape.describe()}: vertex {worst} at ({where}) lies "
            f"{distance[worst] * shape.length:.3g} from its surface, {distance[worst]:.3g} of the "
            f"body's length (tolerance {tolerance:g}); check the body's size, thickness ratio and "
            "centre, and that its axis lies along x"
        )
    return float(distance[worst])


def check_outward(shape, centroids, normals):
    """Raises unless every cell's normal points out of the body.

    Parameters
    ----------
    shape : Shape
    centroids : (M, 3) float array
        Relative to the body's centre.
    normals : (M, 3) float array
        The cells' unit normals.

    Raises
    ------
    ReferenceDataError
        Some or all cells face inwards (the first ten named).
    """
    outward_direction = centroids / np.array([shape.a**2, shape.b**2, shape.b**2])
    inward = np.flatnonzero(np.einsum("ij,ij->i", outward_direction, normals) <= 0.0)
    if inward.size == len(normals):
        raise ReferenceDataError(
            f"all {len(normals)} cells have inward normals; list each cell's vertices the other "
            "way round (counter-clockwise seen from outside the body)"
        )
    if inward.size:
        listed = ", ".join(str(i) for i in inward[:10]) + (
            f" and {inward.size - 10} more" if inward.size > 10 else ""
        )
        raise ReferenceDataError(
            f"{inward.size} of {len(normals)} cells have inward normals: cells {listed}; list "
            "their vertices the other way round (counter-clockwise seen from outside the body)"
        )


def onto_surface(shape, centroids, normals):
    """Each centroid moved along its cell's normal onto the surface, and the signed distance.

    Parameters
    ----------
    shape : Shape
    centroids : (M, 3) float array
        Relative to the body's centre, in the unit of `shape`.
    normals : (M, 3) float array
        The cells' outward unit normals.

    Returns
    -------
    points : (M, 3) float array
        On the surface, relative to the body's centre.
    step : (M,) float array
        How far each centroid moved, positive outwards.
    """
    scale = np.array([1.0 / shape.a**2, 1.0 / shape.b**2, 1.0 / shape.b**2])
    quadratic = np.einsum("ij,ij->i", normals * scale, normals)
    linear = np.einsum("ij,ij->i", centroids * scale, normals)
    constant = np.einsum("ij,ij->i", centroids * scale, centroids) - 1.0
    # The root nearer the centroid, in the form that keeps its digits.
    step = -constant / (
        linear + np.copysign(np.sqrt(linear * linear - quadratic * constant), linear)
    )
    return centroids + step[:, None] * normals, step
