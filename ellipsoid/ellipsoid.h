// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// An ellipsoid of semi-axes a (along x), b (along y) and c (along z), centre
/// at the origin, and what depends on its shape alone (Lamb, Hydrodynamics,
/// 6th ed. (1932), §§114–115, 373).
///
/// With Δ(t) = √((a² + t)(b² + t)(c² + t)) and (i, j, k) a cyclic permutation
/// of (1, 2, 3), a₁ = a, a₂ = b, a₃ = c:
///   A_i(s) = a b c ∫ₛ^∞ dt / ((a_i² + t) Δ(t)) = (2/3) a b c R_D(a_j² + s, a_k² + s, a_i² + s),
///   J_i(s) = ∫ₛ^∞ dt / ((a_j² + t)(a_k² + t) Δ(t)),
/// A₁ + A₂ + A₃ = 2 at s = 0. The ellipsoidal coordinate λ ≥ 0 of a point on or
/// outside the body is the largest root of Σ x_i² / (a_i² + λ) = 1.
///
/// Inertia coefficients, the fluid's added mass (moment of inertia) over the
/// mass (moment of inertia) of the fluid the body displaces:
///   k_i  = A_i / (2 − A_i) = A_i / (A_j + A_k)   translation along axis i (§114),
///   k′_i = (a_j² − a_k²)² (A_k − A_j) / ((a_j² + a_k²) (2 (a_j² − a_k²) + (a_j² + a_k²)(A_j −
///   A_k)))
///                                                rotation about axis i (§115),
/// the displaced moment of inertia about axis i being ρ V (a_j² + a_k²) / 5.
/// k′_i is computed without the cancellation of that form near a_j = a_k:
/// with J = J_i(0) (no cancellation, detail/carlson.h) and
///   E_i = 2 − (a_j² + a_k²) a b c J = A_i + 2 a b c ∫₀^∞ t dt / ((a_j² + t)(a_k² + t) Δ),
///   k′_i = (a_j² − a_k²)² a b c J / ((a_j² + a_k²) E_i),
/// exactly 0 when a_j = a_k.
///
/// Units: lengths in the unit the axes are given in, λ and s in its square,
/// areas in its square, volumes in its cube; the rest is dimensionless.

#include "spheroid/vector3.h"

/// The exact potential flow about any ellipsoid, at rest in a stream or moving
/// through fluid at rest.

namespace solva::ellipsoid {

using spheroid::Vector3;

/// Largest ratio of any two semi-axes (as the spheroid's thickness ratio).
inline constexpr double maxAxisRatio = 1E6;
/// Smallest semi-axis.
inline constexpr double smallestAxis = 1E-100;
/// Largest semi-axis.
inline constexpr double largestAxis = 1E100;

/// An ellipsoid of semi-axes a, b, c along x, y, z, centre at the origin.
class Ellipsoid {
public:
    /// The body of semi-axes a, b, c.
    /// @param a,b,c the semi-axes along x, y and z (length).
    /// @throws EllipsoidError unless each is finite and in [smallestAxis,
    ///         largestAxis] and the largest is at most maxAxisRatio times the
    ///         smallest.
    Ellipsoid(double a, double b, double c);

    /// @return the semi-axes (a, b, c).
    const Vector3& axes() const { return axes_; }
    /// @return the semi-axis a along x.
    double a() const { return axes_[0]; }
    /// @return the semi-axis b along y.
    double b() const { return axes_[1]; }
    /// @return the semi-axis c along z.
    double c() const { return axes_[2]; }
    /// @return L, the largest semi-axis: the unit of the library's scaled frame.
    double unit() const { return unit_; }

    /// @return A_i(0), per body from Boost.Math at its default policy: within 2 ulp.
    const Vector3& shapeIntegrals() const { return shapeIntegrals_; }
    /// A_i(s), within 4E-15 relative.
    /// @param s the confocal parameter (length²), s ≥ 0.
    /// @return A₁(s), A₂(s), A₃(s) (dimensionless).
    /// @throws EllipsoidError unless 0 ≤ s ≤ (1E60 L)².
    Vector3 shapeIntegralsAt(double s) const;

    /// λ of a point: 0 on the body (points within 1E-12, relative, of the
    /// surface count as on it). Σ x_i² / (a_i² + λ) = 1 holds to 4E-16
    /// (tested): λ within 1E-15 relative unless it is small beside the axes
    /// squared; next to a thin body, where one ulp of p moves λ far more,
    /// within ε / G absolute, G = Σ x_i² / (a_i² + λ)² (scaled frame).
    /// @param p the point (length).
    /// @return λ (length²).
    /// @throws EllipsoidError for a point inside the body, a non-finite one,
    ///         or one farther than 1E60 L from the centre along any axis.
    double coordinate(const Vector3& p) const;
    /// Whether p lies inside: Σ x_i² / a_i² < 1 − 1E-12.
    /// @param p the point (length).
    /// @return true if inside.
    bool contains(const Vector3& p) const;

    /// @return k_i of the axes x, y, z, within 2E-15 relative for every body
    /// in range, thin ones and axes 1 part in 1E9 apart included (measured
    /// against 30 digits: tests/ellipsoid/bodies.tsv).
    const Vector3& kTranslation() const { return kTranslation_; }
    /// @return k′_i of the axes x, y, z, to the same accuracy as kTranslation().
    const Vector3& kRotation() const { return kRotation_; }
    /// @return k_j − k_k, (i, j, k) cyclic, what the Munk moment goes as, formed as
    ///   2 a b c (a_k² − a_j²) J_i(0) / ((A_k + A_i)(A_i + A_j))
    /// without the cancellation of the plain difference: within 2E-15 of its
    /// own size for axes 1 part in 1E9 apart as for any other (tested against
    /// 30 digits); exactly 0 where a_j = a_k.
    const Vector3& kTranslationDifferences() const { return kDifferences_; }

    /// @return C_i / L⁵, the constant of the rotational potential
    ///   φ_{3+i} = C_i x_j x_k J_i(λ),   C_i = −a b c (a_j² − a_k²) / E_i,
    /// in units of the largest semi-axis (its dimensional value can overflow).
    const Vector3& rotationConstants() const { return rotationConstants_; }

    /// @return the volume 4/3 π a b c, relative accuracy 1E-15.
    double volume() const;
    /// @return the area 4π a b c R_G(a⁻², b⁻², c⁻²) (Boost.Math's R_G),
    /// relative accuracy 1E-15.
    double area() const;

private:
    Vector3 axes_;
    double unit_;
    Vector3 shapeIntegrals_, kTranslation_, kRotation_, kDifferences_, rotationConstants_;
};

} // namespace solva::ellipsoid
