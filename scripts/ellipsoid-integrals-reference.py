#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Writes the reference tables of the general ellipsoid that tests/ellipsoid
checks against, 30 significant digits from mpmath:

    /usr/bin/python3 scripts/ellipsoid-integrals-reference.py tests/ellipsoid

carlson.tsv: Carlson's R_D(x, y, z) and its slope dR_D/dy, for arguments
from equal to ratios of 1E14 and nearly equal ones (1 part in 1E12).

bodies.tsv: per body of semi-axes a, b, c, the shape integrals A_i, the
inertia coefficients k_i = A_i / (2 - A_i) and k'_i of Lamb, Hydrodynamics,
sec. 115, from Lamb's own forms evaluated at 80 digits, so that their
cancellation near equal axes costs nothing at 30; where two axes are equal,
k'_i of the axis between them is 0; the area
4 pi a b c R_G(1/a^2, 1/b^2, 1/c^2); and the differences dk_i = k_j - k_k,
(i, j, k) cyclic, which the Munk moment goes as. Needs Debian's python3-mpmath.
"""
import sys

import mpmath as mp

mp.mp.dps = 80


def carlson_arguments():
    rows = [(1.0, 1.0, 1.0), (0.0, 1.0, 2.0), (0.0, 1e-3, 1.0), (2.0, 3.0, 4.0)]
    for d in (1e-12, 1e-9, 1e-6, 1e-3, 0.1):
        rows += [(1.0, 1.0 + d, 1.0), (1.0, 1.0, 1.0 + d), (1.0 + d, 1.0 - d, 1.0),
                 (3.0, 1.0 + d, 1.0 - d), (1e-6, 1.0, 1.0 + d)]
    for ratio in (1e2, 1e6, 1e10, 1e12, 1e14):
        rows += [(1.0, ratio, 1.0), (ratio, 1.0, 1.0), (1.0, 1.0, ratio), (1.0, ratio, ratio),
                 (ratio, ratio, 1.0), (1.0, 1.0 / ratio, ratio ** 0.5), (0.5, 2.0, ratio)]
    return rows


def slope(x, y, z):
    with mp.workdps(100):
        return mp.diff(lambda t: mp.elliprd(x, t, z), y)


def write_carlson(out):
    out.write("# x\ty\tz\tRD\tdRD_dy\n")
    for x, y, z in carlson_arguments():
        value = mp.elliprd(x, y, z)
        out.write(f"{x!r}\t{y!r}\t{z!r}\t{mp.nstr(value, 30)}\t{mp.nstr(slope(x, y, z), 30)}\n")


def shape_integrals(axes):
    a, b, c = (mp.mpf(v) for v in axes)
    squares = [a * a, b * b, c * c]
    return [2 * a * b * c / 3 * mp.elliprd(squares[(i + 1) % 3], squares[(i + 2) % 3], squares[i])
            for i in range(3)]


def k_rotation(axes, A):
    """Lamb's k' about axis i: (aj^2 - ak^2)^2 (Ak - Aj) /
    ((aj^2 + ak^2) (2 (aj^2 - ak^2) + (aj^2 + ak^2) (Aj - Ak)))."""
    squares = [mp.mpf(v) ** 2 for v in axes]
    result = []
    for i in range(3):
        j, k = (i + 1) % 3, (i + 2) % 3
        diff, total = squares[j] - squares[k], squares[j] + squares[k]
        if diff == 0:
            result.append(mp.mpf(0))
            continue
        result.append(diff**2 * (A[k] - A[j]) / (total * (2 * diff + total * (A[j] - A[k]))))
    return result


def bodies():
    rows = [(1.0, 1.0, 1.0), (3.0, 2.0, 1.0), (1.0, 2.0, 3.0), (5.0, 1.0, 0.2),
            (1.0, 0.5, 0.5), (0.5, 1.0, 1.0), (1.0, 1e-3, 1e-3), (1.0, 1.0, 1e-3),
            (1.0, 1e-6, 1e-3), (1e3, 1.0, 1e-3), (2.0, 1.0, 2e-6), (1e6, 1.0, 1.0)]
    for d in (1e-9, 1e-7, 1e-4):
        rows += [(1.0, 1.0 + d, 1.0 - d), (3.0, 1.0, 1.0 + d), (1.0 + d, 1.0, 0.25),
                 (1.0, 1.0 + d, 1.0 + 2 * d)]
    return rows


def write_bodies(out):
    out.write("# a\tb\tc\tA1\tA2\tA3\tk1\tk2\tk3\tkr1\tkr2\tkr3\tarea\tdk1\tdk2\tdk3\n")
    for axes in bodies():
        A = shape_integrals(axes)
        k = [A[i] / (2 - A[i]) for i in range(3)]
        a, b, c = (mp.mpf(v) for v in axes)
        area = 4 * mp.pi * a * b * c * mp.elliprg(1 / a**2, 1 / b**2, 1 / c**2)
        differences = [k[(i + 1) % 3] - k[(i + 2) % 3] for i in range(3)]
        values = A + k + k_rotation(axes, A) + [area] + differences
        out.write("\t".join([repr(v) for v in axes] + [mp.nstr(v, 30) for v in values]) + "\n")


def main():
    spdx = "SPDX"  # split, so that licence tools read the tags as the table's, not this file's
    header = (f"# {spdx}-FileCopyrightText: 2026 Ellipsoid Flow developers "
              "<maintainers@ellipsoidflow.org>\n"
              f"# {spdx}-License-Identifier: MIT\n")
    folder = sys.argv[1] if len(sys.argv) > 1 else "tests/ellipsoid"
    for name, what, writer in (("carlson.tsv", "Carlson's R_D and its slope in y", write_carlson),
                               ("bodies.tsv", "shape integrals and inertia coefficients of "
                                "ellipsoids", write_bodies)):
        with open(f"{folder}/{name}", "w", encoding="ascii") as out:
            out.write(header)
            out.write(f"# {what} to 30 digits, made by scripts/ellipsoid-integrals-reference.py "
                      "with mpmath.\n")
            writer(out)


main()
