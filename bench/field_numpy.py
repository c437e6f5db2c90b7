#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The peer of the field benchmark: the exact flow about a prolate spheroid
at an array of points, in NumPy, as a user would write it from the equations
of docs/mathematics.md (closed forms, one logarithm a point).

    /usr/bin/python3 bench/field_numpy.py POINTS REPEATS

Prints the processor seconds of each of REPEATS evaluations over the same POINTS points
(those of bench/field_benchmark.cpp), then the sum of Cu as a check that both
compute the same flow.
"""
import sys
import time

import numpy as np


def points(n):
    """A golden-angle spiral of directions at radii 0.55 to 3: all off the body."""
    i = np.arange(n, dtype=np.float64)
    u = (i + 0.5) / n
    axial = 1 - 2 * u
    across = np.sqrt(1 - axial * axial)
    phi = i * 2.399963229728653
    radius = 0.55 + 2.45 * np.modf(i * 0.6180339887498949)[0]
    return radius * axial, radius * across * np.cos(phi), radius * across * np.sin(phi)


def field(x, y, z, lam, alpha_deg, beta_deg):
    a, b = 0.5, lam / 2
    alpha, beta = np.radians(alpha_deg), np.radians(beta_deg)
    d1, d2, d3 = np.cos(alpha) * np.cos(beta), np.sin(beta), np.sin(alpha) * np.cos(beta)
    c = np.sqrt(a * a - b * b)
    e0 = c / a
    alpha0 = 2 * (1 - e0 * e0) / e0**3 * (np.arctanh(e0) - e0)
    beta0 = 1 - alpha0 / 2
    fa, fb = 1 / (2 - alpha0), 1 / (2 - beta0)

    x2 = x * x
    r2 = y * y + z * z
    p = x2 + r2 - a * a - b * b
    q = b * b * x2 + a * a * r2 - a * a * b * b
    root = np.sqrt((x2 - r2 - c * c) ** 2 + 4 * x2 * r2)
    s = np.where(p >= 0, (p + root) / 2, 2 * q / (root - p))
    A = a * a + s
    B = b * b + s
    sA = np.sqrt(A)
    e = c / sA
    L = np.log((sA + c) / np.sqrt(B))
    k = a * b * b / c**3
    Ia = 2 * k * (L - e)
    Ib = k * (e * A / B - L)
    dIa = -a * b * b / (A * sA * B)
    dIb = -a * b * b / (sA * B * B)
    axial = 1 + fa * Ia
    transverse = 1 + fb * Ib
    cross = d2 * y + d3 * z
    D = fa * d1 * x * dIa + fb * cross * dIb
    xA, yB, zB = x / A, y / B, z / B
    g = 2 * D / (xA * xA + yB * yB + zB * zB)
    u = d1 * axial + g * xA
    v = d2 * transverse + g * yB
    w = d3 * transverse + g * zB
    potential = d1 * x * axial + cross * transverse
    cu = u * u + v * v + w * w
    return potential, u, v, w, cu, 1 - cu


def main():
    n, repeats = int(sys.argv[1]), int(sys.argv[2])
    x, y, z = points(n)
    field(x, y, z, 0.2, 20, 10)  # warm up
    for _ in range(repeats):
        start = time.process_time()
        result = field(x, y, z, 0.2, 20, 10)
        print(time.process_time() - start)
    print(repr(float(np.sum(result[4]))))


if __name__ == "__main__":
    main()
