// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/carlson.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace solva::ellipsoid::detail {

namespace {

// A value and its derivative along one argument: the arithmetic of forward
// differentiation, just what the duplication steps use.
struct Dual {
    double v, d;
};
Dual operator+(Dual a, Dual b) {
    return {a.v + b.v, a.d + b.d};
}
Dual operator-(Dual a, Dual b) {
    return {a.v - b.v, a.d - b.d};
}
Dual operator*(Dual a, Dual b) {
    return {a.v * b.v, a.d * b.v + a.v * b.d};
}
Dual operator/(Dual a, Dual b) {
    return {a.v / b.v, (a.d * b.v - a.v * b.d) / (b.v * b.v)};
}
Dual operator*(double a, Dual b) {
    return {a * b.v, a * b.d};
}
Dual operator/(Dual a, double b) {
    return {a.v / b, a.d / b};
}
Dual operator/(double a, Dual b) {
    return {a / b.v, -a * b.d / (b.v * b.v)};
}
Dual operator-(Dual a) {
    return {-a.v, -a.d};
}
Dual sqrt(Dual a) {
    const double root = std::sqrt(a.v);
    // A constant argument may be 0, where the square root has no slope to give.
    return {root, a.d == 0 ? 0 : a.d / (2 * root)};
}
Dual constant(double c, Dual) {
    return {c, 0};
}

double constant(double c, double) {
    return c;
}
double valueOf(double a) {
    return a;
}
double valueOf(Dual a) {
    return a.v;
}

// About (r / 4)^(−1/6) for r = 1E-17: the tail below then leaves a truncation
// error under 1E-17 relative, in the value and in its slope.
constexpr double spreadFactor = 861;

// The fifth-order Taylor tail: R_D of arguments x, y and a third close to
// their mean is this over mean^(3/2) (mean, x, y alone fix the third).
template <class T> T tail(T mean, T x, T y) {
    const T X = (mean - x) / mean, Y = (mean - y) / mean;
    const T Z = -(X + Y) / 3;
    const T XY = X * Y, Z2 = Z * Z;
    const T E2 = XY - 6 * Z2, E3 = (3 * XY - 8 * Z2) * Z, E4 = 3 * (XY - Z2) * Z2;
    const T E5 = XY * Z2 * Z;
    return constant(1, x) - 3 * E2 / 14 + E3 / 6 + 9 * E2 * E2 / 88 - 3 * E4 / 22 -
           9 * E2 * E3 / 52 + 3 * E5 / 26;
}

// R_D with each argument named in thirds as its third in turn (the other two
// being the first two): all of them from one duplication sequence, since the
// step is symmetric in the three arguments. Each runs until its own arguments
// agree closely enough; one needing fewer steps only gains from more.
template <class T, std::size_t N>
std::array<T, N> rd(std::array<T, 3> args, const std::array<int, N>& thirds) {
    using std::sqrt;
    std::array<T, N> mean, sum;
    std::array<double, N> spread;
    for (std::size_t m = 0; m < N; ++m) {
        const int k = thirds[m], i = (k + 1) % 3, j = (k + 2) % 3;
        mean[m] = (args[i] + args[j] + 3 * args[k]) / 5;
        spread[m] =
            std::max({std::fabs(valueOf(mean[m] - args[0])), std::fabs(valueOf(mean[m] - args[1])),
                      std::fabs(valueOf(mean[m] - args[2]))});
        sum[m] = constant(0, args[0]);
    }
    const auto unconverged = [&](double scale) {
        for (std::size_t m = 0; m < N; ++m) {
            if (spreadFactor * spread[m] * scale >= std::fabs(valueOf(mean[m]))) {
                return true;
            }
        }
        return false;
    };
    double scale = 1; // 4^(−m)
    for (; unconverged(scale); scale /= 4) {
        const std::array<T, 3> roots{sqrt(args[0]), sqrt(args[1]), sqrt(args[2])};
        const T lambda = roots[0] * roots[1] + roots[0] * roots[2] + roots[1] * roots[2];
        for (std::size_t m = 0; m < N; ++m) {
            const int k = thirds[m];
            sum[m] = sum[m] + scale / (roots[k] * (args[k] + lambda));
            mean[m] = (mean[m] + lambda) / 4;
        }
        for (T& arg : args) {
            arg = (arg + lambda) / 4;
        }
    }
    std::array<T, N> result;
    for (std::size_t m = 0; m < N; ++m) {
        const int k = thirds[m];
        result[m] = scale * tail(mean[m], args[(k + 1) % 3], args[(k + 2) % 3]) /
                        (mean[m] * sqrt(mean[m])) +
                    3 * sum[m];
    }
    return result;
}

} // namespace

std::array<double, 3> carlsonRDCyclic(double x1, double x2, double x3) {
    return rd(std::array{x1, x2, x3}, std::array{0, 1, 2});
}

RDWithSlope carlsonRDWithSlope(double x, double y, double z) {
    const Dual r = rd(std::array{Dual{x, 0}, Dual{y, 1}, Dual{z, 0}}, std::array{2})[0];
    return {r.v, r.d};
}

} // namespace solva::ellipsoid::detail
