// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The 6 × 6 added-mass matrix of a spheroid (docs/mathematics.md,
/// "Added-mass matrix").
///
/// Rows and columns follow the rigid-body velocity (u, v, w, p, q, r): the
/// velocity of the reference point along x, y, z, then the angular velocity
/// about x, y, z (body axes, vector3.h). The fluid's kinetic energy is
/// T = ½ Vᵀ M V. About the centre
///   M = diag(k₁ m, k₂ m, k₂ m, 0, k′ J, k′ J),  m = ρ V,  J = ρ V (a² + b²) / 5,
/// V the volume (Lamb, Hydrodynamics, §373); about another reference point it
/// is transferred as rigid_transfer.h says.
///
/// Units: masses (upper left block) in ρ L³, couplings in ρ L⁴, moments of
/// inertia (lower right) in ρ L⁵, L the spheroid's length unit and ρ the
/// density given; the reference point is in that unit too. With
/// Spheroid::fromLambda and density 1 the matrix is in units of ρ and the axis
/// length 2a; for a dimensional matrix give the body in metres
/// (Spheroid::scaled by its length), the reference point in metres and the
/// density in kg/m³.
/// Accuracy: that of k₁, k₂, k′ (spheroid.h) plus a few roundings. The
/// products are formed without overflow (each factor a mantissa and an
/// exponent of its own), so an entry is right wherever the true one lies
/// within the range of a double, and the same to the last bit as plain double
/// arithmetic gives where no step of it leaves the normal range.

#include <array>

#include "spheroid/rigid_transfer.h"
#include "spheroid/spheroid.h"
#include "spheroid/vector3.h"

namespace solva::spheroid {

/// The added-mass matrix of a spheroid about a reference point.
/// @param body the spheroid.
/// @param about the reference point (body axes, the spheroid's length unit).
/// @param density the fluid's density ρ.
/// @return M, in the units of this file's description.
/// @throws SpheroidError unless density is finite and positive and about is
///         finite.
/// @throws ResultOutOfRange naming the entry and the inputs when an entry is
///         beyond the largest double.
Matrix6 addedMassMatrix(const Spheroid& body, const Vector3& about = {0, 0, 0}, double density = 1);

} // namespace solva::spheroid
