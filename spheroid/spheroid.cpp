// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/spheroid.h"

#include <cmath>
#include <numbers>

#include "spheroid/detail/checks.h"
#include "spheroid/detail/confocal.h"

namespace solva::spheroid {

namespace {

constexpr double smallestAxis = 1E-100, largestAxis = 1E100;

// k′ near the sphere, where α₀ − β₀ and the denominator both vanish with
// x = λ² − 1: α₀ − β₀ = 2 λ² x G(x), G(x) = Σ (m + 1)(−x)ᵐ / (2m + 5), so
//   k′ = λ² x² G / ((1 + λ²)(1 − λ² (1 + λ²) G)).
double kPrimeNearSphere(double lambda) {
    const double x = (lambda - 1) * (lambda + 1);
    const double lambda2 = lambda * lambda;
    double G = 0, power = 1;
    for (int m = 0; std::fabs(power) > 1E-18; ++m, power *= -x) {
        G += (m + 1) * power / (2 * m + 5);
    }
    return lambda2 * x * x * G / ((1 + lambda2) * (1 - lambda2 * (1 + lambda2) * G));
}

} // namespace

Spheroid::Spheroid(double a, double b)
    : a_(a), b_(b), integrals_(shapeIntegrals(
                        Check::inRange("thickness ratio b/a", b / a, minLambda, maxLambda))) {}

Spheroid Spheroid::fromLambda(double lambda) {
    Check::inRange("thickness ratio", lambda, minLambda, maxLambda);
    return Spheroid(0.5, lambda / 2);
}

Spheroid Spheroid::fromAxes(double a, double b) {
    Check::inRange("semi-axis a", a, smallestAxis, largestAxis);
    Check::inRange("semi-axis b", b, smallestAxis, largestAxis);
    return Spheroid(a, b);
}

Spheroid Spheroid::scaled(double length) const {
    Check::positive("length", length);
    return fromAxes(a_ * length, b_ * length);
}

ShapeIntegrals Spheroid::confocalIntegrals(double s) const {
    Check::inRange("confocal parameter s", s, 0, confocal::farthest * confocal::farthest * a_ * a_);
    const confocal::Shape shape = confocal::shapeOf(lambda());
    const confocal::Confocal c = confocal::confocalAt(shape, s / (a_ * a_));
    const auto integrals = [&]<confocal::Kind kind>() {
        const double ell =
            confocal::transcendental<kind>(confocal::transcendentalArgument<kind>(shape, c));
        return confocal::integrals<kind>(shape, c, ell);
    };
    return shape.focal2 < 0 ? integrals.operator()<confocal::Kind::Prolate>()
                            : integrals.operator()<confocal::Kind::Oblate>();
}

bool Spheroid::contains(const Vector3& p) const {
    const double x = p[0] / a_, y = p[1] / b_, z = p[2] / b_;
    return x * x + y * y + z * z < 1 - confocal::surfaceTolerance;
}

double Spheroid::k1() const {
    // 2 − α₀ = 2 β₀, which keeps its digits as α₀ → 2 (the disc).
    return alpha0() / (2 * beta0());
}

double Spheroid::k2() const {
    // 2 − β₀ = 1 + α₀ / 2.
    return beta0() / (1 + alpha0() / 2);
}

double Spheroid::kPrime() const {
    const double lambda = this->lambda();
    const double x = (lambda - 1) * (lambda + 1);
    if (std::fabs(x) <= 0.5) {
        return kPrimeNearSphere(lambda);
    }
    // Lamb's form with a = 1, b = λ: b² − a² = x, a² + b² = 1 + λ².
    const double sum = 1 + lambda * lambda;
    const double difference = alpha0() - beta0();
    return x * x * difference / (sum * (2 * x - sum * difference));
}

double Spheroid::volume() const {
    return 4.0 / 3 * std::numbers::pi * a_ * b_ * b_;
}

double Spheroid::area() const {
    const double lambda = this->lambda();
    if (lambda == 1) {
        return 4 * std::numbers::pi * a_ * a_;
    }
    // In units of a²: prolate 2π (λ² + λ asin(e) / e), e² = 1 − λ², with
    // asin e = atan2(e, λ), which keeps its digits where e is near 1 (asin
    // there would multiply e's rounding by 1/λ); oblate 2π (λ² + atanh(e) / e),
    // e² = 1 − 1/λ², atanh e = ln((1 + e) λ) where 1 − e has lost its digits.
    const double lambda2 = lambda * lambda;
    double inUnitsOfA2;
    if (lambda < 1) {
        const double e = std::sqrt((1 - lambda) * (1 + lambda));
        inUnitsOfA2 = lambda2 + lambda * std::atan2(e, lambda) / e;
    } else {
        const double e = std::sqrt((lambda - 1) * (lambda + 1)) / lambda;
        const double atanhE = e < 0.5 ? std::atanh(e) : std::log((1 + e) * lambda);
        inUnitsOfA2 = lambda2 + atanhE / e;
    }
    return 2 * std::numbers::pi * a_ * a_ * inUnitsOfA2;
}

} // namespace solva::spheroid
