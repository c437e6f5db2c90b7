// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The direction of a unit stream from its angle of attack α and yaw angle β,
/// as the window takes them, shared by every body the library flows past:
///   d = (cos α cos β, sin β, sin α cos β)
/// in body axes (vector3.h). Radians = degrees · π / 180 with π = 4 arctan 1,
/// the window's own value, so that the same angles give the same bits.

#include <cmath>

#include "spheroid/vector3.h"

namespace solva::spheroid {

/// Radians from degrees as the window computes them. Never throws.
/// @param degrees an angle in degrees.
/// @return degrees · π / 180, π = 4 arctan 1, rounded as written.
inline double radians(double degrees) {
    return degrees * (4 * std::atan(1.0)) / 180;
}

/// The unit stream direction. Exact to rounding; never throws.
/// @param alpha the angle of attack α (radians, finite).
/// @param beta the yaw angle β (radians, finite).
/// @return d = (cos α cos β, sin β, sin α cos β), body axes.
inline Vector3 streamDirection(double alpha, double beta) {
    return {std::cos(alpha) * std::cos(beta), std::sin(beta), std::sin(alpha) * std::cos(beta)};
}

} // namespace solva::spheroid
