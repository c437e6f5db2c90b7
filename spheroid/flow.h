// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The exact potential flow about a spheroid at rest in a uniform stream, at
// any point on or outside the body (docs/mathematics.md, "The flow anywhere").
//
// Stream: unit speed U = 1 at infinity in the direction
//   d = (cos α cos β, sin β, sin α cos β)
// (α the angle of attack, β the yaw angle; body axes of vector3.h). With s
// the parameter of the confocal spheroid x²/(a² + s) + (y² + z²)/(b² + s) = 1
// through the point (docs/mathematics.md, "The confocal coordinate") and I_a,
// I_b the integrals there (Lamb, Hydrodynamics, §§114-115, 373):
//   Φ = d₁ x (1 + I_a(s) / (2 − α₀)) + (d₂ y + d₃ z)(1 + I_b(s) / (2 − β₀)),
// the disturbance Φ − d · p vanishing at infinity as 1/r². The velocity is
// v = ∇Φ, Cu = |v|² / U², Cp = 1 − Cu. Potentials are in U times the
// spheroid's length unit, velocities in U.
//
// On the body the velocity is the part of W = ((1 + k₁) d₁, (1 + k₂) d₂,
// (1 + k₂) d₃) tangent to the surface, so Cu = |W|² − (W · n)², n the outward
// unit normal: the window's speed grid, to which onSurface agrees within
// 1E-13 (tested).
//
// Accuracy: potential and velocity to 1E-14 of the stream speed (relative
// to U, absolute) on and off the body.

#include <cstddef>
#include <span>

#include "spheroid/spheroid.h"
#include "spheroid/vector3.h"

namespace solva::spheroid {

// The flow at one point: total potential Φ, velocity v, Cu = |v|², Cp = 1 − Cu.
struct FieldPoint {
    double potential;
    Vector3 velocity;
    double cu, cp;
};

// What an array evaluation does with a point inside the body (or a
// non-finite one): throw a SpheroidError naming the first such point, or give
// NaN in every output of that point (for a field on a grid that cuts the body).
enum class InsidePoints { Error, NaN };

// Caller-provided outputs of an array of n points, each either empty (not
// wanted) or of exactly its size: potential, cu and cp n values, velocity 3n
// (u, v, w of each point in turn, the layout of the input).
struct FieldOutput {
    std::span<double> potential, velocity, cu, cp;
};

// A point on the surface at eccentric angle FI and circumferential angle θ
// (radians): position (a cos FI, b sin FI cos θ, b sin FI sin θ), outward
// unit normal, velocity (tangent to the surface), Cu and Cp.
struct SurfacePoint {
    Vector3 position, normal, velocity;
    double cu, cp;
};

// The two stagnation points, where v = 0 and the outward normal is parallel
// to W: front (upstream, n = −W / |W|) and rear (n = W / |W|).
struct StagnationPoints {
    Vector3 front, rear;
};

class Flow {
public:
    // The flow about body in the stream of angle of attack alphaDeg and yaw
    // angle betaDeg (degrees; radians = degrees · π / 180, π = 4 arctan 1, as
    // the window). Throws SpheroidError unless both angles are finite and
    // within ±360°.
    Flow(const Spheroid& body, double alphaDeg, double betaDeg);

    const Spheroid& body() const { return body_; }
    // d, the unit direction of the stream.
    const Vector3& stream() const { return d_; }
    // W = ((1 + k₁) d₁, (1 + k₂) d₂, (1 + k₂) d₃).
    const Vector3& w() const { return w_; }

    // The flow at point p on or outside the body (points within 1E-12,
    // relative, of the surface count as on it). Throws SpheroidError naming
    // p if it is inside the body, not finite, or farther than 1E60 semi-axes a
    // from the centre.
    FieldPoint at(const Vector3& p) const;
    double potential(const Vector3& p) const { return at(p).potential; }
    Vector3 velocity(const Vector3& p) const { return at(p).velocity; }
    double cu(const Vector3& p) const { return at(p).cu; }
    double cp(const Vector3& p) const { return at(p).cp; }

    // The flow at n points given as contiguous triples xyz = x₀ y₀ z₀ x₁ …
    // (xyz.size() = 3n), written into out. Up to `threads` threads share the
    // work, at most one per 2¹⁵ points (fewer gain nothing); threads = 0 means
    // the machine's core count, 1 runs single-threaded. Throws SpheroidError if
    // xyz.size() is not a multiple of 3 or an output has the wrong size
    // (before writing anything), and, with InsidePoints::Error, naming the
    // first point (index and coordinates) inside the body, not finite or
    // too far (as for at()),
    // after which the outputs hold partial results. Same values as at().
    void evaluate(std::span<const double> xyz, const FieldOutput& out,
                  InsidePoints inside = InsidePoints::Error, unsigned threads = 0) const;

    // Surface quantities at eccentric angle fi and circumferential angle
    // theta (radians, any finite values). Throws SpheroidError unless finite.
    SurfacePoint onSurface(double fi, double theta) const;

    // The stagnation points, in closed form.
    StagnationPoints stagnationPoints() const;

    // The suction peak: the least pressure coefficient on the body,
    // Cp_min = 1 − |W|², reached all along the curve where W · n = 0, the
    // ellipse in which the plane W₁ x / a² + (W₂ y + W₃ z) / b² = 0 through
    // the centre cuts the body.
    double cpMin() const;
    // The normal (W₁ / a², W₂ / b², W₃ / b²) of that plane, unnormalised.
    Vector3 cpMinPlaneNormal() const;
    // The point of that curve at parameter t (radians; one turn is the whole
    // closed curve): the body point in the direction cos t e₁ + sin t e₂, e₁
    // and e₂ an orthonormal pair in the plane, e₁ the unit vector of the plane
    // closest to +x, or +y when the plane is x = 0. Throws unless t is finite.
    Vector3 cpMinCurve(double t) const;

    // The Munk moment of the stream on the body about its centre, for fluid of
    // density density and stream speed U = speed: the vector
    //   M = ρ U² V (k₂ − k₁) (d · eₓ) (d × eₓ),
    // magnitude ½ ρ U² V (k₂ − k₁) sin 2ε, ε the angle between axis and
    // stream. For a prolate body (k₂ > k₁) it turns the axis away from the
    // stream, towards broadside (an unstable moment); an oblate body's turns
    // the axis towards the stream. Units ρ U² L³ (N·m for kg/m³, m/s and a body
    // in metres). Equal to the moment of the surface pressure ½ ρ U² Cp
    // integrated over the body (tested); the force is zero. Formed without
    // overflow (each factor a mantissa and an exponent of its own), so a
    // component is 0 or in range wherever the true one is. Throws
    // SpheroidError unless density is finite and positive and speed finite,
    // and ResultOutOfRange naming the inputs when a component is beyond the
    // largest double.
    Vector3 munkMoment(double density = 1, double speed = 1) const;

private:
    Spheroid body_;
    Vector3 d_, w_;
};

} // namespace solva::spheroid
