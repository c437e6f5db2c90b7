// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/shape_integrals.h"

#include "support/quadrature.h"

#include <cfloat>
#include <cmath>
#include <functional>

namespace solva::test {

namespace {

using Integrand = std::function<long double(long double)>;

long double applyRule(const QuadratureRule& rule, const Integrand& f, long double a,
                      long double b) {
    const long double half = (b - a) / 2, middle = (a + b) / 2;
    long double sum = 0;
    for (std::size_t i = 0; i < rule.x.size(); ++i) {
        sum += rule.w[i] * f(middle + half * rule.x[i]);
    }
    return sum * half;
}

// Halves an interval until its two halves add up to the whole within the
// tolerance, an absolute one: a few units of long double's rounding of the
// whole integral, so that each piece stops once its change drowns in that.
long double adaptive(const QuadratureRule& rule, const Integrand& f, long double a, long double b,
                     long double whole, long double tolerance) {
    const long double middle = (a + b) / 2;
    const long double left = applyRule(rule, f, a, middle);
    const long double right = applyRule(rule, f, middle, b);
    if (std::fabs(left + right - whole) <= tolerance) {
        return left + right;
    }
    return adaptive(rule, f, a, middle, left, tolerance) +
           adaptive(rule, f, middle, b, right, tolerance);
}

long double overUnitInterval(const Integrand& f) {
    static const QuadratureRule rule = gaussLegendre(20);
    const long double whole = applyRule(rule, f, 0, 1);
    return adaptive(rule, f, 0, 1, whole, 4 * LDBL_EPSILON * std::fabs(whole));
}

} // namespace

// With u = (1 + t)^(−1/2) each integral over t in [0, ∞) becomes one over u
// in [0, 1] with a smooth integrand (e² = 1 − b²):
//   alpha0 = b² ∫0^1 2u² / (1 − e² u²) du,  beta0 = b² ∫0^1 2u² / (1 − e² u²)² du.
long double alpha0ByQuadrature(double lambda) {
    const long double b2 = static_cast<long double>(lambda) * lambda;
    const long double e2 = 1 - b2;
    return overUnitInterval([&](long double u) { return b2 * 2 * u * u / (1 - e2 * u * u); });
}

long double beta0ByQuadrature(double lambda) {
    const long double b2 = static_cast<long double>(lambda) * lambda;
    const long double e2 = 1 - b2;
    return overUnitInterval([&](long double u) {
        const long double d = 1 - e2 * u * u;
        return b2 * 2 * u * u / (d * d);
    });
}

} // namespace solva::test
