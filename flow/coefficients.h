#pragma once

#include "flow/run_parameters.h"

namespace solva {

// The constants of the closed-form solution for one run.
struct FlowCoefficients {
    Real PI;
    Real NJ; // number of circumferential columns, a loop limit
    Real ALFA, BETA;
    Real E;          // eccentricity of the meridian ellipse
    Real A0, B0;     // axial and transverse shape integrals
    Real K1, K2, K3; // inertia (added-mass) coefficients
    Real U1, U2, U3; // unit free-stream direction
};

// 4 arctan 1, computed at the start of every run.
Real computePI();

// The column count: 2 NT, or a single column when the stream runs along the
// axis and the flow is axisymmetric.
Real computeNJ(const RunParameters& p);

// The remaining coefficients, from ALFA to U3; PI and NJ must be set.
void computeFlowCoefficients(const RunParameters& p, FlowCoefficients& c);

} // namespace solva
