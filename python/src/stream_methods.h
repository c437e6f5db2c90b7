// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The methods the module's flow classes share, whichever body the flow is
// about: `Stream` is a bound struct holding the library's flow as `flow` (a
// spheroid's or an ellipsoid's, which evaluate alike). defAtPoints gives
// every method taking points, the moving body's too, its keywords.

#include "constructed.h"
#include "flow_values.h"
#include "points.h"
#include "result_arrays.h"

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

// (front, rear) stagnation points.
template <class Stream> pybind11::tuple streamStagnationPoints(Constructed<Stream> f) {
    const auto s = f->flow.stagnationPoints();
    return pybind11::make_tuple(vectorArray(s.front), vectorArray(s.rear));
}

// The suction peak 1 − |W|².
template <class Stream> double streamCpMin(Constructed<Stream> f) {
    return f->flow.cpMin();
}

// The read-only properties of the stream: stream, w (wDoc says what W is),
// stagnation_points and cp_min.
template <class Stream> void bindStreamProperties(pybind11::class_<Stream>& c, const char* wDoc) {
    c.def_property_readonly("stream", &streamDirection<Stream>, "Unit direction d of the stream.")
        .def_property_readonly("w", &streamW<Stream>, wDoc)
        .def_property_readonly(
            "stagnation_points", &streamStagnationPoints<Stream>,
            "(front, rear): the upstream and downstream stagnation points on the body.")
        .def_property_readonly("cp_min", &streamCpMin<Stream>,
                               "The suction peak, the least Cp on the body: 1 - |W|^2.");
}

// One quantity at the points.
template <Quantity q, class Stream>
pybind11::object quantityAt(Constructed<Stream> f, const pybind11::handle& points,
                            const std::string& inside, const pybind11::object& out) {
    return evaluate(f->flow, points, inside, {q}, out)[0];
}

// Every quantity at the points, as a FieldValues.
template <class Stream>
pybind11::object streamField(Constructed<Stream> f, const pybind11::handle& points,
                             const std::string& inside, const pybind11::object& out) {
    return fieldValues(f->flow, points, inside, out);
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
// give) and cp_min_curve(); `make` is the examples' line making `flow`.
template <class Stream>
void bindStreamOnBody(pybind11::class_<Stream>& c, const char* surfaceDoc, const char* make) {
    namespace py = pybind11;
    const std::string surface = std::string(surfaceDoc) + R"(

Parameters
----------
FI : array_like
    Eccentric angle, degrees: the point x = a at 0, x = -a at 180.
theta : array_like
    Circumferential angle, degrees: 0 towards y, 90 towards z.

Returns
-------
SurfaceValues
    Arrays of the shape FI and theta broadcast to, at least one-dimensional.

Raises
------
ValueError
    FI and theta that do not broadcast together, or are not finite.

Examples
--------
)" + make + R"(
>>> s = flow.surface([0.0, 45.0, 90.0], 90.0)
>>> s.Cp.shape, s.velocity.shape
((3,), (3, 3))
>>> bool(np.allclose(np.sum(s.normal * s.velocity, axis=-1), 0.0))  # tangent to the body
True)";
    const std::string curve =
        R"(Points (..., 3) of the closed curve on the body where Cp = cp_min, at parameter t.

Parameters
----------
t : array_like
    The curve's parameter, radians; one turn (0 to 2 pi) is the whole curve.

Returns
-------
ndarray (..., 3)
    The points, in the length unit of the body's axes.

Raises
------
ValueError
    A parameter that is not finite.

Examples
--------
)" + std::string(make) +
        R"(
>>> points = flow.cp_min_curve(np.linspace(0.0, 2.0 * np.pi, 5))
>>> points.shape
(5, 3)
>>> bool(np.allclose(flow.cp(points), flow.cp_min))
True)";
    c.def("surface", &streamSurface<Stream>, py::arg("FI"), py::arg("theta"), surface.c_str())
        .def("cp_min_curve", &streamCpMinCurve<Stream>, py::arg("t"), curve.c_str());
}

// What a method at points says: its first line, what it returns, its
// example (the lines after the one making the object), and (for a method of
// several results) what its out= holds instead of OutParameterDoc.
struct AtPointsDoc {
    const char* summary;
    const char* returns;
    std::string example;
    const char* out = OutParameterDoc;
};

// The method `name` of points (..., 3), with the keywords inside= and out=.
template <class Class, class Method>
void defAtPoints(pybind11::class_<Class>& c, const char* name, Method method,
                 const AtPointsDoc& doc) {
    namespace py = pybind11;
    const std::string text = std::string(doc.summary) + R"(

Parameters
----------
points : array_like (..., 3)
    x, y, z along the last axis, in the length unit of the body's axes.
inside : {'error', 'nan'}, optional
    What a point inside the body gives: ValueError naming it, or NaN.
)" + doc.out + R"(

Returns
-------
)" + doc.returns + R"(

Raises
------
ValueError
    Points not of shape (..., 3), NaN or infinite coordinates, a point
    farther than 1e60 semi-axes from the centre, a point inside the body
    (unless inside='nan'), or an unfit `out`.
TypeError
    Points that are not real numbers.

Examples
--------
)" + doc.example;
    c.def(name, method, py::arg("points"), py::kw_only(), py::arg("inside") = "error",
          py::arg("out") = py::none(), text.c_str());
}

// The stream's methods at points; potentialDoc and velocityDoc say what those
// two are, `make` is the examples' line making `flow`.
template <class Stream>
void bindStreamAtPoints(pybind11::class_<Stream>& c, const char* potentialDoc,
                        const char* velocityDoc, const char* make) {
    const std::string m = std::string(make) + "\n";
    defAtPoints(c, "potential", &quantityAt<Quantity::Potential, Stream>,
                {potentialDoc, "float or ndarray (...)\n    The potential; `out` if given.",
                 m + ">>> flow.potential([[4.0, 0.0, 0.0], [0.0, 0.0, 3.0]]).shape\n(2,)"});
    defAtPoints(c, "velocity", &quantityAt<Quantity::Velocity, Stream>,
                {velocityDoc, "ndarray (..., 3)\n    The velocity; `out` if given.",
                 m + ">>> bool(np.allclose(flow.velocity([1e6, 0.0, 0.0]), flow.stream))  "
                     "# the stream far away\nTrue"});
    defAtPoints(c, "cu", &quantityAt<Quantity::Cu, Stream>,
                {"Cu = |v|^2 / U^2 at the points.", "float or ndarray (...)\n    `out` if given.",
                 m + ">>> front, rear = flow.stagnation_points\n"
                     ">>> round(flow.cu(front), 9)\n0.0"});
    defAtPoints(c, "cp", &quantityAt<Quantity::Cp, Stream>,
                {"Pressure coefficient Cp = 1 - Cu at the points.",
                 "float or ndarray (...)\n    `out` if given.",
                 m + ">>> front, rear = flow.stagnation_points\n"
                     ">>> round(flow.cp(front), 9)\n1.0"});
    defAtPoints(c, "field", &streamField<Stream>,
                {"Potential, velocity, Cu and Cp at the points in one pass: a FieldValues.",
                 "FieldValues\n    (potential, velocity, Cu, Cp); the arrays of `out` if given.",
                 m + ">>> values = flow.field(np.zeros((4, 5, 3)) + [0.0, 0.0, 2.0])\n"
                     ">>> values.velocity.shape, values.Cp.shape\n((4, 5, 3), (4, 5))\n"
                     ">>> bool(np.allclose(values.Cp, 1.0 - values.Cu))\nTrue",
                 R"(out : tuple of 4 ndarrays, optional
    Arrays for potential (...), velocity (..., 3), Cu (...) and Cp (...), in
    that order, each as a single result's out= and apart from each other.
    Anything else raises ValueError before anything is computed; a point
    refused while computing leaves them partly written.)"});
}

} // namespace solva::python
