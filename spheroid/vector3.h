// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A point or vector of body axes: x along the axis of revolution, y towards
// circumferential angle 0 (the plane of the yaw angle), z towards angle 90°
// (the plane of the angle of attack), origin at the body's centre.

#include <array>
#include <cmath>

namespace solva::spheroid {

using Vector3 = std::array<double, 3>;

inline double dot(const Vector3& u, const Vector3& v) {
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

inline Vector3 cross(const Vector3& u, const Vector3& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

inline double norm(const Vector3& v) {
    return std::sqrt(dot(v, v));
}

} // namespace solva::spheroid
