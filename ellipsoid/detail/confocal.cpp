// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/confocal.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <string>

#include "ellipsoid/detail/carlson.h"
#include "ellipsoid/detail/checks.h"
#include "ellipsoid/ellipsoid_error.h"

namespace solva::ellipsoid::detail {

namespace {

// F(λ) = Σ x_i² / (a_i² + λ) and G(λ) = Σ x_i² / (a_i² + λ)² = −F′(λ).
struct Level {
    double F, G;
};
Level level(const Shape& shape, const Vector3& p, double lambda) {
    Level result{0, 0};
    for (int i = 0; i < 3; ++i) {
        const double ratio = p[i] / (shape.squares[i] + lambda);
        result.F += p[i] * ratio;
        result.G += ratio * ratio;
    }
    return result;
}

} // namespace

Shape scaledShape(const Ellipsoid& body) {
    Shape shape{};
    for (int i = 0; i < 3; ++i) {
        const double ratio = body.axes()[i] / body.unit();
        shape.squares[i] = ratio * ratio;
    }
    shape.abc = body.a() / body.unit() * (body.b() / body.unit()) * (body.c() / body.unit());
    for (int i = 0; i < 3; ++i) {
        const double aj = body.axes()[(i + 1) % 3], ak = body.axes()[(i + 2) % 3];
        shape.differences[i] = (aj - ak) / body.unit() * ((aj + ak) / body.unit());
    }
    return shape;
}

bool refused(const Shape& shape, const Vector3& p) {
    const bool near = std::fabs(p[0]) <= farthest && std::fabs(p[1]) <= farthest &&
                      std::fabs(p[2]) <= farthest; // false for NaN too
    return !near || level(shape, p, 0).F < 1 - surfaceTolerance;
}

void throwRefused(const Ellipsoid& body, std::span<const double> xyz, std::size_t index) {
    const Vector3 p{xyz[3 * index], xyz[3 * index + 1], xyz[3 * index + 2]};
    const char* why = !std::isfinite(p[0] + p[1] + p[2]) ? "is not finite"
                      : body.contains(p)                 ? "lies inside the body"
                                                         : "lies too far from the body";
    throw EllipsoidError("point " + std::to_string(index) + " " + shortest(p) + " " + why);
}

double coordinate(const Shape& shape, const Vector3& p) {
    // With weights w_i = x_i² / r², F(λ) = r² Σ w_i / (a_i² + λ) ≥ r² / (ā² + λ),
    // ā² = Σ w_i a_i² (Jensen: 1/t is convex), so the root lies right of
    // r² − ā² (exact for a sphere); F is convex and falling, so Newton's steps
    // from there rise to the root without passing it. They stop once F − 1
    // is at the level of F's rounding, or the step below λ's: a bound on the
    // step alone would stop short of a root far smaller than the axes (next
    // to a thin body, where G is large and λ tiny).
    const double r2 = p[0] * p[0] + p[1] * p[1] + p[2] * p[2];
    const double weighted = shape.squares[0] * p[0] * p[0] + shape.squares[1] * p[1] * p[1] +
                            shape.squares[2] * p[2] * p[2];
    double lambda = std::max(0.0, r2 - weighted / r2); // r² > 0: p is not inside
    constexpr double epsilon = std::numeric_limits<double>::epsilon();
    for (int iteration = 0; iteration < 100; ++iteration) {
        const Level at = level(shape, p, lambda);
        const double step = (at.F - 1) / at.G;
        if (!(at.F - 1 > 2 * epsilon && step > epsilon / 2 * lambda)) {
            break;
        }
        lambda += step;
    }
    return lambda;
}

Vector3 coordinateGradient(const Shape& shape, const Vector3& p, double lambda) {
    const double scale = 2 / level(shape, p, lambda).G;
    Vector3 gradient;
    for (int i = 0; i < 3; ++i) {
        gradient[i] = scale * p[i] / (shape.squares[i] + lambda);
    }
    return gradient;
}

double delta(const Shape& shape, double lambda) {
    const auto& q = shape.squares;
    return std::sqrt((q[0] + lambda) * (q[1] + lambda) * (q[2] + lambda));
}

Vector3 shapeIntegralsAt(const Shape& shape, double lambda) {
    const auto& q = shape.squares;
    const std::array<double, 3> rd = carlsonRDCyclic(q[0] + lambda, q[1] + lambda, q[2] + lambda);
    Vector3 A;
    for (int i = 0; i < 3; ++i) {
        A[i] = 2 * shape.abc / 3 * rd[i];
    }
    return A;
}

Integrals integralsAt(const Shape& shape, double lambda) {
    const auto& q = shape.squares;
    Integrals result;
    // R_D(x_i, x_j, x_k) is A_k; its slope in x_j is −(3/4) J_i.
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        const RDWithSlope r = carlsonRDWithSlope(q[i] + lambda, q[j] + lambda, q[k] + lambda);
        result.A[k] = 2 * shape.abc / 3 * r.value;
        result.J[i] = -4 * r.slope / 3;
    }
    return result;
}

} // namespace solva::ellipsoid::detail
