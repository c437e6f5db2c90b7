// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The 6 × 6 added-mass matrix of any body moved to another reference point.
///
/// Rows and columns follow the rigid-body velocity (u, v, w, p, q, r): the
/// velocity of the reference point, then the angular velocity. With the
/// reference point at r from the one the matrix is given about, that point
/// moves with v + ω × (−r) = v + [r]ₓ ω, so
///   M_r = Tᵀ M T,  T = [[I, [r]ₓ], [0, I]],  [r]ₓ ω = r × ω,
/// the standard rigid-body transfer (symmetric if M is; translation block
/// unchanged). Exact to a few roundings per entry; never throws.

#include <array>

#include "spheroid/vector3.h"

namespace solva::spheroid {

/// A 6 × 6 matrix, row by row; rows and columns u, v, w, p, q, r.
using Matrix6 = std::array<std::array<double, 6>, 6>;

/// M about another reference point. Entries of M that are zero contribute
/// nothing, even where a product of r's coordinates overflows. Never throws.
/// @param M the matrix about the original reference point.
/// @param r the new reference point, from the original one (same axes and
///          units as M).
/// @return M_r = Tᵀ M T, to a few roundings per entry.
Matrix6 transferred(const Matrix6& M, const Vector3& r);

} // namespace solva::spheroid
