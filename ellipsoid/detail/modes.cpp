// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/modes.h"

#include <algorithm>

namespace solva::ellipsoid::detail {

namespace {

struct Point {
    Vector3 p, gradient; // the point and ∇λ there
    double lambda, delta;
};

void translations(const ModeBody& body, const Point& at, const Vector3& A, Modes& out) {
    const auto& q = body.shape.squares;
    for (int i = 0; i < 3; ++i) {
        const double slope = -body.shape.abc / ((q[i] + at.lambda) * at.delta);
        const double scale = -1 / body.denominators[i];
        out.potential[i] = scale * at.p[i] * A[i];
        for (int m = 0; m < 3; ++m) {
            out.velocity[i][m] = scale * ((m == i ? A[i] : 0) + at.p[i] * slope * at.gradient[m]);
        }
    }
}

void rotations(const ModeBody& body, const Point& at, const Vector3& J, Modes& out) {
    const auto& q = body.shape.squares;
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, k = (i + 2) % 3;
        const double C = body.rotation[i], xj = at.p[j], xk = at.p[k];
        const double slope = -1 / ((q[j] + at.lambda) * (q[k] + at.lambda) * at.delta);
        out.potential[3 + i] = C * xj * xk * J[i];
        for (int m = 0; m < 3; ++m) {
            const double direct = m == j ? xk * J[i] : m == k ? xj * J[i] : 0;
            out.velocity[3 + i][m] = C * (direct + xj * xk * slope * at.gradient[m]);
        }
    }
}

} // namespace

ModeBody modeBody(const Ellipsoid& body) {
    ModeBody result{scaledShape(body), {}, {}};
    for (int i = 0; i < 3; ++i) {
        const auto& A = body.shapeIntegrals();
        result.denominators[i] = A[(i + 1) % 3] + A[(i + 2) % 3];
        result.rotation[i] = body.rotationConstants()[i];
    }
    return result;
}

Modes modesAt(const ModeBody& body, const Vector3& p, bool withRotation) {
    Point at;
    at.p = p;
    at.lambda = coordinate(body.shape, p);
    at.gradient = coordinateGradient(body.shape, p, at.lambda);
    at.delta = delta(body.shape, at.lambda);
    Modes out;
    if (withRotation) {
        const Integrals integrals = integralsAt(body.shape, at.lambda);
        translations(body, at, integrals.A, out);
        rotations(body, at, integrals.J, out);
    } else {
        translations(body, at, shapeIntegralsAt(body.shape, at.lambda), out);
        // Only the rotations, so that the stream's every point zeroes no more.
        std::fill(out.potential.begin() + 3, out.potential.end(), 0.0);
        std::fill(out.velocity.begin() + 3, out.velocity.end(), Vector3{});
    }
    return out;
}

} // namespace solva::ellipsoid::detail
