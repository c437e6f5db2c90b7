// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The fluid about an ellipsoid moving through fluid at rest far away, with
/// velocity (u, v, w) of its centre and angular velocity (p, q, r) about its
/// centre (radians per unit time), body axes (Lamb, Hydrodynamics, §§114–115):
///   φ = u φ₁ + v φ₂ + w φ₃ + p φ₄ + q φ₅ + r φ₆,   fluid velocity ∇φ,
/// φ₁…φ₆ the unit-mode potentials (detail/modes.h): translation along x, y, z,
/// rotation about x, y, z. On the body ∂φ_m/∂n is the generalized normal N_m,
/// (N₁, N₂, N₃) = n and (N₄, N₅, N₆) = x × n, n the outward unit normal.
///
/// Units: with lengths in L, velocities in V and angular velocities in V / L,
/// potentials are in V L and fluid velocities in V. Accuracy: potentials and
/// velocities to 1E-14 relative to the body's speed (body condition, Laplace
/// and the added mass they integrate to, tested).

#include <array>
#include <cstddef>
#include <span>

#include "ellipsoid/ellipsoid.h"
#include "spheroid/flow.h"

namespace solva::ellipsoid {

using spheroid::InsidePoints;

/// Fluid potential and velocity at one point.
struct MotionPoint {
    double potential; ///< φ, in V L
    Vector3 velocity; ///< ∇φ, in V
};

/// The fluid about an ellipsoid moving and turning through fluid at rest.
class Motion {
public:
    /// The body's motion.
    /// @param body the ellipsoid.
    /// @param velocity (u, v, w), the velocity of its centre (V).
    /// @param angularVelocity (p, q, r), about its centre (radians per unit time).
    /// @throws EllipsoidError unless both vectors are finite.
    Motion(const Ellipsoid& body, const Vector3& velocity, const Vector3& angularVelocity);

    /// The fluid at a point on or outside the body.
    /// @param p the point (length).
    /// @return φ and ∇φ there.
    /// @throws EllipsoidError as Ellipsoid::coordinate.
    MotionPoint at(const Vector3& p) const;

    /// The fluid at n points; threads, inside points and errors as for
    /// Flow::evaluate (flow.h).
    /// @param xyz the points x₀ y₀ z₀ x₁ … (3n values).
    /// @param potential n values, or empty if not wanted.
    /// @param velocity 3n values, or empty if not wanted.
    /// @param inside what to do with a point inside the body, not finite or too far.
    /// @param threads the most threads to share the work; 0: the core count.
    /// @throws EllipsoidError as Flow::evaluate.
    void evaluate(std::span<const double> xyz, std::span<double> potential,
                  std::span<double> velocity, InsidePoints inside = InsidePoints::Error,
                  unsigned threads = 0) const;

private:
    Ellipsoid body_;
    std::array<double, 6> speeds_; // u, v, w, p, q, r
};

/// The unit-mode potentials at a point.
/// @param body the ellipsoid.
/// @param p a point on or outside it (length).
/// @return φ₁…φ₆.
/// @throws EllipsoidError as Ellipsoid::coordinate.
std::array<double, 6> modePotentials(const Ellipsoid& body, const Vector3& p);

/// The generalized normals at a body point.
/// @param body the ellipsoid.
/// @param p a point with Σ x_i² / a_i² within 1E-9 of 1 (length).
/// @return N₁…N₆.
/// @throws EllipsoidError unless p is finite and on the body.
std::array<double, 6> modeNormals(const Ellipsoid& body, const Vector3& p);

} // namespace solva::ellipsoid
