# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Cp over the whole surface of a spheroid, unwrapped: the axial position x
against the circumferential angle, for lamda = 0.2, alpha = 10, beta = 5, with
the stagnation points and the suction peak marked.

    python3 examples/surface_cp.py [FIGURE.png]

It writes the figure to FIGURE.png, by default python-surface-cp.png in the
current folder. It needs ellipsoid_flow, NumPy and matplotlib.
"""

import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

import ellipsoid_flow as ef


def around(points):
    """Axial position and circumferential angle (degrees, -180 ... 180) of body points."""
    return points[..., 0], np.degrees(np.arctan2(points[..., 2], points[..., 1]))


def main(figure: Path) -> None:
    flow = ef.Spheroid(0.2).flow(alpha=10, beta=5)
    FI = np.linspace(0, 180, 361)  # eccentric angle: 0 at the tail (x = +0.5), 180 at the nose
    # Round the axis: 0 towards +y (the side, in the plane of beta), 90 towards +z (the plane
    # of alpha).
    theta = np.linspace(-180, 180, 361)
    surface = flow.surface(FI[:, np.newaxis], theta[np.newaxis, :])
    x = surface.position[..., 0]

    fig, ax = plt.subplots(figsize=(8, 5), layout="constrained")
    mesh = ax.pcolormesh(x, np.broadcast_to(theta, x.shape), surface.Cp, cmap="RdBu_r",
                         shading="gouraud")
    fig.colorbar(mesh, ax=ax, label="Cp")
    ax.contour(x, np.broadcast_to(theta, x.shape), surface.Cp, levels=12, colors="k",
               linewidths=0.4)

    peak_x, peak_theta = around(flow.cp_min_curve(np.linspace(0, 2 * np.pi, 721)))
    order = np.argsort(peak_theta)
    ax.plot(peak_x[order], peak_theta[order], "--", color="gold", lw=1.8,
            label=f"suction peak, Cp = {flow.cp_min:.4f}")
    for point, name, marker in zip(flow.stagnation_points, ("front", "rear"), ("o", "s")):
        px, ptheta = around(point)
        ax.plot(px, ptheta, marker, ms=9, mfc="yellow", mec="k",
                label=f"{name} stagnation point")

    ax.set_xlabel("x (body length 1, nose at -0.5)")
    ax.set_ylabel("angle round the axis (degrees)")
    ax.set_yticks(range(-180, 181, 45))
    ax.set_title("Surface pressure, lamda = 0.2, alpha = 10 deg, beta = 5 deg")
    ax.legend(loc="upper center", bbox_to_anchor=(0.5, -0.13), fontsize=8, ncols=3)
    fig.savefig(figure, dpi=110)


if __name__ == "__main__":
    main(Path(sys.argv[1] if len(sys.argv) > 1 else "python-surface-cp.png"))
