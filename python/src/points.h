// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Arrays handed in from Python, checked and brought to contiguous doubles,
// copied only when they are not that already.

#include "spheroid/vector3.h"

#include <pybind11/numpy.h>

#include <string>
#include <vector>

namespace solva::python {

using Doubles = pybind11::array_t<double, pybind11::array::c_style | pybind11::array::forcecast>;

// `values` as doubles: any array-like of real numbers (integers, floats).
// Throws TypeError for anything else, naming `what`.
Doubles asDoubles(const pybind11::handle& values, const std::string& what);

// `values` as points: an array of shape (..., 3), x, y, z along the last
// axis. Throws TypeError or ValueError naming `what` and the expected shape.
Doubles asPoints(const pybind11::handle& values, const std::string& what);

// `value` as a vector: three numbers x, y, z. Throws TypeError or ValueError
// naming `what`.
spheroid::Vector3 asVector(const pybind11::handle& value, const std::string& what);

// v as Python's repr() gives it, for the classes' own __repr__.
std::string floatRepr(double v);

// A shape as NumPy prints it: "(1000, 3)", "(3,)", "()".
std::string shapeText(const std::vector<pybind11::ssize_t>& shape);

// The shape of an array.
std::vector<pybind11::ssize_t> shapeOf(const pybind11::array& a);

// The shape of the leading axes of points (all but the last).
std::vector<pybind11::ssize_t> leadingShape(const Doubles& points);

// Throws ValueError naming the first value that is NaN or infinite.
void requireFinite(const Doubles& values, const std::string& what);

} // namespace solva::python
