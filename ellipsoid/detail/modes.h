// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The six unit-mode potentials of an ellipsoid and their gradients at a
// point on or outside it, in the scaled frame of confocal.h (Lamb,
// Hydrodynamics, §§114–115), velocity = ∇φ, (i, j, k) cyclic:
//   φ_i     = −x_i A_i(λ) / (A_j(0) + A_k(0))     unit velocity along axis i,
//   ∇φ_i    = −(A_i(λ) e_i + x_i A_i′(λ) ∇λ) / (A_j(0) + A_k(0)),
//   φ_{3+i} = C_i x_j x_k J_i(λ)                   unit angular velocity about axis i,
//   ∇φ_{3+i} = C_i (J_i(λ) (x_k e_j + x_j e_k) + x_j x_k J_i′(λ) ∇λ),
// with ∂φ/∂n on the body the normal velocity of the mode, n_i and
// (e_i × x) · n (A_j(0) + A_k(0) = 2 − A_i(0) keeps its digits for thin bodies).
// In units of the largest semi-axis L: translation potentials in L,
// rotation potentials in L², rotation velocities in L, per unit speed.

#include <array>

#include "ellipsoid/detail/confocal.h"
#include "ellipsoid/ellipsoid.h"

namespace solva::ellipsoid::detail {

// What the modes need of a body.
struct ModeBody {
    Shape shape;
    Vector3 denominators; // A_j(0) + A_k(0)
    Vector3 rotation;     // C_i / L⁵
};
ModeBody modeBody(const Ellipsoid& body);

struct Modes {
    std::array<double, 6> potential;
    std::array<Vector3, 6> velocity;
};

// The modes at scaled point p (not refused, confocal.h), the three
// translations alone or all six; those not asked for are left zero.
Modes modesAt(const ModeBody& body, const Vector3& p, bool withRotation);

} // namespace solva::ellipsoid::detail
