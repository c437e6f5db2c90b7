#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Writes the reference table of the spheroid shape integrals alpha0 and beta0
that tests/spheroid checks against: 30 significant digits, from mpmath.

    /usr/bin/python3 scripts/shape-integrals-reference.py > tests/spheroid/shape_integrals.tsv

Each value comes from the closed form (a logarithm for the prolate, an arc
tangent for the oblate) at 80 digits, which leaves more than 30 even where the
form cancels most (1 - 1E-12); each is checked against a quadrature of the
definition, alpha0 = 2 lambda^2 int_0^1 u^2 / (1 + x u^2) du and
beta0 = 2 lambda^2 int_0^1 u^2 / (1 + x u^2)^2 du, x = lambda^2 - 1, where
the quadrature converges. Needs Debian's python3-mpmath.
"""
import mpmath as mp

mp.mp.dps = 80


def closed_form(lam):
    lam = mp.mpf(lam)  # the double exactly
    if lam == 1:
        return mp.mpf(2) / 3, mp.mpf(2) / 3
    if lam < 1:
        e = mp.sqrt(1 - lam**2)
        L = mp.atanh(e)
        alpha = 2 * lam**2 * (L - e) / e**3
    else:
        k = mp.sqrt(lam**2 - 1)
        alpha = 2 * lam**2 * (k - mp.atan(k)) / k**3
    return alpha, 1 - alpha / 2


def quadrature(lam):
    lam = mp.mpf(lam)
    x = lam**2 - 1
    with mp.workdps(40):
        a = 2 * lam**2 * mp.quad(lambda u: u**2 / (1 + x * u**2), [0, 1])
        b = 2 * lam**2 * mp.quad(lambda u: u**2 / (1 + x * u**2) ** 2, [0, 1])
    return a, b


def ratios():
    values = set()
    for k in range(-240, 241):  # forty a decade, 1E-6 to 1E6
        values.add(float(mp.mpf(10) ** (mp.mpf(k) / 40)))
    for d in (1e-12, 1e-10, 1e-8, 1e-6, 1e-4, 1e-3, 1e-2, 0.05, 0.1, 0.2, 0.3, 0.4):
        values.add(1 - d)
        values.add(1 + d)
    values.update((0.5, 0.6, 0.7, 0.75, 0.95, 0.975, 0.99, 2.5, 3.0, 7.0))
    # Either side of where the series give way to the closed forms.
    for edge in (0.2**0.5, 5**0.5):
        for step in range(-10, 11):
            values.add(edge * (1 + step * 1e-3))
    return sorted(values)


def main():
    spdx = "SPDX"  # split, so that licence tools read the tags as the table's, not this file's
    print(f"# {spdx}-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>")
    print(f"# {spdx}-License-Identifier: MIT")
    print("# The shape integrals of the spheroid of thickness ratio lambda to 30 digits,")
    print("# made by scripts/shape-integrals-reference.py with mpmath.")
    print("# lambda\talpha0\tbeta0")
    for lam in ratios():
        alpha, beta = closed_form(lam)
        if 0.01 <= lam <= 100:
            qa, qb = quadrature(lam)
            assert abs(qa - alpha) < mp.mpf(10) ** -28 * alpha, lam
            assert abs(qb - beta) < mp.mpf(10) ** -28 * beta, lam
        print(f"{lam!r}\t{mp.nstr(alpha, 30)}\t{mp.nstr(beta, 30)}")


main()
