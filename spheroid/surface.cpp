// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The flow's closed forms on the body (docs/mathematics.md, "On the body"):
// the surface velocity is the tangential part of W, the stagnation points and
// the suction peak are where n is parallel and perpendicular to W.
#include <cmath>
#include <string>

#include "spheroid/detail/checks.h"
#include "spheroid/flow.h"

namespace solva::spheroid {

namespace {

Vector3 scaled(const Vector3& v, double factor) {
    return {v[0] * factor, v[1] * factor, v[2] * factor};
}

// The body point whose outward normal is n: p = (a² n₁, b² n₂, b² n₃) scaled
// onto x²/a² + (y² + z²)/b² = 1.
Vector3 pointOfNormal(const Spheroid& body, const Vector3& n) {
    const double a2 = body.a() * body.a(), b2 = body.b() * body.b();
    const Vector3 p{a2 * n[0], b2 * n[1], b2 * n[2]};
    return scaled(p, 1 / std::sqrt(a2 * n[0] * n[0] + b2 * (n[1] * n[1] + n[2] * n[2])));
}

// The body point in direction v from the centre.
Vector3 pointInDirection(const Spheroid& body, const Vector3& v) {
    const double x = v[0] / body.a(), y = v[1] / body.b(), z = v[2] / body.b();
    return scaled(v, 1 / std::sqrt(x * x + y * y + z * z));
}

} // namespace

SurfacePoint Flow::onSurface(double fi, double theta) const {
    Check::finite("eccentric angle", fi);
    Check::finite("circumferential angle", theta);
    const double a = body_.a(), b = body_.b(), lambda = body_.lambda();
    const double sinFi = std::sin(fi), cosFi = std::cos(fi);
    const double cosT = std::cos(theta), sinT = std::sin(theta);
    const Vector3 position{a * cosFi, b * sinFi * cosT, b * sinFi * sinT};
    const double S = std::sqrt(sinFi * sinFi + (lambda * cosFi) * (lambda * cosFi));
    const Vector3 n{lambda * cosFi / S, sinFi * cosT / S, sinFi * sinT / S};
    const double wn = dot(w_, n);
    const Vector3 v{w_[0] - wn * n[0], w_[1] - wn * n[1], w_[2] - wn * n[2]};
    const double cu = dot(w_, w_) - wn * wn;
    return {position, n, v, cu, 1 - cu};
}

StagnationPoints Flow::stagnationPoints() const {
    const Vector3 unitW = scaled(w_, 1 / norm(w_));
    return {pointOfNormal(body_, scaled(unitW, -1)), pointOfNormal(body_, unitW)};
}

double Flow::cpMin() const {
    return 1 - dot(w_, w_);
}

Vector3 Flow::cpMinPlaneNormal() const {
    const double a2 = body_.a() * body_.a(), b2 = body_.b() * body_.b();
    return {w_[0] / a2, w_[1] / b2, w_[2] / b2};
}

Vector3 Flow::cpMinCurve(double t) const {
    Check::finite("curve parameter", t);
    const Vector3 m = scaled(cpMinPlaneNormal(), 1 / norm(cpMinPlaneNormal()));
    // +x projected into the plane, or +y when the plane is x = 0.
    Vector3 e1{1 - m[0] * m[0], -m[0] * m[1], -m[0] * m[2]};
    if (norm(e1) < 1E-8) {
        e1 = {-m[1] * m[0], 1 - m[1] * m[1], -m[1] * m[2]};
    }
    e1 = scaled(e1, 1 / norm(e1));
    const Vector3 e2 = cross(m, e1);
    const double c = std::cos(t), s = std::sin(t);
    return pointInDirection(body_,
                            {c * e1[0] + s * e2[0], c * e1[1] + s * e2[1], c * e1[2] + s * e2[2]});
}

Vector3 Flow::munkMoment(double density, double speed) const {
    Check::positive("density", density);
    Check::finite("speed", speed);
    const ScaledNumber scale =
        ScaledNumber(density) * body_.volume() * (body_.k2() - body_.k1()) * d_[0];
    const ScaledNumber speed2 = ScaledNumber(speed) * speed;
    // d × eₓ = (0, d₃, −d₂).
    const ScaledNumber moment[3] = {ScaledNumber(0.0) * speed2, scale * d_[2] * speed2,
                                    -scale * d_[1] * speed2};
    const std::string inputs = "density " + shortest(density) + ", speed " + shortest(speed) +
                               ", semi-axes a = " + shortest(body_.a()) +
                               " and b = " + shortest(body_.b()) + ", stream direction (" +
                               shortest(d_[0]) + ", " + shortest(d_[1]) + ", " + shortest(d_[2]) +
                               ")";
    Vector3 result;
    for (std::size_t k = 0; k < 3; ++k) {
        result[k] = checkedRepresentable(std::string("Munk moment ") + "xyz"[k] + " component",
                                         moment[k], inputs);
    }
    return result;
}

} // namespace solva::spheroid
