// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/carlson.h"

#include <algorithm>
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

template <class T> T rd(T x, T y, T z) {
    using std::sqrt;
    const T mean0 = (x + y + 3 * z) / 5;
    const double spread = std::max({std::fabs(valueOf(mean0 - x)), std::fabs(valueOf(mean0 - y)),
                                    std::fabs(valueOf(mean0 - z))});
    T mean = mean0, sum = constant(0, x);
    double scale = 1; // 4^(−m)
    while (spreadFactor * spread * scale >= std::fabs(valueOf(mean))) {
        const T rootX = sqrt(x), rootY = sqrt(y), rootZ = sqrt(z);
        const T lambda = rootX * rootY + rootX * rootZ + rootY * rootZ;
        sum = sum + scale / (rootZ * (z + lambda));
        x = (x + lambda) / 4, y = (y + lambda) / 4, z = (z + lambda) / 4;
        mean = (mean + lambda) / 4;
        scale /= 4;
    }
    const T X = (mean - x) / mean, Y = (mean - y) / mean;
    const T Z = -(X + Y) / 3;
    const T XY = X * Y, Z2 = Z * Z;
    const T E2 = XY - 6 * Z2, E3 = (3 * XY - 8 * Z2) * Z, E4 = 3 * (XY - Z2) * Z2;
    const T E5 = XY * Z2 * Z;
    const T tail = constant(1, x) - 3 * E2 / 14 + E3 / 6 + 9 * E2 * E2 / 88 - 3 * E4 / 22 -
                   9 * E2 * E3 / 52 + 3 * E5 / 26;
    return scale * tail / (mean * sqrt(mean)) + 3 * sum;
}

} // namespace

double carlsonRD(double x, double y, double z) {
    return rd(x, y, z);
}

RDWithSlope carlsonRDWithSlope(double x, double y, double z) {
    const Dual r = rd(Dual{x, 0}, Dual{y, 1}, Dual{z, 0});
    return {r.v, r.d};
}

} // namespace solva::ellipsoid::detail
