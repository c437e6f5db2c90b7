# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""How well a mesh fits a spheroid or ellipsoid, and the points of the exact surface under its cells.

The body x²/a² + y²/b² + z²/c² = 1 is centred at the origin of the
coordinates passed here, its axes along theirs; callers take the points into
the body's frame first.
"""

from dataclasses import dataclass

import numpy as np

from .._errors import ReferenceDataError

# Bisection halves the bracket of the foot point's parameter; 200 halvings
# take any bracket of a body below 1E+10 long to the last bit of a double.
_HALVINGS = 200


@dataclass(frozen=True)
class Shape:
    """Semi-axes of the body (metres, or the mesh's unit).

    a along x, b along y and c along z; without c the spheroid of axis x,
    c = b, whose length is 2a. An ellipsoid's length is its longest diameter.
    """

    a: float
    b: float
    c: float = None

    @property
    def axes(self):
        """(a, b, c) as an array; c = b for the spheroid."""
        return np.array([self.a, self.b, self.b if self.c is None else self.c])

    @property
    def length(self):
        return 2.0 * (self.a if self.c is None else max(self.a, self.b, self.c))

    def describe(self):
        if self.c is None:
            return f"the spheroid a = {self.a:.6g}, b = {self.b:.6g} (λ = {self.b / self.a:.6g})"
        return f"the ellipsoid a = {self.a:.6g}, b = {self.b:.6g}, c = {self.c:.6g}"

    def pose_hint(self):
        """What to check when the mesh does not fit."""
        if self.c is None:
            return "check the body's size, thickness ratio and centre, and that its axis lies along x"
        return "check the body's axes, centre and rotation"


def surface_distance(shape, points):
    """Distance of each point from the body's surface, exact to rounding.

    The foot point follows from the root of a monotone function of the
    Lagrange multiplier, bracketed and bisected; a point on a plane of
    symmetry, whose foot may lie off it, and a point on the smallest axis
    take their closed forms (Eberly, "Distance from a point to an ellipse,
    an ellipsoid, or a hyperellipsoid", 2013). A spheroid's nearest surface
    point lies in the meridian plane through the point: the problem of a
    point and an ellipse.

    Parameters
    ----------
    shape : Shape
    points : (N, 3) float array
        In the body's frame, relative to its centre, in the unit of `shape`.

    Returns
    -------
    (N,) float array
        Distances, in the unit of `shape`, whether the point is inside or outside.
    """
    if shape.c is None:
        axes = np.array([shape.a, shape.b])
        points = np.column_stack([points[:, 0], np.hypot(points[:, 1], points[:, 2])])
    else:
        axes = shape.axes
    order = np.argsort(-axes, kind="stable")
    return _distance(axes[order], np.abs(points[:, order]))


def _distance(e, y):
    """Distance of the points y >= 0 (K, n) from the ellipsoid of semi-axes e[0] >= … >= e[-1]."""
    if len(e) == 1:
        return np.abs(y[:, 0] - e[0])
    out = np.empty(len(y))
    in_plane = y[:, -1] == 0.0
    # On the smallest axis the foot is that axis' end.
    on_axis = ~in_plane & np.all(y[:, :-1] == 0.0, axis=1)
    out[on_axis] = np.abs(y[on_axis, -1] - e[-1])
    general = ~in_plane & ~on_axis
    out[general] = _distance_by_root(e, y[general])
    flat = y[in_plane]
    off, distance_off = _foot_off_plane(e, flat)
    flat_distance = np.empty(len(flat))
    flat_distance[off] = distance_off[off]
    # A foot in the plane: the same problem one dimension down.
    flat_distance[~off] = _distance(e[:-1], flat[~off][:, :-1])
    out[in_plane] = flat_distance
    return out


def _distance_by_root(e, y):
    """Distance for points off the plane of the smallest axis (y[:, -1] > 0).

    With s the multiplier over e[-1]², the foot is x_i = r_i y_i / (s + r_i),
    r_i = (e_i / e[-1])², where Σ (x_i / e_i)² = 1: a function falling from
    +∞ at s = -1, so bisection in its bracket finds the one root.
    """
    z = y / e
    r = (e / e[-1]) ** 2
    g = np.sum(z * z, axis=1) - 1.0
    low = z[:, -1] - 1.0
    high = np.where(g < 0.0, 0.0, _length(r * z) - 1.0)
    for _ in range(_HALVINGS):
        s = 0.5 * (low + high)
        value = np.sum((r * z / (s[:, None] + r)) ** 2, axis=1) - 1.0
        low, high = np.where(value > 0.0, s, low), np.where(value > 0.0, high, s)
    s = 0.5 * (low + high)
    foot = r * y / (s[:, None] + r)
    return np.where(g == 0.0, 0.0, _length(foot - y))


def _foot_off_plane(e, y):
    """For points on the plane of the smallest axis: whether the foot lies off it, and the distance.

    A point inside, near enough to that plane, has its foot where the
    multiplier is -e[-1]²: x_i = e_i w_i, w_i = e_i y_i / (e_i² − e[-1]²),
    and x_n = e[-1] √(1 − Σ w_i²), when that is real.
    """
    spread = e[:-1] ** 2 - e[-1] ** 2
    flat = y[:, :-1]
    possible = np.all((flat == 0.0) | (spread > 0.0), axis=1)
    with np.errstate(divide="ignore", invalid="ignore"):
        w = np.where(flat == 0.0, 0.0, e[:-1] * flat / spread)
    rest = 1.0 - np.sum(w * w, axis=1)
    off = possible & (rest > 0.0)
    distance = np.hypot(_length(e[:-1] * w - flat), e[-1] * np.sqrt(np.where(off, rest, 0.0)))
    return off, distance


def _length(vectors):
    """Euclidean length of each row, by hypot (no overflow or underflow on the way)."""
    length = np.abs(vectors[:, 0])
    for column in vectors.T[1:]:
        length = np.hypot(length, column)
    return length


def check_fit(shape, points, pose, tolerance):
    """The largest distance of a vertex from the surface per body length; raises beyond tolerance.

    Parameters
    ----------
    shape : Shape
    points : (N, 3) float array
        The vertices, in the mesh's coordinates.
    pose : Pose
        The body's centre and axes in the mesh's coordinates.
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
    distance = surface_distance(shape, pose.to_body(points)) / shape.length
    worst = int(np.argmax(distance))
    if not distance[worst] <= tolerance:
        where = ", ".join(f"{c:.6g}" for c in points[worst])
        raise ReferenceDataError(
            f"the mesh does not fit {shape.describe()}: vertex {worst} at ({where}) lies "
            f"{distance[worst] * shape.length:.3g} from its surface, {distance[worst]:.3g} of the "
            f"body's length (tolerance {tolerance:g}); {shape.pose_hint()}"
        )
    return float(distance[worst])


def check_outward(shape, centroids, normals):
    """Raises unless every cell's normal points out of the body.

    Parameters
    ----------
    shape : Shape
    centroids : (M, 3) float array
        In the body's frame, relative to its centre.
    normals : (M, 3) float array
        The cells' unit normals, in the body's frame.

    Raises
    ------
    ReferenceDataError
        Some or all cells face inwards (the first ten named).
    """
    outward_direction = centroids / shape.axes**2
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
        In the body's frame, relative to its centre, in the unit of `shape`.
    normals : (M, 3) float array
        The cells' outward unit normals, in the body's frame.

    Returns
    -------
    points : (M, 3) float array
        On the surface, in the body's frame relative to its centre.
    step : (M,) float array
        How far each centroid moved, positive outwards.
    """
    scale = 1.0 / shape.axes**2
    quadratic = np.einsum("ij,ij->i", normals * scale, normals)
    linear = np.einsum("ij,ij->i", centroids * scale, normals)
    constant = np.einsum("ij,ij->i", centroids * scale, centroids) - 1.0
    # The root nearer the centroid, in the form that keeps its digits.
    step = -constant / (
        linear + np.copysign(np.sqrt(linear * linear - quadratic * constant), linear)
    )
    return centroids + step[:, None] * normals, step
