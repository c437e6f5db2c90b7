// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

/// @file
/// The exact potential flow about an ellipsoid at rest in a uniform stream of
/// unit speed U = 1 in direction d, at any point on or outside the body
/// (Lamb, Hydrodynamics, §§114, 373). With φ_i the translation modes
/// (detail/modes.h: the body moving along axis i in still fluid),
///   Φ = d · x − Σ d_i φ_i,   v = ∇Φ,   Cu = |v|² / U²,   Cp = 1 − Cu,
/// Φ − d · x vanishing at infinity as 1/r². On the body the velocity is the
/// part of W = ((1 + k₁) d₁, (1 + k₂) d₂, (1 + k₃) d₃) tangent to it.
/// Potentials in U times the unit of the axes, velocities in U.
///
/// Accuracy: potential and velocity to 1E-14 of the stream speed (tested
/// against the body condition, Laplace and the spheroid library).

#include <cstddef>
#include <span>

#include "ellipsoid/ellipsoid.h"
#include "spheroid/flow.h"

namespace solva::ellipsoid {

// The same kinds as the spheroid's flow (spheroid/flow.h): the flow at one
// point, the caller's outputs of an array, what to do with points inside,
// a surface point, the stagnation points.
using spheroid::FieldOutput;
using spheroid::FieldPoint;
using spheroid::InsidePoints;
using spheroid::StagnationPoints;
using spheroid::SurfacePoint;

/// The flow about an ellipsoid at rest in a uniform stream of unit speed.
class Flow {
public:
    /// The stream of the given angles, d = (cos α cos β, sin β, sin α cos β)
    /// as for the spheroid (spheroid/stream_direction.h).
    /// @param body the ellipsoid.
    /// @param alphaDeg the angle of attack α (degrees).
    /// @param betaDeg the yaw angle β (degrees).
    /// @throws EllipsoidError unless both are finite and within ±360°.
    Flow(const Ellipsoid& body, double alphaDeg, double betaDeg);
    /// The stream along a direction.
    /// @param body the ellipsoid.
    /// @param direction any finite non-zero vector, normalised here.
    /// @throws EllipsoidError unless direction is finite and non-zero.
    Flow(const Ellipsoid& body, const Vector3& direction);

    /// @return the ellipsoid.
    const Ellipsoid& body() const { return body_; }
    /// @return d, the unit direction of the stream.
    const Vector3& stream() const { return d_; }
    /// @return W = ((1 + k₁) d₁, (1 + k₂) d₂, (1 + k₃) d₃).
    const Vector3& w() const { return w_; }

    /// The flow at a point on or outside the body (within 1E-12, relative, of
    /// the surface counts as on it).
    /// @param p the point (length).
    /// @return Φ, v, Cu and Cp at p.
    /// @throws EllipsoidError naming p if it is inside, not finite, or farther
    ///         than 1E60 L from the centre.
    FieldPoint at(const Vector3& p) const;

    /// The flow at n points into out, as the spheroid's
    /// spheroid::Flow::evaluate (threads, sizes, InsidePoints and errors alike).
    /// @param xyz the points x₀ y₀ z₀ x₁ … (3n values).
    /// @param out the outputs wanted, each empty or of its exact size.
    /// @param inside what to do with a point inside the body, not finite or too far.
    /// @param threads the most threads to share the work; 0: the core count.
    /// @throws EllipsoidError as spheroid::Flow::evaluate throws SpheroidError.
    void evaluate(std::span<const double> xyz, const FieldOutput& out,
                  InsidePoints inside = InsidePoints::Error, unsigned threads = 0) const;

    /// Surface values at the point (a cos u, b sin u cos v, c sin u sin v).
    /// @param u,v the angles (radians, any finite values).
    /// @return position, normal, velocity, Cu and Cp there.
    /// @throws EllipsoidError unless finite.
    SurfacePoint onSurface(double u, double v) const;

    /// @return where the outward normal is −W / |W| (front) and W / |W| (rear).
    StagnationPoints stagnationPoints() const;

    /// @return Cp_min = 1 − |W|², all along the curve W · n = 0: the ellipse cut
    /// by the plane through the centre of normal (W₁ / a², W₂ / b², W₃ / c²).
    double cpMin() const;
    /// @return the normal (W₁ / a², W₂ / b², W₃ / c²) of that plane, unnormalised.
    Vector3 cpMinPlaneNormal() const;
    /// The point of that curve at a parameter, as the spheroid's
    /// (e₁ the unit vector of the plane closest to +x, or +y).
    /// @param t the parameter (radians).
    /// @return the body point (length).
    /// @throws EllipsoidError unless t is finite.
    Vector3 cpMinCurve(double t) const;

    /// The Munk moment about the centre, M = ρ U² V (K d) × d, K = diag(k₁, k₂,
    /// k₃), in ρ U² L³ (N·m for kg/m³, m/s and m); equal to the moment of the
    /// surface pressure (tested). Component i is ρ U² V (k_j − k_k) d_j d_k,
    /// (i, j, k) cyclic, with Ellipsoid::kTranslationDifferences: within 4E-15
    /// of its own size, axes 1 part in 1E9 apart included (tested against 30
    /// digits). Formed without overflow: a component is right
    /// wherever the true one lies within the range of a double.
    /// @param density the fluid's density ρ.
    /// @param speed the stream speed U.
    /// @return M.
    /// @throws EllipsoidError unless density is finite and positive and speed finite.
    /// @throws spheroid::ResultOutOfRange naming the component and the inputs
    ///         when one is beyond the largest double.
    Vector3 munkMoment(double density = 1, double speed = 1) const;

private:
    Ellipsoid body_;
    Vector3 d_, w_;
};

} // namespace solva::ellipsoid
