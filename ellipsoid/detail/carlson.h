// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Carlson's symmetric elliptic integral of the second kind in plain double
// precision, for the work done at every point of a field:
//   R_D(x, y, z) = (3/2) ∫₀^∞ dt / (√((t + x)(t + y)) (t + z)^(3/2)),
// symmetric in x and y (DLMF §19.16.5), and its slope in y,
//   ∂R_D/∂y = −(3/4) ∫₀^∞ dt / (√(t + x) (t + y)^(3/2) (t + z)^(3/2)),
// which the rotating ellipsoid needs where two axes are nearly equal: it is
// the limit of the divided difference (R_D(x, y, z) − R_D(x, z, y)) / ((3/2)(z − y))
// without its cancellation.
//
// Method: Carlson's duplication theorem,
//   R_D(x, y, z) = R_D((x + λ)/4, (y + λ)/4, (z + λ)/4) / 4 + 3 / (√z (z + λ)),
//   λ = √x √y + √y √z + √z √x (B. C. Carlson, "Numerical computation of real or complex elliptic
// integrals", Numer. Algorithms 10 (1995) 13–26; DLMF §19.36.1), repeated until
// the arguments agree to 1E-3, then the fifth-order Taylor tail. The slope is
// the same steps differentiated exactly (forward-mode differentiation), so it
// has no cancellation either.
//
// Accuracy: within 2E-15 relative (both the value and the slope) of a 30-digit
// table for arguments whose ratios reach 1E14, nearly equal ones included
// (tests/ellipsoid/carlson.tsv, scripts/ellipsoid-integrals-reference.py).
// Arguments must be finite, x, y ≥ 0 with at most one zero and z > 0 (below,
// all positive for the three at once); the callers guarantee it, so nothing
// is checked.

#include <array>

namespace solva::ellipsoid::detail {

// R_D(x₂, x₃, x₁), R_D(x₃, x₁, x₂), R_D(x₁, x₂, x₃) (each argument third in
// turn, as the three shape integrals of a point need them) at about the cost
// of one: the duplication step is symmetric in the three arguments, so they
// share it. All three arguments must be positive.
std::array<double, 3> carlsonRDCyclic(double x1, double x2, double x3);

// R_D(x, y, z) and ∂R_D/∂y together.
struct RDWithSlope {
    double value, slope;
};
RDWithSlope carlsonRDWithSlope(double x, double y, double z);

} // namespace solva::ellipsoid::detail
