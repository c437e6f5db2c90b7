# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The inertia coefficients k1 (along the axis), k2 (across it) and k'
(rotation about an equatorial axis) against the thickness ratio lamda from
0.05 (slender) through the sphere (1) to 20 (a thin disc).

    python3 examples/inertia_coefficients.py [FIGURE.png]

It writes the figure to FIGURE.png, by default python-inertia.png in the
current folder. It needs ellipsoid_flow, NumPy and matplotlib.
"""

import sys
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt
import numpy as np

import ellipsoid_flow as ef


def main(figure: Path) -> None:
    lamdas = np.geomspace(0.05, 20, 400)
    bodies = [ef.Spheroid(lamda) for lamda in lamdas]
    fig, ax = plt.subplots(figsize=(7, 4.5), layout="constrained")
    for name, label in (("k1", "k1, along the axis"), ("k2", "k2, across the axis"),
                        ("k_prime", "k', rotation about an equatorial axis")):
        ax.plot(lamdas, [getattr(b, name) for b in bodies], label=label)
    ax.axvline(1, color="0.6", lw=0.8, ls=":")
    ax.text(1.05, 1.5e-3, "sphere", color="0.4")
    ax.set_xscale("log")
    ax.set_yscale("log")  # k' vanishes at the sphere: the dip
    ax.set_ylim(1e-3, 20)
    ax.set_xlabel("thickness ratio lamda = b / a (< 1 prolate, > 1 oblate)")
    ax.set_ylabel("inertia coefficient")
    ax.set_title("Added-mass coefficients of a spheroid")
    ax.grid(True, which="both", alpha=0.3)
    ax.legend()
    fig.savefig(figure, dpi=110)


if __name__ == "__main__":
    main(Path(sys.argv[1] if len(sys.argv) > 1 else "python-inertia.png"))
