// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The 6 × 6 added-mass matrix of any body moved to another reference point.
//
// Rows and columns follow the rigid-body velocity (u, v, w, p, q, r): the
// velocity of the reference point, then the angular velocity. With the
// reference point at r from the one the matrix is given about, that point
// moves with v + ω × (−r) = v + [r]ₓ ω, so
//   M_r = Tᵀ M T,  T = [[I, [r]ₓ], [0, I]],  [r]ₓ ω = r × ω,
// the standard rigid-body transfer (symmetric if M is; translation block
// unchanged). Exact to a few roundings per entry; never throws.

#include <array>

#include "spheroid/vector3.h"

namespace solva::spheroid {

using Matrix6 = std::array<std::array<double, 6>, 6>;

// M about the point at r (same axes and units as M and r). Entries of M that
// are zero contribute nothing, even where a product of r's coordinates
// overflows.
Matrix6 transferred(const Matrix6& M, const Vector3& r);

} // namespace solva::spheroid
