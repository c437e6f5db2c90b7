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

// 4 arctan 1, computed at the start of every run.
Real computePI();

// The column count: 2 NT, or a single column when the stream runs along the
// axis (both angles within 1E-08 degrees of 0) and the flow is axisymmetric.
Real computeNJ(const RunParameters& p);

// The remaining coefficients, from ALFA to U3; PI and NJ must be set. A0 of
// the sphere (Lamda = 1) is its limit 2/3, where the general form is 0/0.
void computeFlowCoefficients(const RunParameters& p, FlowCoefficients& c);

} // namespace solva
