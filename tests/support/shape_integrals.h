// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Lamb's shape integrals (Hydrodynamics, §373) of the spheroid with semi-axes
// a = 1 along the axis and b = c = |lambda| across it, by numerical quadrature
// in long double, independent of the program's closed form:
//   alpha0 = a b c ∫0^∞ dt / ((a² + t)^(3/2) (b² + t)),
//   beta0  = a b c ∫0^∞ dt / ((a² + t)^(1/2) (b² + t)²).

namespace solva::test {

long double alpha0ByQuadrature(double lambda);
long double beta0ByQuadrature(double lambda);

} // namespace solva::test
