// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The stream's closed forms on the body: the surface velocity is the
// tangential part of W, the stagnation points and the suction peak are where
// the normal is parallel and perpendicular to W.
#include <cmath>
#include <string>

#include "ellipsoid/detail/checks.h"
#include "ellipsoid/flow.h"

namespace solva::ellipsoid {

using detail::ScaledNumber;

namespace {

Vector3 scaled(const Vector3& v, double factor) {
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

// The body point whose outward normal is n: (a² n₁, b² n₂, c² n₃) scaled onto the body.
Vector3 pointOfNormal(const Ellipsoid& body, const Vector3& n) {
    Vector3 p;
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        p[i] = body.axes()[i] * body.axes()[i] * n[i];
        sum += p[i] * n[i];
    }
    return scaled(p, 1 / std::sqrt(sum));
}

// The body point in direction v from the centre.
Vector3 pointInDirection(const Ellipsoid& body, const Vector3& v) {
    double sum = 0;
    for (int i = 0; i < 3; ++i) {
        sum += (v[i] / body.axes()[i]) * (v[i] / body.axes()[i]);
    }
    return scaled(v, 1 / std::sqrt(sum));
}

} // namespace

SurfacePoint Flow::onSurface(double u, double v) const {
    detail::Check::finite("surface angles", {u, v, 0});
    const Vector3 unit{std::cos(u), std::sin(u) * std::cos(v), std::sin(u) * std::sin(v)};
    Vector3 position, n;
    for (int i = 0; i < 3; ++i) {
        position[i] = body_.axes()[i] * unit[i];
        n[i] = unit[i] / body_.axes()[i];
    }
    n = scaled(n, 1 / spheroid::norm(n));
    const double wn = spheroid::dot(w_, n);
    const Vector3 velocity{w_[0] - wn * n[0], w_[1] - wn * n[1], w_[2] - wn * n[2]};
    const double cu = spheroid::dot(w_, w_) - wn * wn;
    return {position, n, velocity, cu, 1 - cu};
}

StagnationPoints Flow::stagnationPoints() const {
    const Vector3 unitW = scaled(w_, 1 / spheroid::norm(w_));
    return {pointOfNormal(body_, scaled(unitW, -1)), pointOfNormal(body_, unitW)};
}

double Flow::cpMin() const {
    return 1 - spheroid::dot(w_, w_);
}

Vector3 Flow::cpMinPlaneNormal() const {
    Vector3 m;
    for (int i = 0; i < 3; ++i) {
        m[i] = w_[i] / (body_.axes()[i] * body_.axes()[i]);
    }
    return m;
}

Vector3 Flow::cpMinCurve(double t) const {
    detail::Check::finite("curve parameter", {t, 0, 0});
    const Vector3 m = scaled(cpMinPlaneNormal(), 1 / spheroid::norm(cpMinPlaneNormal()));
    // +x projected into the plane, or +y when the plane is x = 0.
    Vector3 e1{1 - m[0] * m[0], -m[0] * m[1], -m[0] * m[2]};
    if (spheroid::norm(e1) < 1E-8) {
        e1 = {-m[1] * m[0], 1 - m[1] * m[1], -m[1] * m[2]};
    }
    e1 = scaled(e1, 1 / spheroid::norm(e1));
    const Vector3 e2 = spheroid::cross(m, e1);
    const double c = std::cos(t), s = std::sin(t);
    return pointInDirection(body_,
                            {c * e1[0] + s * e2[0], c * e1[1] + s * e2[1], c * e1[2] + s * e2[2]});
}

Vector3 Flow::munkMoment(double density, double speed) const {
    detail::Check::positive("density", density);
    detail::Check::finite("speed", speed);
    const ScaledNumber mass = ScaledNumber(density) * body_.volume();
    const ScaledNumber speed2 = ScaledNumber(speed) * speed;
    // (K d × d)_i = (k_j − k_k) d_j d_k, (i, j, k) cyclic.
    ScaledNumber moment[3];
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        moment[i] = mass * (body_.kTranslationDifferences()[i] * d_[j]) * d_[k] * speed2;
    }
    const std::string inputs =
        "density " + detail::shortest(density) + ", speed " + detail::shortest(speed) +
        ", semi-axes " + detail::shortest(body_.a()) + ", " + detail::shortest(body_.b()) + ", " +
        detail::shortest(body_.c()) + ", stream direction (" + detail::shortest(d_[0]) + ", " +
        detail::shortest(d_[1]) + ", " + detail::shortest(d_[2]) + ")";
    Vector3 result;
    for (std::size_t i = 0; i < 3; ++i) {
        result[i] = detail::checkedRepresentable(
            std::string("Munk moment ") + "xyz"[i] + " component", moment[i], inputs);
    }
    return result;
}

} // namespace solva::ellipsoid
