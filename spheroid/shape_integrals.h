// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The shape integrals of a spheroid (docs/mathematics.md, "Shape integrals"),
/// from their definition in Lamb, Hydrodynamics, 6th ed. (1932), §§114, 373:
///
///   I_a(s) = a b² ∫ₛ^∞ dt / ((a² + t) Δ(t)),   I_b(s) = a b² ∫ₛ^∞ dt / ((b² + t) Δ(t)),
///   Δ(t) = √((a² + t)(b² + t)²),   α₀ = I_a(0),   β₀ = I_b(0),   α₀ + 2 β₀ = 2.
///
/// Symbols: a the semi-axis along the axis of revolution, b = c the semi-axis
/// across it, λ = b / a the thickness ratio (λ < 1 prolate, 1 sphere, > 1
/// oblate), s the parameter of the confocal spheroid through a point (a length
/// squared, 0 on the body). All integrals are dimensionless.
///
/// With A = a² + s, B = b² + s and x = (B − A) / A = (b² − a²) / A,
///   I_a(s) = (2 a b² / A^(3/2)) g(x),  I_b(s) = (2 a b² / A^(3/2)) h(x),
///   g(x) = ∫₀¹ u² du / (1 + x u²),     h(x) = ∫₀¹ u² du / (1 + x u²)²,
/// which the functions below evaluate in closed form (a logarithm for the
/// prolate, an arc tangent for the oblate) away from the sphere and by series
/// near it, where the closed forms cancel.

namespace solva::spheroid {

/// A pair of shape integrals: α₀ and β₀ on the body, I_a(s) and I_b(s) off it.
struct ShapeIntegrals {
    double alpha; ///< axial: α₀ or I_a(s)
    double beta;  ///< transverse: β₀ or I_b(s)
};

/// Smallest thickness ratio the library takes.
inline constexpr double minLambda = 1E-6;
/// Largest thickness ratio the library takes.
inline constexpr double maxLambda = 1E6;

/// α₀ and β₀ of a spheroid, which depend on its thickness ratio alone.
/// Accurate to 4 ulp of each against a 30-digit reference for every
/// lambda in [minLambda, maxLambda], including 1 ± 1E-12 (tested); α₀ + 2 β₀
/// equals 2 to rounding.
/// @param lambda the thickness ratio λ = b / a.
/// @return α₀ and β₀ (dimensionless).
/// @throws SpheroidError unless lambda is finite and in [minLambda, maxLambda].
ShapeIntegrals shapeIntegrals(double lambda);

} // namespace solva::spheroid
