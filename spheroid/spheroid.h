// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// A spheroid (ellipsoid of revolution) and what depends on its shape alone
/// (docs/mathematics.md, "The spheroid"): the shape integrals on and off the
/// body, the inertia coefficients, volume and area.
///
/// Units: lengths in whatever unit the axes were given in (the axis length
/// 2a = 1 for fromLambda), areas in its square, volumes in its cube; the
/// inertia coefficients and shape integrals are dimensionless.
///
/// Inertia (added-mass) coefficients, Lamb, Hydrodynamics, §373:
///   k₁ = α₀ / (2 − α₀)   translation along the axis,
///   k₂ = β₀ / (2 − β₀)   translation across it,
///   k′ = (b² − a²)² (α₀ − β₀) / ((a² + b²) (2 (b² − a²) + (a² + b²)(β₀ − α₀)))
///                        rotation about an equatorial axis,
/// each the ratio of the fluid's added mass (or moment of inertia) to the
/// mass (moment of inertia ρ V (a² + b²) / 5) of the fluid the body displaces.
/// k′ = 0 for the sphere. Limits: k₂ → 1 and k₁ → 0 as λ → 0 (slender body);
/// the axial added mass ρ k₁ V → 8/3 ρ b³, that of a disc of radius b moving
/// broadside, as λ → ∞.

#include "spheroid/shape_integrals.h"
#include "spheroid/vector3.h"

namespace solva::spheroid {

/// A spheroid: semi-axis a along the axis of revolution (x), b = c across it.
class Spheroid {
public:
    /// The body of thickness ratio lambda and axis length 2a = 1, as the
    /// window's: a = 1/2, b = lambda / 2.
    /// @param lambda the thickness ratio λ = b / a.
    /// @return the spheroid of semi-axes 1/2 and lambda / 2.
    /// @throws SpheroidError unless lambda is finite and in [minLambda, maxLambda].
    static Spheroid fromLambda(double lambda);

    /// The body of semi-axes a (along the axis) and b = c (across).
    /// @param a the semi-axis along the axis of revolution (length).
    /// @param b the semi-axis across it (length).
    /// @return the spheroid.
    /// @throws SpheroidError unless both are finite and in [1E-100, 1E100] and
    ///         b / a is in [minLambda, maxLambda].
    static Spheroid fromAxes(double a, double b);

    /// The body of the same shape with its length unit made `length` long:
    /// semi-axes a · length and b · length (fromLambda(λ).scaled(L) is the body
    /// of axis length L). The one conversion of a body given in units of its
    /// length to one in metres, say, after which every length handed with it
    /// (a reference point of the added-mass matrix) is in metres.
    /// @param length the new length of the present unit.
    /// @return the scaled spheroid.
    /// @throws SpheroidError unless length is finite and positive and the axes
    ///         stay in [1E-100, 1E100].
    Spheroid scaled(double length) const;

    /// @return the semi-axis a along the axis of revolution (length).
    double a() const { return a_; }
    /// @return the semi-axis b = c across the axis (length).
    double b() const { return b_; }
    /// @return the thickness ratio λ = b / a.
    double lambda() const { return b_ / a_; }

    /// @return α₀ (shapeIntegrals(lambda())), to 4 ulp.
    double alpha0() const { return integrals_.alpha; }
    /// @return β₀ (shapeIntegrals(lambda())), to 4 ulp.
    double beta0() const { return integrals_.beta; }

    /// I_a(s) and I_b(s) of the confocal spheroid of parameter s; at s = 0
    /// they are α₀ and β₀. Relative accuracy 1E-14 or better.
    /// @param s the confocal parameter (length²), s ≥ 0.
    /// @return I_a(s) and I_b(s) (dimensionless).
    /// @throws SpheroidError unless 0 ≤ s ≤ (1E60 a)², as far as points go.
    ShapeIntegrals confocalIntegrals(double s) const;

    /// Whether p lies inside the body: x²/a² + (y² + z²)/b² < 1 − 1E-12.
    /// @param p the point (body axes, length).
    /// @return true if inside.
    bool contains(const Vector3& p) const;

    /// @return the inertia coefficient k₁ (translation along the axis); relative accuracy
    /// 1E-14 or better.
    double k1() const;
    /// @return the inertia coefficient k₂ (translation across the axis); relative accuracy
    /// 1E-14 or better.
    double k2() const;
    /// @return the inertia coefficient k′ (rotation about an equatorial axis); relative
    /// accuracy 1E-14 or better, also near the sphere, where it falls as
    /// (λ² − 1)² / 6.
    double kPrime() const;

    /// @return the volume 4/3 π a b², relative accuracy 1E-15.
    double volume() const;
    /// @return the wetted area (prolate: 2π b² (1 + a asin(e) / (b e)), e² = 1 − b²/a²;
    /// oblate: 2π b² (1 + (a²/b²) atanh(e) / e), e² = 1 − a²/b²), relative
    /// accuracy 1E-15.
    double area() const;

private:
    Spheroid(double a, double b);

    double a_, b_;
    ShapeIntegrals integrals_;
};

} // namespace solva::spheroid
