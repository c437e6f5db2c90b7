// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The confocal ellipsoid through a point, in the scaled frame where the
// largest semi-axis is 1 (so that no square overflows for any body the
// library takes): the coordinate λ, its gradient, and the integrals
// A_i(λ), J_i(λ) of ellipsoid.h with their slopes in λ,
//   A_i′(λ) = −a b c / ((a_i² + λ) Δ(λ)),   J_i′(λ) = −1 / ((a_j² + λ)(a_k² + λ) Δ(λ)).

#include <cstddef>
#include <span>

#include "ellipsoid/ellipsoid.h"

namespace solva::ellipsoid::detail {

// Points this close to the surface (Σ x_i² / a_i² ≥ 1 − surfaceTolerance)
// count as on it, λ = 0; points beyond farthest along an axis are refused.
inline constexpr double surfaceTolerance = 1E-12;
inline constexpr double farthest = 1E60;

// A body in the scaled frame.
struct Shape {
    Vector3 squares; // a_i² / L²
    double abc;      // a b c / L³
    // (a_j² − a_k²) / L² as (a_j − a_k)(a_j + a_k) / L², (i, j, k) cyclic: to
    // full relative accuracy however close the axes, as the rotation needs.
    Vector3 differences;
};
Shape scaledShape(const Ellipsoid& body);

// Whether scaled point p is inside the body, or not finite, or too far.
bool refused(const Shape& shape, const Vector3& p);

// Throws EllipsoidError naming point index of xyz (contiguous triples, in
// the units of the axes) and why it is refused: inside, not finite, too far.
[[noreturn]] void throwRefused(const Ellipsoid& body, std::span<const double> xyz,
                               std::size_t index);

// λ of scaled point p on or outside the body: the largest root, by Newton's
// method from the left, where it converges monotonically; within 1E-15.
double coordinate(const Shape& shape, const Vector3& p);

// ∇λ at p: 2 (x_i / (a_i² + λ)) / Σ x_m² / (a_m² + λ)².
Vector3 coordinateGradient(const Shape& shape, const Vector3& p, double lambda);

// Δ(λ).
double delta(const Shape& shape, double lambda);

// A_i(λ) (cheap: R_D alone).
Vector3 shapeIntegralsAt(const Shape& shape, double lambda);

// A_i(λ) and J_i(λ) together (R_D with its slope).
struct Integrals {
    Vector3 A, J;
};
Integrals integralsAt(const Shape& shape, double lambda);

} // namespace solva::ellipsoid::detail
