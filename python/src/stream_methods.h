// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The methods the module's two stream classes share, whichever body the
// stream flows about: `Stream` is a bound struct holding the library's flow
// as `flow` (a spheroid's or an ellipsoid's, which evaluate alike).

#include "constructed.h"
#include "flow_values.h"
#include "points.h"

#include <pybind11/pybind11.h>

#include <string>

namespace solva::python {

// Unit direction d of the stream.
template <class Stream> Doubles streamDirection(Constructed<Stream> f) {
    return vectorArray(f->flow.stream());
}

// W, whose part tangential to the body is the surface velocity.
template <class Stream> Doubles streamW(Constructed<Stream> f) {
    return vectorArray(f->flow.w());
}

// One quantity at the points.
template <Quantity q, class Stream>
pybind11::object quantityAt(Constructed<Stream> f, const pybind11::handle& points,
                            const std::string& inside) {
    return evaluate(f->flow, points, inside, {q})[0];
}

// Every quantity at the points, as a FieldValues.
template <class Stream>
pybind11::object streamField(Constructed<Stream> f, const pybind11::handle& points,
                             const std::string& inside) {
    return fieldValues(f->flow, points, inside);
}

// Surface values at angles FI, theta (degrees).
template <class Stream>
pybind11::object streamSurface(Constructed<Stream> f, const pybind11::handle& FI,
                               const pybind11::handle& theta) {
    return surfaceValues(f->flow, FI, theta);
}

// Points of the suction-peak curve at parameters t (radians).
template <class Stream>
pybind11::object streamCpMinCurve(Constructed<Stream> f, const pybind11::handle& t) {
    return cpMinCurvePoints(f->flow, t);
}

// The methods on the body, surface() (surfaceDoc says which point the angles
// give) and cp_min_curve().
template <class Stream> void bindStreamOnBody(pybind11::class_<Stream>& c, const char* surfaceDoc) {
    namespace py = pybind11;
    c.def("surface", &streamSurface<Stream>, py::arg("FI"), py::arg("theta"), surfaceDoc)
        .def("cp_min_curve", &streamCpMinCurve<Stream>, py::arg("t"),
             "Points (..., 3) of the closed curve on the body where Cp = cp_min, at parameter t "
             "(radians, one turn the whole curve).");
}

// The methods taking points (..., 3) and the choice of what a point inside
// the body gives; potentialDoc and velocityDoc say what those two are.
template <class Stream>
void bindStreamAtPoints(pybind11::class_<Stream>& c, const char* potentialDoc,
                        const char* velocityDoc) {
    namespace py = pybind11;
    c.def("potential", &quantityAt<Quantity::Potential, Stream>, py::arg("points"), py::kw_only(),
          py::arg("inside") = "error", potentialDoc)
        .def("velocity", &quantityAt<Quantity::Velocity, Stream>, py::arg("points"), py::kw_only(),
             py::arg("inside") = "error", velocityDoc)
        .def("cu", &quantityAt<Quantity::Cu, Stream>, py::arg("points"), py::kw_only(),
             py::arg("inside") = "error", "Cu = |v|^2 / U^2 at the points.")
        .def("cp", &quantityAt<Quantity::Cp, Stream>, py::arg("points"), py::kw_only(),
             py::arg("inside") = "error", "Pressure coefficient Cp = 1 - Cu at the points.")
        .def("field", &streamField<Stream>, py::arg("points"), py::kw_only(),
             py::arg("inside") = "error",
             "Potential, velocity, Cu and Cp at the points in one pass: a FieldValues.");
}

} // namespace solva::python
