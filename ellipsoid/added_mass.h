// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The 6 × 6 added-mass matrix of an ellipsoid, about any point and in any
/// pose.
///
/// Rows and columns follow the rigid-body velocity (u, v, w, p, q, r): the
/// velocity of the reference point, then the angular velocity, radians per
/// unit time. The fluid's kinetic energy is T = ½ Vᵀ M V. In body axes about
/// the centre (Lamb, Hydrodynamics, §§114–115)
///   M = ρ diag(k₁ V, k₂ V, k₃ V, k′₁ I₁, k′₂ I₂, k′₃ I₃),  I_i = V (a_j² + a_k²) / 5,
/// V the volume, k and k′ those of ellipsoid.h. In the pose of rotation R
/// (its columns the body's x, y, z axes in the frame of the result) that
/// becomes Q M Qᵀ, Q = diag(R, R), then it is transferred to the reference
/// point (spheroid/rigid_transfer.h), given in the frame of the result.
///
/// Units: masses in ρ L³, couplings in ρ L⁴, moments of inertia in ρ L⁵, L
/// the unit of the axes and ρ the density given (1: the matrix in units of ρ).
/// Accuracy: that of k and k′ (ellipsoid.h) plus a few roundings per entry.
/// The products are formed without overflow, so an entry is right wherever
/// the true one lies within the range of a double.

#include <array>

#include "ellipsoid/ellipsoid.h"
#include "spheroid/rigid_transfer.h"

namespace solva::ellipsoid {

using spheroid::Matrix6;
/// A 3 × 3 matrix, row by row.
using Matrix3 = std::array<std::array<double, 3>, 3>;

/// The 3 × 3 identity: the pose of body axes.
inline constexpr Matrix3 identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

/// The added-mass matrix of an ellipsoid about a reference point, in a pose.
/// @param body the ellipsoid.
/// @param about the reference point (frame of the result, length).
/// @param density the fluid's density ρ.
/// @param rotation the pose R: its columns the body's x, y, z axes in the
///        frame of the result.
/// @return M, in the units of this file's description.
/// @throws EllipsoidError unless density is finite and positive, about is
///         finite, and rotation is a proper rotation: finite, RᵀR within 1E-12
///         of the identity in each entry and det R > 0 (the message says which
///         fails).
/// @throws spheroid::ResultOutOfRange naming the entry and the inputs when an
///         entry is beyond the largest double.
Matrix6 addedMassMatrix(const Ellipsoid& body, const Vector3& about = {0, 0, 0}, double density = 1,
                        const Matrix3& rotation = identity);

} // namespace solva::ellipsoid
