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
// cancel, the series g = Σ uⁿ / (2n + 3) with u = e² (prolate) or −k²
// (oblate), 18 terms, and h = (A / B − g) / 2. Then
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

// The confocal spheroid of parameter s: A = 1 + s, B = λ² + s, with the
// square root and the reciprocals the integrals need (division and square
// root are the field loops' dearest operations: each is taken once).
struct Confocal {
    double A, sqrtA, inverseA, inverseB;
};

[[gnu::always_inline]] inline Confocal confocalAt(const Shape& shape, double s) {
    const double A = 1 + s;
    return {A, std::sqrt(A), 1 / A, 1 / (shape.lambda2 + s)};
}

// ℓ = ½ ln q (prolate) or atan q (oblate): the one logarithm or arc tangent
// per point, apart from its argument q = (√A + c)² / B or c / √A, so that
// the field kernel computes q in its vectorised loops.
template <Kind kind>
[[gnu::always_inline]] inline double transcendentalArgument(const Shape& shape, const Confocal& c) {
    const double sum = c.sqrtA + shape.focal;
    return kind == Kind::Prolate ? sum * sum * c.inverseB : shape.focal * c.sqrtA * c.inverseA;
}

template <Kind kind> double transcendental(double argument) {
    return kind == Kind::Prolate ? std::log(argument) / 2 : std::atan(argument);
}

// The series coefficients 1 / (2n + 3) of g. Enough that the first term left
// out, (1/39)(1/8)¹⁸ ≈ 1.4E-18, is well below the rounding of the sum, which
// is at least 1/3.
inline constexpr int seriesTerms = 18;
inline constexpr std::array<double, seriesTerms> coefficients = [] {
    std::array<double, seriesTerms> c{};
    for (int n = 0; n < seriesTerms; ++n) {
        c[n] = 1.0 / (2 * n + 3);
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

// I_a(s) and I_b(s) of the confocal spheroid c, given ℓ. Both closed forms
// give h = (A / B − g) / 2, which serves wherever it does not cancel: for
// the prolate everywhere (A / B > 1 + g), for the oblate in the series'
// range (there A / B > 8/9, g < 1/3); the oblate's own h elsewhere, since
// there A / B and g both fall as 1 / k² next to a disc.
template <Kind kind>
[[gnu::always_inline]] inline ShapeIntegrals integrals(const Shape& shape, const Confocal& c,
                                                       double ell) {
    const double inverseSqrtA = c.sqrtA * c.inverseA;
    const double t = std::fabs(shape.focal2) * c.inverseA;
    const double k = shape.focal * inverseSqrtA;
    const double ratio = c.A * c.inverseB;
    // Not used where t ≤ 1/8; kept finite there (and for the sphere, k = 0).
    const double inverseK3 = 1 / std::max(k * t, 1E-300);
    const bool series = t <= 0.125;
    const double g = series ? estrin(coefficients, kind == Kind::Prolate ? t : -t)
                            : (kind == Kind::Prolate ? ell - k : k - ell) * inverseK3;
    const double hOfG = (ratio - g) / 2;
    const double h = kind == Kind::Prolate || series ? hOfG : (ell - k * ratio) * inverseK3 / 2;
    const double scale = 2 * shape.lambda2 * c.inverseA * inverseSqrtA;
    return {scale * g, scale * h};
}

} // namespace solva::spheroid::confocal
