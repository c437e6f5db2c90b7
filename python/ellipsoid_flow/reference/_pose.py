# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Where the body sits in the mesh's frame, and its six modes of motion seen from that frame."""

from dataclasses import dataclass

import numpy as np


@dataclass(frozen=True)
class Pose:
    """The body's centre and axes in the mesh's coordinates.

    Attributes
    ----------
    centre : (3,) float array
        The body's centre, in the mesh's unit.
    rotation : (3, 3) float array or None
        Its columns the body's x, y, z axes in the mesh's frame: a proper
        rotation (the caller checks it), so body = rotationᵀ (mesh − centre).
        None: the axes are the mesh's, and vectors pass unchanged (to the
        last bit, as the spheroid's tables have always had them).
    """

    centre: np.ndarray
    rotation: np.ndarray

    def to_body(self, points):
        """Points (N, 3) in the mesh's coordinates, in the body's frame about its centre."""
        return self.to_body_axes(points - self.centre)

    def to_body_axes(self, vectors):
        """Vectors (N, 3) given along the mesh's axes, along the body's."""
        return vectors if self.rotation is None else vectors @ self.rotation

    def to_mesh(self, points):
        """Points (N, 3) in the body's frame about its centre, in the mesh's coordinates."""
        return self.turn(points) + self.centre

    def turn(self, vectors):
        """Vectors (N, 3) given along the body's axes, along the mesh's."""
        return vectors if self.rotation is None else vectors @ self.rotation.T

    def modes_to_mesh(self, modes):
        """Six-mode rows (N, 6) of the body's frame about its centre, in the mesh's frame.

        The modes of the mesh's frame are translations along its axes and
        rotations about its origin. A translation along a mesh axis is a
        combination of the body's translations (the rotation's rows); a unit
        rotation ω about the mesh's origin is the same rotation about the
        body's centre together with the translation ω × centre. So, with
        T = [[R, 0], [[centre]× R, R]], the mesh's modes are T times the
        body's: this holds for mode potentials and for generalized normals
        (n, r × n) alike.
        """
        turned = self.turn(modes[:, :3])
        return np.hstack([turned, self.turn(modes[:, 3:]) + np.cross(self.centre, turned)])
