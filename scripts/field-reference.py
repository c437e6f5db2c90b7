#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""Writes the reference table of the flow off the body that tests/spheroid
checks against: the potential and the velocity at points around bodies from
the needle to the disc, to 25 digits, from mpmath.

    /usr/bin/python3 scripts/field-reference.py > tests/spheroid/field.tsv

Independent of the library's formulas for the field: the confocal integrals
I_a(s) and I_b(s) come from a quadrature of their definition
(Lamb, Hydrodynamics, §114), the confocal parameter s from the quadratic it
solves, and the velocity from numerical differentiation of the potential
    Phi = d1 x (1 + I_a(s) / (2 - alpha0)) + (d2 y + d3 z)(1 + I_b(s) / (2 - beta0)),
all at 40 digits. Bodies have the axis length 2a = 1. Needs python3-mpmath.
"""
import mpmath as mp

mp.mp.dps = 40


def integrals(a, b, s):
    """I_a(s), I_b(s) = a b^2 int_s^inf dt / ((a^2 + t or b^2 + t) Delta(t))."""
    def delta(t):
        return mp.sqrt((a * a + t) * (b * b + t) ** 2)
    # t = s + (1 - u) / u maps (0, 1] onto [s, inf).
    def over(f):
        return mp.quad(lambda u: f(s + (1 - u) / u) / (u * u), [0, mp.mpf(1) / 2, 1])
    ia = a * b * b * over(lambda t: 1 / ((a * a + t) * delta(t)))
    ib = a * b * b * over(lambda t: 1 / ((b * b + t) * delta(t)))
    return ia, ib


def parameter(a, b, x, y, z):
    r2 = y * y + z * z
    p = x * x + r2 - a * a - b * b
    q = b * b * x * x + a * a * r2 - a * a * b * b
    return (p + mp.sqrt(p * p + 4 * q)) / 2


def flow(lam, alpha_deg, beta_deg):
    a, b = mp.mpf(1) / 2, mp.mpf(lam) / 2
    alpha0, beta0 = integrals(a, b, 0)
    al, be = mp.radians(alpha_deg), mp.radians(beta_deg)
    d = (mp.cos(al) * mp.cos(be), mp.sin(be), mp.sin(al) * mp.cos(be))

    def phi(x, y, z):
        ia, ib = integrals(a, b, parameter(a, b, x, y, z))
        return (d[0] * x * (1 + ia / (2 - alpha0))
                + (d[1] * y + d[2] * z) * (1 + ib / (2 - beta0)))
    return a, b, phi


def main():
    print("# SPDX" "-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>")
    print("# SPDX" "-License-Identifier: MIT")
    print("# The flow about the body of thickness ratio lambda (2a = 1) at angles alpha,")
    print("# beta (degrees) at point x, y, z: potential and velocity to 25 digits, made")
    print("# by scripts/field-reference.py with mpmath.")
    print("# lambda\talpha\tbeta\tx\ty\tz\tphi\tu\tv\tw")
    bodies = [(0.01, 20, 0), (0.2, 20, 10), (0.9, -35, 60), (1 - 1e-9, 30, 0), (1.0, 20, 10),
              (1.5, 15, -20), (10.0, 40, 30), (1000.0, 10, 5)]
    # Points at eccentric angle fi and angle theta round, pushed out from the
    # surface by a factor 1 + h from the centre.
    stations = [(0.3, 0.9, 1e-3), (1.2, 2.5, 0.05), (2.0, 4.0, 0.5), (2.8, 5.5, 3.0),
                (1.0, 1.0, 30.0)]
    for lam, alpha, beta in bodies:
        a, b, phi = flow(lam, alpha, beta)
        for fi, theta, h in stations:
            scale = 1 + mp.mpf(h)
            p = [float(a * mp.cos(fi) * scale), float(b * mp.sin(fi) * mp.cos(theta) * scale),
                 float(b * mp.sin(fi) * mp.sin(theta) * scale)]
            x, y, z = (mp.mpf(c) for c in p)
            step = mp.mpf(10) ** -12 * max(a, b)
            gradient = [mp.diff(lambda t: phi(x + t, y, z), 0, h=step),
                        mp.diff(lambda t: phi(x, y + t, z), 0, h=step),
                        mp.diff(lambda t: phi(x, y, z + t), 0, h=step)]
            values = [phi(x, y, z)] + gradient
            print("\t".join([repr(lam), repr(float(alpha)), repr(float(beta))]
                            + [repr(c) for c in p] + [mp.nstr(v, 25) for v in values]))


main()
