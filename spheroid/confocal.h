// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The confocal coordinate and integrals off the body, in the frame scaled so
// that a = 1, b = λ (docs/mathematics.md, "The flow anywhere"). Inline and
// free of branches the compiler cannot turn into selects, for the field
// kernel's loops; Spheroid::confocalIntegrals calls the same functions.
//
// With A = 1 + s, B = λ² + s, t = |λ² − 1| / A (e² of the confocal spheroid,
// prolate, or k², oblate) and ℓ the transcendental part,
//   prolate  ℓ = ln((√A + c) / √B),  g = (ℓ − e) / e³,  h = (e A / B − ℓ) / (2 e³),
//   oblate   ℓ = atan(c / √A),       g = (k − ℓ) / k³,  h = (ℓ − k A / B) / (2 k³),
// c = √|1 − λ²| the focal distance, e or k = c / √A; for t ≤ 1/8, where these
// cancel, the series g = Σ uⁿ / (2n + 3), h = Σ (n + 1) uⁿ / (2n + 3) with
// u = e² (prolate) or −k² (oblate), 18 terms. Then
//   I_a(s) = 2 λ² g / A^(3/2),  I_b(s) = 2 λ² h / A^(3/2).
// Relative accuracy about 1E-15 (the closed forms lose at most a factor 24 to
// cancellation at t = 1/8).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "spheroid/shape_integrals.h"

namespace solva::spheroid::confocal {

enum class Kind { Prolate, Oblate };

// Points farther from the centre than this many semi-axes a are refused:
// beyond it the squares in the confocal parameter would overflow.
inline constexpr double farthest = 1E60;
// Points this close to the surface (x² + ρ²/λ² ≥ 1 − surfaceTolerance) count
// as on it.
inline constexpr double surfaceTolerance = 1E-12;

struct Shape {
    double lambda2; // λ²
    double focal2;  // λ² − 1, signed
    double focal;   // c = √|λ² − 1|
};

inline Shape shapeOf(double lambda) {
    const double focal2 = (lambda - 1) * (lambda + 1);
    return {lambda * lambda, focal2, std::sqrt(std::fabs(focal2))};
}

// The larger root s of s² − P s − Q = 0, P = x² + ρ² − 1 − λ²,
// Q = λ² x² + ρ² − λ², whose discriminant P² + 4Q = (x² − ρ² + λ² − 1)² + 4 x² ρ²
// is a sum of squares; the root is taken in the form that does not cancel.
// Points within rounding of the body get s = 0, not a tiny negative.
[[gnu::always_inline]] inline double parameter(const Shape& shape, double x2, double rho2) {
    const double p = x2 + rho2 - 1 - shape.lambda2;
    const double q = shape.lambda2 * x2 + rho2 - shape.lambda2;
    const double difference = x2 - rho2 + shape.focal2;
    const double root = std::sqrt(difference * difference + 4 * x2 * rho2);
    const double below = std::max(root - p, 1E-300);
    const double s = p >= 0 ? (p + root) / 2 : 2 * q / below;
    return std::max(s, 0.0);
}

// ℓ = ln q (prolate) or atan q (oblate): the one logarithm or arc tangent
// per point, apart from its argument q = (√A + c) / √B or c / √A, so that
// the field kernel computes q in its vectorised loops.
template <Kind kind>
[[gnu::always_inline]] inline double transcendentalArgument(const Shape& shape, double sqrtA,
                                                            double sqrtB) {
    return kind == Kind::Prolate ? (sqrtA + shape.focal) / sqrtB : shape.focal / sqrtA;
}

template <Kind kind> double transcendental(double argument) {
    return kind == Kind::Prolate ? std::log(argument) : std::atan(argument);
}

// The series coefficients 1 / (2n + 3) and (n + 1) / (2n + 3).
// Enough that the first term left out, (19/39)(1/8)¹⁸ ≈ 3E-17 at most, is
// below the rounding of the sum, which is at least 1/3.
inline constexpr int seriesTerms = 18;
struct Coefficients {
    std::array<double, seriesTerms> g, h;
};
inline constexpr Coefficients coefficients = [] {
    Coefficients c{};
    for (int n = 0; n < seriesTerms; ++n) {
        c.g[n] = 1.0 / (2 * n + 3);
        c.h[n] = (n + 1.0) / (2 * n + 3);
    }
    return c;
}();

// Σ cₙ uⁿ by Estrin's scheme: pairs c₂ᵢ + c₂ᵢ₊₁ u (an odd last one alone),
// then pairs of those with u², u⁴, …; a chain five steps deep instead of
// Horner's 17, so that the loops around it are not held up by the latency of
// one long chain.
template <std::size_t size, std::size_t... i>
[[gnu::always_inline]] inline std::array<double, (size + 1) / 2>
pairUp(const std::array<double, size>& c, double x, std::index_sequence<i...>) {
    if constexpr (size % 2 == 0) {
        return {(c[2 * i] + c[2 * i + 1] * x)...};
    } else {
        return {(c[2 * i] + c[2 * i + 1] * x)..., c[size - 1]};
    }
}

template <std::size_t size>
[[gnu::always_inline]] inline double estrin(const std::array<double, size>& c, double x) {
    if constexpr (size == 1) {
        return c[0];
    } else {
        return estrin(pairUp(c, x, std::make_index_sequence<size / 2>()), x * x);
    }
}

// I_a(s) and I_b(s) from A = 1 + s, √A, B = λ² + s and ℓ.
template <Kind kind>
[[gnu::always_inline]] inline ShapeIntegrals integrals(const Shape& shape, double A, double sqrtA,
                                                       double B, double ell) {
    // Reciprocals once: division is the loop's dearest operation.
    const double inverseA = 1 / A, inverseSqrtA = 1 / sqrtA;
    const double t = std::fabs(shape.focal2) * inverseA;
    const double u = kind == Kind::Prolate ? t : -t;
    const double gSeries = estrin(coefficients.g, u);
    const double hSeries = estrin(coefficients.h, u);
    const double k = shape.focal * inverseSqrtA;
    // Not used where t ≤ 1/8; kept finite there (and for the sphere, k = 0).
    const double inverseK3 = 1 / std::max(k * t, 1E-300);
    const double ratio = k * A / B;
    const double gClosed = (kind == Kind::Prolate ? ell - k : k - ell) * inverseK3;
    const double hClosed = (kind == Kind::Prolate ? ratio - ell : ell - ratio) * inverseK3 / 2;
    const bool series = t <= 0.125;
    const double scale = 2 * shape.lambda2 * inverseA * inverseSqrtA;
    return {scale * (series ? gSeries : gClosed), scale * (series ? hSeries : hClosed)};
}

} // namespace solva::spheroid::confocal
