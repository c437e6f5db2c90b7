// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// A point or vector of body axes: x along the axis of revolution, y towards
/// circumferential angle 0 (the plane of the yaw angle), z towards angle 90°
/// (the plane of the angle of attack), origin at the body's centre.

#include <array>
#include <cmath>

/// Everything of Ellipsoid Flow.
namespace solva {}

/// The exact potential flow about a spheroid (ellipsoid of revolution), and
/// the vectors, matrices and flow types the ellipsoid library shares.
namespace solva::spheroid {

/// A point or vector (x, y, z) of body axes.
using Vector3 = std::array<double, 3>;

/// The scalar product u · v. Never throws.
/// @param u,v the two vectors.
/// @return u₁ v₁ + u₂ v₂ + u₃ v₃, rounded as written.
inline double dot(const Vector3& u, const Vector3& v) {
    return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

/// The vector product u × v. Never throws.
/// @param u,v the two vectors.
/// @return (u₂ v₃ − u₃ v₂, u₃ v₁ − u₁ v₃, u₁ v₂ − u₂ v₁), rounded as written.
inline Vector3 cross(const Vector3& u, const Vector3& v) {
    return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

/// The length |v| = √(v · v). Never throws.
/// @param v the vector.
/// @return its Euclidean norm (overflows for components beyond about 1E154).
inline double norm(const Vector3& v) {
    return std::sqrt(dot(v, v));
}

} // namespace solva::spheroid
