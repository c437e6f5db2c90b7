// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The constants of the closed-form solution for one run (docs/mathematics.md,
// "Flow coefficients").
//
// The shape integrals of an ellipsoid of revolution with semi-axes 1 along
// the axis and Lamda across it, eccentricity e = E, are
//   alpha0 = (2 (1 - e^2) / e^3) (1/2 ln((1 + e) / (1 - e)) - e),
//   beta0  = 1 / e^2 - ((1 - e^2) / (2 e^3)) ln((1 + e) / (1 - e)) = 1 - alpha0 / 2,
// and the inertia (added-mass) coefficients for motion along and across the
// axis are k1 = alpha0 / (2 - alpha0) and k2 = beta0 / (2 - beta0): Lamb,
// Hydrodynamics, 6th ed. (1932), §373 (the prolate spheroid), with his table
// of k1 and k2 against the ratio of the axes.

#include "flow/run_parameters.h"

namespace solva {

struct FlowCoefficients {
    Real PI;         // 4 arctan 1
    Real NJ;         // column count, a loop limit: 2 NT, or 1 for an axial stream
    Real ALFA, BETA; // angle of attack and yaw angle, radians
    Real E;          // eccentricity of the meridian ellipse, sqrt(1 - Lamda^2)
    Real A0, B0;     // axial and transverse shape integrals alpha0 and beta0, A0 + 2 B0 = 2
    Real K1, K2, K3; // inertia (added-mass) coefficients: axial k1, transverse k2 = K3
    // Unit free-stream direction: along the axis, in the yaw plane (column
    // angle 0), in the pitch plane (angle 90 degrees).
    Real U1, U2, U3;
};

// Every function here fails by throwing RunError, its kind as listed, at the
// step that failed.

// 4 arctan 1, computed at the start of every run. Never fails.
Real computePI();

// The column count: 2 NT, or a single column when the stream runs along the
// axis (both angles within 1E-08 degrees of 0) and the flow is axisymmetric.
// Fails with Overflow when 2 NT is too large for a double (|NT| from about
// 9E+307 on, off the axis).
Real computeNJ(const RunParameters& p);

// The remaining coefficients, from ALFA to U3; PI and NJ must be set. A0 of
// the sphere (Lamda = 1) is its limit 2/3, where the general form is 0/0.
//
// Fails with
//   Overflow              |AlfaD| or |BetaD| above about 5.7E+307, where the
//                         angle times PI is too large for a double; |Lamda|
//                         from about 1.35E+154 on, where Lamda^2 is;
//   SquareRootOfNegative  |Lamda| above 1 (up to about 1.3E+154): E has no value;
//   DivisionByZero        Lamda = 0, or below about 1E-8 in size: 1 - Lamda^2
//                         rounds to 1, so E = 1 and ln((1 + E) / (1 - E)) divides by 0;
//   InvalidOperation      Lamda = -1: E = 0 and the general form is 0/0 (only
//                         +1 is taken as the sphere).
//
// Accuracy: the coefficients are the closed forms evaluated in doubles, to a
// few units in the last place, except just short of the sphere, where the
// shape integral loses digits to rounding: a relative error of about
// 1E-16 / (2 (1 - Lamda))^(3/2), that is 1E-11 at 1 - Lamda = 1E-4, 3E-5 at
// 1E-8 (the report's four decimals can be a unit off) and 9 % at 1E-10
// (docs/validation.md). Lamda = 1 itself is exact.
void computeFlowCoefficients(const RunParameters& p, FlowCoefficients& c);

} // namespace solva
