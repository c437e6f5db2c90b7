# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The speed about a spheroid and its streamlines in the plane of the angle
of attack (the x-z plane), for lamda = 0.2 and alpha = 20 degrees; the body is
masked.

    python3 examples/velocity_field.py [FIGURE.png]

It writes the figure to FIGURE.png, by default python-velocity-field.png in the
current folder. It needs ellipsoid_flow, NumPy, SciPy (for the streamlines)
and matplotlib.
"""

import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

import ellipsoid_flow as ef


def main(figure: Path) -> None:
    body = ef.Spheroid(0.2)
    flow = body.flow(alpha=20)
    x, z = np.meshgrid(np.linspace(-1, 1, 801), np.linspace(-0.45, 0.45, 361))
    points = np.stack([x, np.zeros_like(x), z], axis=-1)
    speed = np.linalg.norm(flow.velocity(points, inside="nan"), axis=-1)  # NaN in the body

    fig, ax = plt.subplots(figsize=(9, 4.6), layout="constrained")
    mesh = ax.pcolormesh(x, z, speed, cmap="viridis", shading="auto")
    fig.colorbar(mesh, ax=ax, label="|v| / U")
    # Seeds along the left and the lower edge, where the stream enters the picture.
    seeds = [(-1.0, z0) for z0 in np.linspace(-0.4, 0.4, 17)]
    seeds += [(x0, -0.45) for x0 in np.linspace(-0.85, 0.85, 7)]
    for x0, z0 in seeds:
        line = flow.streamline([x0, 0.0, z0], 3.0)
        ax.plot(line[:, 0], line[:, 2], color="white", lw=0.7)
    FI = np.linspace(0, 2 * np.pi, 400)
    ax.fill(body.a * np.cos(FI), body.b * np.sin(FI), color="0.55", zorder=3)
    for point in flow.stagnation_points:
        ax.plot(point[0], point[2], "o", ms=6, mfc="red", mec="k", zorder=4)
    ax.set_xlim(-1, 1)
    ax.set_ylim(-0.45, 0.45)
    ax.set_aspect("equal")
    ax.set_xlabel("x")
    ax.set_ylabel("z")
    ax.set_title("Speed and streamlines in the plane of alpha, lamda = 0.2, alpha = 20 deg")
    fig.savefig(figure, dpi=110)


if __name__ == "__main__":
    main(Path(sys.argv[1] if len(sys.argv) > 1 else "python-velocity-field.png"))
