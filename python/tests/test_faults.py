# SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
# SPDX-License-Identifier: MIT
"""The module under calls meant to break it: each case names what it must
give, an error of a given kind or values checked by an independent method."""

import json
from dataclasses import dataclass

import mpmath
import numpy as np
import pytest

import ellipsoid_flow as ef


@dataclass
class Raises:
    kind: type
    text: str


def added_mass_in_mpmath(body, about, rho):
    """Tᵀ diag(k1 m, k2 m, k2 m, 0, k' J, k' J) T in mpmath, whose exponents have no bound."""
    m = mpmath.mpf(rho) * body.volume
    J = m * (mpmath.mpf(body.a) ** 2 + mpmath.mpf(body.b) ** 2) / 5
    x, y, z = map(mpmath.mpf, about)
    T = mpmath.eye(6)
    T[0:3, 3:6] = mpmath.matrix([[0, -z, y], [z, 0, -x], [-y, x, 0]])
    centre = mpmath.diag([body.k1 * m, body.k2 * m, body.k2 * m, 0, body.k_prime * J,
                          body.k_prime * J])
    return np.array((T.T * centre * T).tolist(), dtype=float)


def munk_moment_in_mpmath(flow, rho, speed, length):
    """ρ U² V (k2 − k1) d₁ (0, d₃, −d₂), V of the body `length` long."""
    body, d = flow.spheroid, [mpmath.mpf(c) for c in flow.stream]
    scale = mpmath.mpf(rho) * mpmath.mpf(speed) ** 2 * body.volume * mpmath.mpf(length) ** 3
    return np.array([0, scale * (body.k2 - body.k1) * d[0] * d[2],
                     -scale * (body.k2 - body.k1) * d[0] * d[1]], dtype=float)


SLENDER = ef.Spheroid(0.2)
SHIP = ef.Spheroid(a=40.0, b=5.0)  # Spheroid(0.125) 80 m long

FAULTS = [
    # inertia: dimensional results, in range or an OverflowError naming them
    pytest.param(lambda: SLENDER.added_mass(rho=1e300, length=1e50),
                 Raises(OverflowError, r"added-mass entry M11 is about 1.24E\+447.*density 1e\+300"),
                 id="added mass beyond a double"),
    pytest.param(lambda: SLENDER.added_mass(about=(1e160, 0, 0), rho=1e-300),
                 lambda: added_mass_in_mpmath(SLENDER, (1e160, 0, 0), 1e-300),
                 id="lever arm squared beyond a double"),
    pytest.param(lambda: SLENDER.added_mass(about=(3e150, -1e149, 2e-200), rho=1e-290, length=7),
                 lambda: added_mass_in_mpmath(ef.Spheroid(a=3.5, b=0.7), (3e150, -1e149, 2e-200),
                                              1e-290),
                 id="lever arms far apart"),
    pytest.param(lambda: SLENDER.flow(10, 0).munk_moment(rho=1e300, speed=1e200),
                 Raises(OverflowError, "Munk moment y component is about 2.99E"),
                 id="Munk moment beyond a double"),
    pytest.param(lambda: SLENDER.flow(0, 0).munk_moment(rho=1e300, speed=1e200),
                 lambda: np.zeros(3), id="no Munk moment along the axis"),
    pytest.param(lambda: SLENDER.flow(20, 30).munk_moment(rho=1e-300, speed=1e170, length=3),
                 lambda: munk_moment_in_mpmath(SLENDER.flow(20, 30), 1e-300, 1e170, 3),
                 id="speed squared beyond a double"),
    pytest.param(lambda: ef.Spheroid(0.125).added_mass(about=(-5, 0, 0), rho=1025, length=80),
                 lambda: added_mass_in_mpmath(SHIP, (-5, 0, 0), 1025),
                 id="reference point in metres"),
]


@pytest.mark.parametrize("call, expected", FAULTS)
def test_fault(call, expected):
    if isinstance(expected, Raises):
        with pytest.raises(expected.kind, match=expected.text):
            call()
    else:
        np.testing.assert_allclose(call(), expected(), rtol=1e-14, atol=0)


def test_the_command_line_and_the_module_give_one_inertia(cli):
    """The same dimensional inputs, --about and about both in metres."""
    done = cli("inertia", "--lambda", "1/8", "--about", "-5,2,1", "--rho", "1025", "--length",
               "80", "--alpha", "5", "--beta", "3", "--speed", "7.5")
    given = json.loads(done.stdout)
    body = ef.Spheroid(0.125)
    np.testing.assert_array_equal(given["added_mass"],
                                  body.added_mass(about=(-5, 2, 1), rho=1025, length=80))
    np.testing.assert_array_equal(given["munk_moment"],
                                  body.flow(5, 3).munk_moment(rho=1025, speed=7.5, length=80))
