// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/shape_integrals.h"

#include <cmath>

#include "spheroid/detail/checks.h"

namespace solva::spheroid {

namespace {

// The closed forms cancel near the sphere, their series converge slowly far
// from it: the series serve up to e² = 0.8 (prolate) and y = 0.8 (oblate),
// some 200 terms, beyond which the closed forms lose less than a factor 3 to
// cancellation.
constexpr double seriesLimit = 0.8;

// A value carried as the unevaluated sum hi + lo, |lo| ≤ ulp(hi) / 2: the
// series sum hundreds of terms, each the product of as many factors, and the
// closed forms need the digits their cancellation removes.
struct TwoPart {
    double hi, lo;
    double value() const { return hi + lo; }
};

// a + b exactly, for |a| ≥ |b|.
TwoPart exactSum(double a, double b) {
    const double hi = a + b;
    return {hi, (a - hi) + b};
}

TwoPart exactProduct(double a, double b) {
    const double hi = a * b;
    return {hi, std::fma(a, b, -hi)};
}

TwoPart operator+(const TwoPart& u, const TwoPart& v) {
    const TwoPart sum =
        std::fabs(u.hi) >= std::fabs(v.hi) ? exactSum(u.hi, v.hi) : exactSum(v.hi, u.hi);
    return exactSum(sum.hi, sum.lo + u.lo + v.lo);
}

TwoPart operator*(const TwoPart& u, const TwoPart& v) {
    const TwoPart product = exactProduct(u.hi, v.hi);
    return exactSum(product.hi, product.lo + u.hi * v.lo + u.lo * v.hi);
}

TwoPart operator/(const TwoPart& u, double d) {
    const double hi = u.hi / d;
    return exactSum(hi, (std::fma(-hi, d, u.hi) + u.lo) / d);
}

TwoPart operator/(const TwoPart& u, const TwoPart& v) {
    const double hi = u.hi / v.hi;
    const TwoPart remainder = u + TwoPart{-hi, 0} * v;
    return exactSum(hi, remainder.value() / v.hi);
}

// √v to about an ulp of the low part.
TwoPart squareRoot(const TwoPart& v) {
    const double hi = std::sqrt(v.hi);
    return {hi, (std::fma(-hi, hi, v.hi) + v.lo) / (2 * hi)};
}

// α₀ = 2 λ² g(−e²) of a prolate spheroid, e² = 1 − λ² its eccentricity
// squared: g(−e²) = Σ e²ⁿ / (2n + 3) near the sphere, else
// (atanh e − e) / e³ with atanh e = ln((1 + e) / λ).
double prolateAlpha0(double lambda) {
    const TwoPart l2 = exactProduct(lambda, lambda);
    const TwoPart e2 = exactSum(1, -l2.hi) + TwoPart{-l2.lo, 0};
    if (e2.hi <= seriesLimit) {
        TwoPart g{0, 0}, power{1, 0};
        for (int n = 0; power.hi > 1E-20 * g.hi; ++n, power = power * e2) {
            g = g + power / (2 * n + 3);
        }
        return (TwoPart{2, 0} * l2 * g).value();
    }
    const TwoPart e = squareRoot(e2);
    // (1 + e) / λ in two parts; the low part enters the logarithm through its
    // derivative.
    const TwoPart q = (TwoPart{1, 0} + e) / lambda;
    const TwoPart atanhE = exactSum(std::log(q.hi), q.lo / q.hi);
    const TwoPart difference = atanhE + TwoPart{-e.hi, -e.lo};
    return (TwoPart{2, 0} * l2 * difference / (e * e2)).value();
}

// α₀ and β₀ of an oblate spheroid, k² = λ² − 1. Near the sphere both come
// from the series of g and h in y = k² / λ² (substituting 1 − u² = w),
//   α₀ = 2 Σ cₙ yⁿ,  β₀ = (2 / λ²) Σ (n + 1) cₙ yⁿ,
//   c₀ = 1/3,  cₙ = cₙ₋₁ · 2n / (2n + 3),
// whose terms are all positive (there α₀ = 2 − 2 β₀ would double β₀'s error).
// Further out β₀ = 2 λ² h(k²) = (λ² atan k − k) / k³ and α₀ = 2 − 2 β₀.
ShapeIntegrals oblate(double lambda) {
    const TwoPart l2 = exactProduct(lambda, lambda);
    const TwoPart k2 = exactSum(l2.hi, -1) + TwoPart{l2.lo, 0};
    if (k2.hi / l2.hi <= seriesLimit) {
        // y = k² / λ² = 1 − 1 / λ², 1 / (hi + lo) = (1 / hi)(1 − lo / hi).
        TwoPart inverse = TwoPart{1, 0} / l2.hi;
        inverse = inverse + TwoPart{-inverse.hi * l2.lo / l2.hi, 0};
        const TwoPart y = TwoPart{1, 0} + TwoPart{-inverse.hi, -inverse.lo};
        TwoPart g{0, 0}, h{0, 0}, term = TwoPart{1, 0} / 3;
        for (int n = 0; term.hi > 1E-20 * g.hi; ++n) {
            g = g + term;
            h = h + term * TwoPart{n + 1.0, 0};
            term = term * y * TwoPart{2.0 * (n + 1), 0} / (2 * n + 5);
        }
        return {2 * g.value(), (TwoPart{2, 0} * h * inverse).value()};
    }
    const TwoPart k = squareRoot(k2);
    // atan(k + δ) = atan k + δ / (1 + k²), and 1 + k² = λ².
    const TwoPart atanK = exactSum(std::atan(k.hi), k.lo / l2.hi);
    const TwoPart numerator = l2 * atanK + TwoPart{-k.hi, -k.lo};
    const double beta0 = (numerator / (k * k2)).value();
    return {2 - 2 * beta0, beta0};
}

} // namespace

ShapeIntegrals shapeIntegrals(double lambda) {
    Check::inRange("thickness ratio", lambda, minLambda, maxLambda);
    if (lambda == 1) {
        return {2.0 / 3, 2.0 / 3};
    }
    // α₀ < 2/3 < β₀ for a prolate body: α₀ + 2 β₀ = 2 gives β₀ without
    // cancelling or losing digits.
    if (lambda < 1) {
        const double alpha0 = prolateAlpha0(lambda);
        return {alpha0, 1 - alpha0 / 2};
    }
    return oblate(lambda);
}

} // namespace solva::spheroid
