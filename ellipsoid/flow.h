// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The exact potential flow about an ellipsoid at rest in a uniform stream of
// unit speed U = 1 in direction d, at any point on or outside the body
// (Lamb, Hydrodynamics, §§114, 373). With φ_i the translation modes
// (detail/modes.h: the body moving along axis i in still fluid),
//   Φ = d · x − Σ d_i φ_i,   v = ∇Φ,   Cu = |v|² / U²,   Cp = 1 − Cu,
// Φ − d · x vanishing at infinity as 1/r². On the body the velocity is the
// part of W = ((1 + k₁) d₁, (1 + k₂) d₂, (1 + k₃) d₃) tangent to it.
// Potentials in U times the unit of the axes, velocities in U.
//
// Accuracy: potential and velocity to 1E-14 of the stream speed (tested
// against the body condition, Laplace and the spheroid library).

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

class Flow {
public:
    // The stream of angle of attack alphaDeg and yaw angle betaDeg (degrees),
    // d = (cos α cos β, sin β, sin α cos β) as for the spheroid
    // (spheroid/stream_direction.h). Throws EllipsoidError unless both are
    // finite and within ±360°.
    Flow(const Ellipsoid& body, double alphaDeg, double betaDeg);
    // The stream along direction (any finite non-zero vector, normalised).
    Flow(const Ellipsoid& body, const Vector3& direction);

    const Ellipsoid& body() const { return body_; }
    const Vector3& stream() const { return d_; }
    const Vector3& w() const { return w_; }

    // The flow at p on or outside the body (within 1E-12, relative, of the
    // surface counts as on it). Throws EllipsoidError naming p if it is
    // inside, not finite, or farther than 1E60 L from the centre.
    FieldPoint at(const Vector3& p) const;

    // The flow at n points xyz = x₀ y₀ z₀ x₁ … into out, as the spheroid's
    // Flow::evaluate (threads, sizes, InsidePoints and errors alike).
    void evaluate(std::span<const double> xyz, const FieldOutput& out,
                  InsidePoints inside = InsidePoints::Error, unsigned threads = 0) const;

    // Surface values at the point (a cos u, b sin u cos v, c sin u sin v)
    // (radians, any finite values). Throws EllipsoidError unless finite.
    SurfacePoint onSurface(double u, double v) const;

    // Where the outward normal is −W / |W| (front) and W / |W| (rear).
    StagnationPoints stagnationPoints() const;

    // Cp_min = 1 − |W|², all along the curve W · n = 0: the ellipse cut by
    // the plane through the centre of normal (W₁ / a², W₂ / b², W₃ / c²).
    double cpMin() const;
    Vector3 cpMinPlaneNormal() const;
    // The point of that curve at parameter t (radians), as the spheroid's
    // (e₁ the unit vector of the plane closest to +x, or +y). Throws
    // EllipsoidError unless t is finite.
    Vector3 cpMinCurve(double t) const;

    // The Munk moment about the centre, M = ρ U² V (K d) × d, K = diag(k₁, k₂,
    // k₃), in ρ U² L³ (N·m for kg/m³, m/s and m); equal to the moment of the
    // surface pressure (tested). Component i is ρ U² V (k_j − k_k) d_j d_k,
    // (i, j, k) cyclic, with Ellipsoid::kTranslationDifferences: within 4E-15
    // of its own size, axes 1 part in 1E9 apart included (tested against 30
    // digits). Formed without overflow: a component is right
    // wherever the true one lies within the range of a double. Throws
    // EllipsoidError unless density is finite and positive and speed finite,
    // and spheroid::ResultOutOfRange naming the component and the inputs when
    // one is beyond the largest double.
    Vector3 munkMoment(double density = 1, double speed = 1) const;

private:
    Ellipsoid body_;
    Vector3 d_, w_;
};

} // namespace solva::ellipsoid
