// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The arrays a method's results are written into: new ones, or those the
// caller hands in as out=, as NumPy's functions take them. A given array is
// checked whole before anything is computed, so that a refused one is left
// as it was.

#include "points.h"

#include <pybind11/numpy.h>

#include <cstddef>
#include <span>
#include <vector>

namespace solva::python {

using Shape = std::vector<pybind11::ssize_t>;

class ResultArrays {
public:
    // Arrays for results of the given shapes. `out` is None (new arrays), or
    // for one result an array, for several a tuple of as many arrays in the
    // order of `shapes`. Each given array must be a writeable, C-contiguous
    // float64 ndarray of exactly its shape whose memory lies apart from the
    // points (`points` as given and `xyz` as read) and from the other arrays.
    // Throws ValueError otherwise, naming the argument ("out" or "out[i]"),
    // what was expected and what it got.
    ResultArrays(const pybind11::object& out, const std::vector<Shape>& shapes,
                 const pybind11::handle& points, const Doubles& xyz);

    // The i-th result's array and its values in C order.
    const Doubles& array(std::size_t i) const { return arrays_[i]; }
    std::span<double> values(std::size_t i);

    // The results as a method returns them: the given arrays themselves, or
    // the new ones (a 0-d one as a float).
    std::vector<pybind11::object> results() const;

private:
    std::vector<Doubles> arrays_;
    bool given_;
};

// The docstring entry of out= for a method of one result.
inline constexpr const char* OutParameterDoc = R"(out : ndarray, optional
    An array to write the result into and return instead of a new one: a
    writeable C-contiguous float64 ndarray of exactly the result's shape,
    its memory apart from the points. Anything else raises ValueError
    before anything is computed; a point refused while computing leaves it
    partly written.)";

// A 0-d result as a Python float, anything else as the array.
pybind11::object scalarOrArray(const Doubles& values);

} // namespace solva::python
