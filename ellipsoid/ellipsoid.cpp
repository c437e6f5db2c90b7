// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/ellipsoid.h"

#include <algorithm>
#include <boost/math/special_functions/ellint_rd.hpp>
#include <boost/math/special_functions/ellint_rg.hpp>
#include <cmath>
#include <numbers>

#include "ellipsoid/detail/carlson.h"
#include "ellipsoid/detail/checks.h"
#include "ellipsoid/detail/confocal.h"
#include "ellipsoid/ellipsoid_error.h"

namespace solva::ellipsoid {

namespace {

// The axes, if each is in range and they are within maxAxisRatio of each other.
Vector3 checkedAxes(double a, double b, double c) {
    detail::Check::inRange("semi-axis a", a, smallestAxis, largestAxis);
    detail::Check::inRange("semi-axis b", b, smallestAxis, largestAxis);
    detail::Check::inRange("semi-axis c", c, smallestAxis, largestAxis);
    detail::Check::inRange("ratio of the largest semi-axis to the smallest",
                           std::max({a, b, c}) / std::min({a, b, c}), 1, maxAxisRatio);
    return {a, b, c};
}

// A_i(0) in the scaled frame, from Boost.Math.
Vector3 shapeIntegralsOnBody(const detail::Shape& shape) {
    const auto& q = shape.squares;
    Vector3 A;
    for (int i = 0; i < 3; ++i) {
        A[i] = 2 * shape.abc / 3 * boost::math::ellint_rd(q[(i + 1) % 3], q[(i + 2) % 3], q[i]);
    }
    return A;
}

// What rotation about axis i needs: J = J_i(0), E_i without cancellation
// (ellipsoid.h), with ∫₀^∞ t dt / ((a_j² + t)(a_k² + t) Δ) = (2/3) R_D(a_i², s, l) − s J
// for s and l the smaller and larger of a_j², a_k², where the subtraction
// keeps its digits (s J is small beside the rest when s is).
struct Rotation {
    double J, E;
};
Rotation rotationAbout(const detail::Shape& shape, const Vector3& A, int i) {
    const auto& q = shape.squares;
    const double qj = q[(i + 1) % 3], qk = q[(i + 2) % 3];
    const double J = -4 * detail::carlsonRDWithSlope(q[i], qj, qk).slope / 3;
    const double small = std::min(qj, qk), large = std::max(qj, qk);
    const double moment = 2 * boost::math::ellint_rd(q[i], small, large) / 3 - small * J;
    return {J, A[i] + 2 * shape.abc * moment};
}

} // namespace

Ellipsoid::Ellipsoid(double a, double b, double c)
    : axes_(checkedAxes(a, b, c)), unit_(std::max({a, b, c})) {
    const detail::Shape shape = detail::scaledShape(*this);
    shapeIntegrals_ = shapeIntegralsOnBody(shape);
    const auto& A = shapeIntegrals_;
    const auto& q = shape.squares;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        kTranslation_[i] = A[i] / (A[j] + A[k]);
        const Rotation rotation = rotationAbout(shape, A, i);
        const double difference = shape.differences[i];
        // A_j − A_k = a b c (a_k² − a_j²) J_i(0), from the two integrands' difference.
        kDifferences_[i] =
            -2 * shape.abc * difference * rotation.J / ((A[k] + A[i]) * (A[i] + A[j]));
        kRotation_[i] =
            difference * difference * shape.abc * rotation.J / ((q[j] + q[k]) * rotation.E);
        rotationConstants_[i] = -shape.abc * difference / rotation.E;
    }
}

Vector3 Ellipsoid::shapeIntegralsAt(double s) const {
    const double reach = detail::farthest * unit_;
    detail::Check::inRange("confocal parameter s", s, 0, reach * reach);
    const detail::Shape shape = detail::scaledShape(*this);
    return detail::shapeIntegralsAt(shape, s / unit_ / unit_);
}

double Ellipsoid::coordinate(const Vector3& p) const {
    detail::Check::finite("point", p);
    const detail::Shape shape = detail::scaledShape(*this);
    const Vector3 scaled{p[0] / unit_, p[1] / unit_, p[2] / unit_};
    if (detail::refused(shape, scaled)) {
        throw EllipsoidError("the point " + detail::shortest(p) + " lies " +
                             (contains(p) ? "inside the body" : "too far from the body"));
    }
    return detail::coordinate(shape, scaled) * unit_ * unit_;
}

bool Ellipsoid::contains(const Vector3& p) const {
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        const double ratio = p[i] / axes_[i];
        sum += ratio * ratio;
    }
    return sum < 1 - detail::surfaceTolerance;
}

double Ellipsoid::volume() const {
    return 4.0 / 3 * std::numbers::pi * a() * b() * c();
}

double Ellipsoid::area() const {
    const detail::Shape shape = detail::scaledShape(*this);
    const auto& q = shape.squares;
    const double rg = boost::math::ellint_rg(1 / q[0], 1 / q[1], 1 / q[2]);
    return 4 * std::numbers::pi * shape.abc * rg * unit_ * unit_;
}

} // namespace solva::ellipsoid
