// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/quadrature.h"

#include <cmath>

namespace solva::test {

// Newton's method on the Legendre polynomial P_n, from Tricomi's first guesses.
QuadratureRule gaussLegendre(int n) {
    const long double pi = 3.141592653589793238462643383279503L;
    QuadratureRule rule;
    for (int i = 1; i <= n; ++i) {
        long double x = std::cos(pi * (i - 0.25L) / (n + 0.5L));
        long double derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            long double p0 = 1, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const long double step = p1 / derivative;
            x -= step;
            if (std::fabs(step) < 1E-19L) {
                break;
            }
        }
        rule.x.push_back(x);
        rule.w.push_back(2 / ((1 - x * x) * derivative * derivative));
    }
    return rule;
}

} // namespace solva::test
