// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// The equations: docs/mathematics.md, "Flow coefficients".

#include "flow/coefficients.h"

#include "app/run_step.h"

namespace solva {

Real computePI() {
    RunStep step("computing pi = 4 arctan 1");
    return atan(Real(1)) * 4;
}

Real computeNJ(const RunParameters& p) {
    RunStep step("computing the column count NJ = 2 NT");
    Real NJ = 2 * p.NT;
    // Both limits inclusive: a stream within 1E-08 degrees of the axis counts as axial.
    if (abs(p.AlfaD) <= 1E-08 && abs(p.BetaD) <= 1E-08) {
        NJ = 1;
    }
    return NJ;
}

void computeFlowCoefficients(const RunParameters& p, FlowCoefficients& c) {
    const Real PI = c.PI;
    {
        RunStep step("computing the angles of attack and yaw in radians");
        c.ALFA = (p.AlfaD * PI) / 180;
        c.BETA = (p.BetaD * PI) / 180;
    }
    {
        RunStep step(
            "computing the eccentricity E = sqrt(1 - Lamda^2) (Lamda must lie in [-1, 1])");
        c.E = sqrt(1 - p.Lamda * p.Lamda);
    }
    const Real E = c.E;
    if (p.Lamda == 1) {
        c.A0 = Real(2) / 3; // the sphere, where the general form is 0/0
    } else {
        // alpha0 = (2 (1 - e^2) / e^3) (1/2 ln((1 + e) / (1 - e)) - e), written
        // with L for the logarithm; the digits of the results depend on this form.
        RunStep step(
            "computing the axial shape integral A0 (Lamda must lie in (-1, 1] and not be 0)");
        const Real L = log((1 + E) / (1 - E));
        c.A0 = ((1 - E * E) * (L - 2 * E)) / pow(E, 3);
    }
    RunStep step("computing the inertia coefficients and the stream direction");
    c.B0 = 1 - 0.5 * c.A0;
    c.K1 = c.A0 / (2 - c.A0);
    c.K2 = c.B0 / (2 - c.B0);
    c.K3 = c.K2;
    c.U1 = cos(c.ALFA) * cos(c.BETA);
    c.U2 = sin(c.BETA);
    c.U3 = sin(c.ALFA) * cos(c.BETA);
}

} // namespace solva
