# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""A first-order constant-source panel method, written for the worked examples panel_convergence.py
and radiation_convergence.py.

DEMONSTRATION ONLY. This is not part of Ellipsoid Flow and not a feature of
it: it stands for "your code", the peer whose results the reference data
check. It reads a Gmsh triangle mesh the way such a code would (meshio), and
uses nothing of the ellipsoid_flow package.

The method (Hess and Smith, "Calculation of potential flow about arbitrary
bodies", Prog. Aerospace Sci. 8, 1967): flat triangular panels, each carrying
a source of constant strength σ per unit area; the disturbance potential is

    φ(x) = −Σⱼ σⱼ ∫ dA / (4π |x − y|)   over panel j,

collocated at the panel centroids with the Neumann condition there:
∂φ/∂n = −d · n for the stream d, and the normal of the motion for each of
the six unit rigid-body motions (the radiation problem: each motion's
potential on every panel, and the added mass). A panel's own normal
velocity is σ/2 (the jump across a source sheet).
Near panels act by the closed forms of a flat source triangle, far ones as
point sources at their centroids. First order: the flat panels and the
constant strength leave errors that fall as the panel size.

Units: the mesh's lengths, unit stream speed, density 1. It needs NumPy and meshio.
"""

import numpy as np

FOUR_PI = 4.0 * np.pi
# Panels whose centroid lies within this many panel radii of the point are
# integrated exactly, farther ones as a point source at the centroid.
NEAR_FIELD = 5.0
ROWS_PER_BLOCK = 256


def read_triangles(path):
    """Vertices (N, 3) and triangles (M, 3) of the surface cells of a Gmsh file."""
    import meshio

    data = meshio.gmsh.read(path)
    triangles = [block.data for block in data.cells if block.type == "triangle"]
    if not triangles:
        raise ValueError(f"{path}: no triangles; this demonstration handles triangle meshes only")
    return np.asarray(data.points[:, :3], dtype=float), np.vstack(triangles)


class Panels:
    """Flat triangular panels: corners (M, 3, 3), centroids, areas, unit normals, radii."""

    def __init__(self, points, triangles):
        self.corners = points[triangles]
        self.centroids = self.corners.mean(axis=1)
        cross = np.cross(
            self.corners[:, 1] - self.corners[:, 0], self.corners[:, 2] - self.corners[:, 0]
        )
        twice_area = np.linalg.norm(cross, axis=1)
        self.areas = 0.5 * twice_area
        self.normals = cross / twice_area[:, None]
        self.radii = np.linalg.norm(self.corners - self.centroids[:, None], axis=2).max(axis=1)

    def __len__(self):
        return len(self.areas)

    def rigid_body_normals(self):
        """(M, 6): the normal and centroid × normal, the Neumann values of the six unit motions."""
        return np.hstack([self.normals, np.cross(self.centroids, self.normals)])


def solve(panels, stream):
    """Surface Cp (M,) in the unit stream `stream` and the 6 × 6 added mass about the origin."""
    normal_influence, potential_influence = _influence_matrices(panels)
    neumann = np.column_stack([-panels.normals @ stream, panels.rigid_body_normals()])
    strengths = np.linalg.solve(normal_influence, neumann)
    _, added_mass = _mode_results(panels, potential_influence, strengths[:, 1:])
    return _surface_cp(panels, stream, strengths[:, 0]), added_mass


def radiation(panels):
    """The six unit motions: potentials (M, 6) at the centroids, 6 × 6 added mass about the origin.

    Motions u, v, w along the axes and p, q, r about the axes through the
    origin; the potentials are the disturbance's, vanishing far away.
    """
    normal_influence, potential_influence = _influence_matrices(panels)
    strengths = np.linalg.solve(normal_influence, panels.rigid_body_normals())
    return _mode_results(panels, potential_influence, strengths)


def _influence_matrices(panels):
    """(M, M) normal velocity and potential at each centroid of a unit source on each panel."""
    normal_influence = np.empty((len(panels), len(panels)))
    potential_influence = np.empty((len(panels), len(panels)))
    for rows in _blocks(len(panels)):
        velocity, potential = _influence(panels, rows)
        normal_influence[rows] = np.einsum("tsk,tk->ts", velocity, panels.normals[rows])
        potential_influence[rows] = potential
    return normal_influence, potential_influence


def _mode_results(panels, potential_influence, strengths):
    """The modes' potentials (M, 6) from their source strengths, and the added mass."""
    potentials = potential_influence @ strengths
    # m_jk = −ρ ∫ φ_k ∂φ_j/∂n dA over the body, n out of the body.
    added_mass = -(panels.rigid_body_normals() * panels.areas[:, None]).T @ potentials
    return potentials, added_mass


def _surface_cp(panels, stream, strengths):
    """Cp = 1 − |tangential velocity|² at the centroids, the stream plus the sources."""
    surface_velocity = np.empty((len(panels), 3))
    for rows in _blocks(len(panels)):
        velocity, _ = _influence(panels, rows)
        surface_velocity[rows] = stream + np.einsum("tsk,s->tk", velocity, strengths)
    normal_part = np.einsum("ik,ik->i", surface_velocity, panels.normals)
    tangential = surface_velocity - normal_part[:, None] * panels.normals
    return 1.0 - np.einsum("ik,ik->i", tangential, tangential)


def _blocks(count):
    return [
        slice(start, min(start + ROWS_PER_BLOCK, count))
        for start in range(0, count, ROWS_PER_BLOCK)
    ]


def _influence(panels, rows):
    """Velocity (T, M, 3) and potential (T, M) of unit sources on every panel at centroids `rows`."""
    targets = panels.centroids[rows]
    offsets = targets[:, None, :] - panels.centroids[None, :, :]
    distance = np.linalg.norm(offsets, axis=2)
    own = np.arange(len(panels))[rows]
    distance[np.arange(len(own)), own] = np.inf
    # Far panels as point sources at their centroids.
    velocity = panels.areas[None, :, None] * offsets / (FOUR_PI * distance[:, :, None] ** 3)
    potential = -panels.areas[None, :] / (FOUR_PI * distance)

    target, source = np.nonzero(distance < NEAR_FIELD * panels.radii[None, :])
    edge_sum, solid_angle, distance_sum, height = _triangle_integrals(
        panels.corners[source], panels.normals[source], targets[target]
    )
    velocity[target, source] = (edge_sum + solid_angle[:, None] * panels.normals[source]) / FOUR_PI
    potential[target, source] = -(distance_sum - height * solid_angle) / FOUR_PI

    # A panel on itself: the limit from the fluid side, normal velocity 1/2.
    edge_sum, _, distance_sum, _ = _triangle_integrals(
        panels.corners[own], panels.normals[own], targets
    )
    velocity[np.arange(len(own)), own] = edge_sum / FOUR_PI + 0.5 * panels.normals[own]
    potential[np.arange(len(own)), own] = -distance_sum / FOUR_PI
    return velocity, potential


def _triangle_integrals(corners, normals, points):
    """The closed forms of a flat triangle with unit source density seen from a point.

    With I = ∫ dA / |y − p| over the triangle (Newman, "Distributions of
    sources and normal dipoles over a quadrilateral panel", J. Eng. Math. 20,
    1986):
        I  = Σₑ dₑ Lₑ − z Ω,      ∇ₚI = −Σₑ νₑ Lₑ − n Ω,
    over the edges e: νₑ the edge's outward normal in the panel's plane, dₑ
    the distance of p's projection inside that edge's line, Lₑ =
    ln((r₁ + r₂ + ℓ) / (r₁ + r₂ − ℓ)) from the distances r₁, r₂ of p to the
    edge's ends and its length ℓ; z the height of p above the panel along n
    and Ω the solid angle the panel subtends at p, signed as z (van Oosterom
    and Strackee, IEEE Trans. Biomed. Eng. 30, 1983).
    Returns Σ νₑ Lₑ (P, 3), Ω (P,), Σ dₑ Lₑ (P,) and z (P,).
    """
    edge_sum = np.zeros_like(points)
    distance_sum = np.zeros(len(points))
    arms = corners - points[:, None, :]
    reach = np.linalg.norm(arms, axis=2)
    for k in range(3):
        start, end = arms[:, k], arms[:, (k + 1) % 3]
        length = np.linalg.norm(end - start, axis=1)
        outward = np.cross((end - start) / length[:, None], normals)
        r1, r2 = reach[:, k], reach[:, (k + 1) % 3]
        log_term = np.log((r1 + r2 + length) / (r1 + r2 - length))
        edge_sum += outward * log_term[:, None]
        distance_sum += np.einsum("ik,ik->i", start, outward) * log_term
    triple = np.einsum("ik,ik->i", arms[:, 0], np.cross(arms[:, 1], arms[:, 2]))
    denominator = (
        reach[:, 0] * reach[:, 1] * reach[:, 2]
        + np.einsum("ik,ik->i", arms[:, 0], arms[:, 1]) * reach[:, 2]
        + np.einsum("ik,ik->i", arms[:, 0], arms[:, 2]) * reach[:, 1]
        + np.einsum("ik,ik->i", arms[:, 1], arms[:, 2]) * reach[:, 0]
    )
    solid_angle = -2.0 * np.arctan2(triple, denominator)
    height = -np.einsum("ik,ik->i", arms[:, 0], normals)
    return edge_sum, solid_angle, distance_sum, height
