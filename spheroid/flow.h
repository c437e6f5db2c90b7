// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The exact potential flow about a spheroid at rest in a uniform stream, at
/// any point on or outside the body (docs/mathematics.md, "The flow anywhere").
///
/// Stream: unit speed U = 1 at infinity in the direction
///   d = (cos α cos β, sin β, sin α cos β)
/// (α the angle of attack, β the yaw angle; body axes of vector3.h). With s
/// the parameter of the confocal spheroid x²/(a² + s) + (y² + z²)/(b² + s) = 1
/// through the point (docs/mathematics.md, "The confocal coordinate") and I_a,
/// I_b the integrals there (Lamb, Hydrodynamics, §§114-115, 373):
///   Φ = d₁ x (1 + I_a(s) / (2 − α₀)) + (d₂ y + d₃ z)(1 + I_b(s) / (2 − β₀)),
/// the disturbance Φ − d · p vanishing at infinity as 1/r². The velocity is
/// v = ∇Φ, Cu = |v|² / U², Cp = 1 − Cu. Potentials are in U times the
/// spheroid's length unit, velocities in U.
///
/// On the body the velocity is the part of W = ((1 + k₁) d₁, (1 + k₂) d₂,
/// (1 + k₂) d₃) tangent to the surface, so Cu = |W|² − (W · n)², n the outward
/// unit normal: the window's speed grid, to which onSurface agrees within
/// 1E-13 (tested).
///
/// Accuracy: potential and velocity to 1E-14 of the stream speed (relative
/// to U, absolute) on and off the body.

#include <cstddef>
#include <span>

#include "spheroid/spheroid.h"
#include "spheroid/vector3.h"

namespace solva::spheroid {

/// The flow at one point: total potential Φ, velocity v, Cu = |v|², Cp = 1 − Cu.
struct FieldPoint {
    double potential; ///< Φ, in U times the length unit
    Vector3 velocity; ///< v = ∇Φ, in U
    double cu;        ///< Cu = |v|² / U²
    double cp;        ///< Cp = 1 − Cu
};

/// What an array evaluation does with a point inside the body (or a
/// non-finite one).
enum class InsidePoints {
    Error, ///< throw an error naming the first such point
    NaN    ///< NaN in every output of that point (for a field on a grid that cuts the body)
};

/// Caller-provided outputs of an array of n points, each either empty (not
/// wanted) or of exactly its size.
struct FieldOutput {
    std::span<double> potential; ///< n values of Φ
    std::span<double> velocity;  ///< 3n: u, v, w of each point in turn, the layout of the input
    std::span<double> cu;        ///< n values of Cu
    std::span<double> cp;        ///< n values of Cp
};

/// A point on the surface at eccentric angle FI and circumferential angle θ
/// (radians): position (a cos FI, b sin FI cos θ, b sin FI sin θ), outward
/// unit normal, velocity (tangent to the surface), Cu and Cp.
struct SurfacePoint {
    Vector3 position; ///< the body point (length)
    Vector3 normal;   ///< the outward unit normal
    Vector3 velocity; ///< the velocity, tangent to the surface, in U
    double cu;        ///< Cu = |v|² / U²
    double cp;        ///< Cp = 1 − Cu
};

/// The two stagnation points, where v = 0 and the outward normal is parallel
/// to W.
struct StagnationPoints {
    Vector3 front; ///< upstream, where n = −W / |W|
    Vector3 rear;  ///< downstream, where n = W / |W|
};

/// The flow about a spheroid at rest in a uniform stream of unit speed.
class Flow {
public:
    /// The flow about body in the stream of the given angles (radians =
    /// degrees · π / 180, π = 4 arctan 1, as the window).
    /// @param body the spheroid.
    /// @param alphaDeg the angle of attack α (degrees).
    /// @param betaDeg the yaw angle β (degrees).
    /// @throws SpheroidError unless both angles are finite and within ±360°.
    Flow(const Spheroid& body, double alphaDeg, double betaDeg);

    /// @return the spheroid.
    const Spheroid& body() const { return body_; }
    /// @return d, the unit direction of the stream.
    const Vector3& stream() const { return d_; }
    /// @return W = ((1 + k₁) d₁, (1 + k₂) d₂, (1 + k₂) d₃).
    const Vector3& w() const { return w_; }

    /// The flow at a point on or outside the body (points within 1E-12,
    /// relative, of the surface count as on it).
    /// @param p the point (body axes, length).
    /// @return Φ, v, Cu and Cp at p.
    /// @throws SpheroidError naming p if it is inside the body, not finite, or
    ///         farther than 1E60 semi-axes a from the centre.
    FieldPoint at(const Vector3& p) const;
    /// The potential at p, as at().
    /// @param p the point (body axes, length).
    /// @return Φ.
    /// @throws SpheroidError as at().
    double potential(const Vector3& p) const { return at(p).potential; }
    /// The velocity at p, as at().
    /// @param p the point (body axes, length).
    /// @return v.
    /// @throws SpheroidError as at().
    Vector3 velocity(const Vector3& p) const { return at(p).velocity; }
    /// Cu at p, as at().
    /// @param p the point (body axes, length).
    /// @return Cu.
    /// @throws SpheroidError as at().
    double cu(const Vector3& p) const { return at(p).cu; }
    /// Cp at p, as at().
    /// @param p the point (body axes, length).
    /// @return Cp.
    /// @throws SpheroidError as at().
    double cp(const Vector3& p) const { return at(p).cp; }

    /// The flow at n points, written into out. Same values as at().
    /// @param xyz the points as contiguous triples x₀ y₀ z₀ x₁ … (xyz.size() = 3n).
    /// @param out the outputs wanted, each empty or of its exact size.
    /// @param inside what to do with a point inside the body, not finite or too far.
    /// @param threads up to this many threads share the work, at most one per
    ///        2¹⁵ points (fewer gain nothing); 0 means the machine's core count,
    ///        1 runs single-threaded.
    /// @throws SpheroidError if xyz.size() is not a multiple of 3 or an output
    ///         has the wrong size (before writing anything), and, with
    ///         InsidePoints::Error, naming the first point (index and
    ///         coordinates) inside the body, not finite or too far (as for
    ///         at()), after which the outputs hold partial results.
    void evaluate(std::span<const double> xyz, const FieldOutput& out,
                  InsidePoints inside = InsidePoints::Error, unsigned threads = 0) const;

    /// Surface quantities at a point of the body.
    /// @param fi the eccentric angle FI (radians, any finite value).
    /// @param theta the circumferential angle θ (radians, any finite value).
    /// @return position, normal, velocity, Cu and Cp there.
    /// @throws SpheroidError unless both are finite.
    SurfacePoint onSurface(double fi, double theta) const;

    /// @return the stagnation points, in closed form.
    StagnationPoints stagnationPoints() const;

    /// @return the suction peak: the least pressure coefficient on the body,
    /// Cp_min = 1 − |W|², reached all along the curve where W · n = 0, the
    /// ellipse in which the plane W₁ x / a² + (W₂ y + W₃ z) / b² = 0 through
    /// the centre cuts the body.
    double cpMin() const;
    /// @return the normal (W₁ / a², W₂ / b², W₃ / b²) of that plane, unnormalised.
    Vector3 cpMinPlaneNormal() const;
    /// The point of that curve at a parameter: the body point in the direction
    /// cos t e₁ + sin t e₂, e₁ and e₂ an orthonormal pair in the plane, e₁ the
    /// unit vector of the plane closest to +x, or +y when the plane is x = 0.
    /// @param t the parameter (radians; one turn is the whole closed curve).
    /// @return the body point (body axes, length).
    /// @throws SpheroidError unless t is finite.
    Vector3 cpMinCurve(double t) const;

    /// The Munk moment of the stream on the body about its centre: the vector
    ///   M = ρ U² V (k₂ − k₁) (d · eₓ) (d × eₓ),
    /// magnitude ½ ρ U² V (k₂ − k₁) sin 2ε, ε the angle between axis and
    /// stream. For a prolate body (k₂ > k₁) it turns the axis away from the
    /// stream, towards broadside (an unstable moment); an oblate body's turns
    /// the axis towards the stream. Units ρ U² L³ (N·m for kg/m³, m/s and a body
    /// in metres). Equal to the moment of the surface pressure ½ ρ U² Cp
    /// integrated over the body (tested); the force is zero. Formed without
    /// overflow (each factor a mantissa and an exponent of its own), so a
    /// component is 0 or in range wherever the true one is.
    /// @param density the fluid's density ρ.
    /// @param speed the stream speed U.
    /// @return M, in ρ U² L³.
    /// @throws SpheroidError unless density is finite and positive and speed finite.
    /// @throws ResultOutOfRange naming the inputs when a component is beyond the
    ///         largest double.
    Vector3 munkMoment(double density = 1, double speed = 1) const;

private:
    Spheroid body_;
    Vector3 d_, w_;
};

} // namespace solva::spheroid
