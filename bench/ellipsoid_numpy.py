#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The ellipsoid's peer of the field benchmark: the exact flow about a 3:2:1
ellipsoid at an array of points, in NumPy and SciPy, as a user would write it
from Lamb's equations (ellipsoid/ellipsoid.h, ellipsoid/flow.h): λ by Newton's
method on whole arrays, the shape integrals by scipy.special.elliprd.

    /usr/bin/python3 bench/ellipsoid_numpy.py POINTS REPEATS

Prints the processor seconds of each of REPEATS evaluations over the same POINTS
points (those of bench/field_benchmark.cpp, as field_numpy.py makes them), then
the sum of Cu as a check that both compute the same flow.
"""
import sys
import time

import numpy as np
from scipy.special import elliprd

from field_numpy import points

AXES = (0.5, 1 / 3, 1 / 6)


def coordinate(x2, squares):
    """λ, the largest root of Σ x_i² / (a_i² + λ) = 1, by Newton's method from
    max(0, r² − a²), left of the root, where the steps rise to it monotonically."""
    lam = np.maximum(0.0, x2[0] + x2[1] + x2[2] - squares[0])
    for _ in range(100):
        F = sum(x2[i] / (squares[i] + lam) for i in range(3))
        G = sum(x2[i] / (squares[i] + lam) ** 2 for i in range(3))
        step = (F - 1) / G
        lam += step
        if np.max(step / (lam + squares[0])) < 1e-16:
            break
    return lam


def field(xyz, axes, alpha_deg, beta_deg):
    squares = [a * a for a in axes]
    abc = axes[0] * axes[1] * axes[2]
    alpha, beta = np.radians(alpha_deg), np.radians(beta_deg)
    d = (np.cos(alpha) * np.cos(beta), np.sin(beta), np.sin(alpha) * np.cos(beta))
    cyclic = [(i, (i + 1) % 3, (i + 2) % 3) for i in range(3)]
    A0 = [2 * abc / 3 * elliprd(squares[j], squares[k], squares[i]) for i, j, k in cyclic]
    factor = [1 / (A0[j] + A0[k]) for i, j, k in cyclic]  # 1 / (2 − A_i(0))

    x2 = [x * x for x in xyz]
    lam = coordinate(x2, squares)
    shifted = [s + lam for s in squares]
    A = [2 * abc / 3 * elliprd(shifted[j], shifted[k], shifted[i]) for i, j, k in cyclic]
    delta = np.sqrt(shifted[0] * shifted[1] * shifted[2])
    # Φ = Σ d_i x_i (1 + A_i(λ) / (2 − A_i(0))); its gradient through λ:
    # ∂Φ/∂λ = Σ d_i x_i A_i′(λ) / (2 − A_i(0)), A_i′ = −a b c / ((a_i² + λ) Δ).
    along = [1 + factor[i] * A[i] for i in range(3)]
    dPhi = sum(-d[i] * xyz[i] * factor[i] * abc / (shifted[i] * delta) for i in range(3))
    ratio = [xyz[i] / shifted[i] for i in range(3)]
    gradient = 2 / (ratio[0] ** 2 + ratio[1] ** 2 + ratio[2] ** 2)  # ∇λ = gradient × ratio
    velocity = [d[i] * along[i] + dPhi * gradient * ratio[i] for i in range(3)]
    potential = sum(d[i] * xyz[i] * along[i] for i in range(3))
    cu = velocity[0] ** 2 + velocity[1] ** 2 + velocity[2] ** 2
    return potential, velocity, cu, 1 - cu


def main():
    n, repeats = int(sys.argv[1]), int(sys.argv[2])
    xyz = points(n)
    field(xyz, AXES, 20, 10)  # warm up
    for _ in range(repeats):
        start = time.process_time()
        result = field(xyz, AXES, 20, 10)
        print(time.process_time() - start)
    print(repr(float(np.sum(result[2]))))


if __name__ == "__main__":
    main()
