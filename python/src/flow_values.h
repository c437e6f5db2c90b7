// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The exact flow's quantities over NumPy arrays: at points off the body, on
// the surface, and along the suction-peak curve. Results have the leading
// shape of the input (a 0-d input gives a float, or a 3-vector), velocities
// in units of the stream speed, potentials in that speed times the length
// unit. The libraries' errors (SpheroidError, EllipsoidError) pass through.

#include "ellipsoid/flow.h"
#include "ellipsoid/motion.h"
#include "points.h"
#include "spheroid/flow.h"
#include "spheroid/vector3.h"

#include <pybind11/pybind11.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace solva::python {

enum class Quantity { Potential, Velocity, Cu, Cp };

// The named tuples SurfaceValues and FieldValues, made and set on the module
// `m`; surfaceValues() and Flow.field look them up there when they need them.
void defineValueTypes(pybind11::module_& m);

// Quantities of the flow at the points (an array (..., 3)), in one pass: each
// an array of the points' shape (with an axis of 3 added for the velocity).
// `inside` is "error" (a point inside the body raises ValueError naming it)
// or "nan" (NaN there); anything else, a non-finite point, or one beyond the
// flow's range raises ValueError. `out` is None or where the results go, as
// ResultArrays takes it (an array for one quantity, a tuple for several);
// a refused out raises ValueError before anything is computed, a point
// refused while computing leaves it partly written. FlowT is spheroid::Flow
// or ellipsoid::Flow.
template <class FlowT>
std::vector<pybind11::object>
evaluate(const FlowT& flow, const pybind11::handle& points, const std::string& inside,
         std::initializer_list<Quantity> quantities, const pybind11::object& out);

// All four quantities as a FieldValues; `out` a tuple of four arrays or None.
template <class FlowT>
pybind11::object fieldValues(const FlowT& flow, const pybind11::handle& points,
                             const std::string& inside, const pybind11::object& out);

// The fluid's potential and velocity about the moving body, as evaluate()
// (quantities Potential and Velocity only).
std::vector<pybind11::object>
motionValues(const ellipsoid::Motion& motion, const ellipsoid::Ellipsoid& body,
             const pybind11::handle& points, const std::string& inside,
             std::initializer_list<Quantity> quantities, const pybind11::object& out);

// A SurfaceValues at eccentric angle FI and circumferential angle theta
// (degrees, arrays that broadcast together), the body point
// (a cos FI, b sin FI cos theta, c sin FI sin theta). ValueError if they do
// not broadcast. FlowT is spheroid::Flow or ellipsoid::Flow.
template <class FlowT>
pybind11::object surfaceValues(const FlowT& flow, const pybind11::handle& FI,
                               const pybind11::handle& theta);

// Points (..., 3) of the curve where Cp = cp_min, at parameters t (radians).
template <class FlowT>
pybind11::object cpMinCurvePoints(const FlowT& flow, const pybind11::handle& t);

// A vector as an array (3,).
Doubles vectorArray(const spheroid::Vector3& v);

} // namespace solva::python
