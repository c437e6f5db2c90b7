// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Gauss–Legendre quadrature in long double, for the independent integrals of
// the tests: the shape integrals, and forces and moments over a body.

#include <vector>

namespace solva::test {

// The n nodes x and weights w of the Gauss–Legendre rule on [−1, 1].
struct QuadratureRule {
    std::vector<long double> x, w;
};
QuadratureRule gaussLegendre(int n);

} // namespace solva::test
