// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "flow_values.h"
#include "bindings.h"
#include "result_arrays.h"
#include "spheroid/stream_direction.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <sstream>

namespace py = pybind11;
using namespace solva::spheroid;

namespace solva::python {

namespace {

InsidePoints insideMode(const std::string& inside) {
    if (inside == "error") {
        return InsidePoints::Error;
    }
    if (inside == "nan") {
        return InsidePoints::NaN;
    }
    throw py::value_error("inside must be 'error' or 'nan', not '" + inside + "'");
}

// NaN is for points inside the body: a NaN result at a point outside it (the
// point is finite) is one beyond the flow's range, refused as a non-finite
// point is. `result` holds one or three values a point, NaN where refused.
template <class Body>
void requireNearBody(const Body& body, const Doubles& xyz, const Doubles& result) {
    const py::ssize_t points = xyz.size() / 3;
    const py::ssize_t stride = points == 0 ? 1 : result.size() / points;
    for (py::ssize_t i = 0; i < points; ++i) {
        const double* p = xyz.data() + 3 * i;
        if (std::isnan(result.data()[stride * i]) && !body.contains({p[0], p[1], p[2]})) {
            std::ostringstream message;
            message << "points must not lie too far from the body, but point " << i
                    << " (flat index) is (" << p[0] << ", " << p[1] << ", " << p[2] << ")";
            throw py::value_error(message.str());
        }
    }
}

// The shape of each quantity's result at points of the leading shape `shape`.
std::vector<Shape> resultShapes(const Shape& shape, std::initializer_list<Quantity> quantities) {
    std::vector<Shape> shapes;
    for (const Quantity q : quantities) {
        Shape& own = shapes.emplace_back(shape);
        if (q == Quantity::Velocity) {
            own.push_back(3);
        }
    }
    return shapes;
}

// The library's outputs pointing into the result arrays, one a quantity.
FieldOutput outputsInto(ResultArrays& arrays, std::initializer_list<Quantity> quantities) {
    FieldOutput wanted;
    std::size_t i = 0;
    for (const Quantity q : quantities) {
        (q == Quantity::Potential  ? wanted.potential
         : q == Quantity::Velocity ? wanted.velocity
         : q == Quantity::Cu       ? wanted.cu
                                   : wanted.cp) = arrays.values(i++);
    }
    return wanted;
}

void copyVector(const Vector3& v, Doubles& into, py::ssize_t index) {
    std::copy(v.begin(), v.end(), into.mutable_data() + 3 * index);
}

// A named tuple type of ellipsoid_flow, set on the module as `name`.
void defineNamedTuple(py::module_& m, const char* name, const char* fields, const char* doc) {
    py::object type = py::module_::import("collections").attr("namedtuple")(name, fields);
    type.attr("__module__") = "ellipsoid_flow";
    type.attr("__doc__") = doc;
    m.attr(name) = type;
}

} // namespace

void defineValueTypes(py::module_& m) {
    defineNamedTuple(m, "SurfaceValues", "position normal velocity Cu Cp",
                     R"(Surface quantities at (FI, theta), as Flow.surface gives them.

Attributes
----------
position : ndarray (..., 3)
    The point on the body, in the length unit of the axes.
normal : ndarray (..., 3)
    The outward unit normal there.
velocity : ndarray (..., 3)
    The velocity, tangent to the surface, in units of the stream speed.
Cu : float or ndarray (...)
    |v|^2 / U^2.
Cp : float or ndarray (...)
    Pressure coefficient 1 - Cu.

Examples
--------
>>> s = ellipsoid_flow.Spheroid(0.2).flow().surface(90.0, 0.0)
>>> s.position[0].round(12), bool(np.isclose(s.Cp[0], 1.0 - s.Cu[0]))
(array([0. , 0.1, 0. ]), True))");
    defineNamedTuple(m, "FieldValues", "potential velocity Cu Cp",
                     R"(The flow at points (..., 3), as Flow.field gives it.

Attributes
----------
potential : float or ndarray (...)
    Velocity potential, U L.
velocity : ndarray (..., 3)
    Velocity (u, v, w), in units of U.
Cu : float or ndarray (...)
    |v|^2 / U^2.
Cp : float or ndarray (...)
    Pressure coefficient 1 - Cu.

Examples
--------
>>> values = ellipsoid_flow.Spheroid(1.0).flow().field([[0.0, 0.5, 0.0]])
>>> values.Cp.round(12)  # a sphere's equator: 1 - (3/2)^2
array([-1.25]))");
}

namespace {

// The quantities at the points, `run` filling the library's outputs from the
// points (a span of 3n doubles) without the GIL; written into `out` if given.
template <class Body, class Run>
std::vector<py::object>
evaluateWith(const Body& body, const py::handle& points, const std::string& inside,
             std::initializer_list<Quantity> quantities, const py::object& out, const Run& run) {
    const InsidePoints mode = insideMode(inside);
    const Doubles xyz = asPoints(points, "points");
    if (mode == InsidePoints::NaN) {
        // NaN is for points inside the body; a point that is no point is a wrong call.
        requireFinite(xyz, "points");
    }
    ResultArrays arrays(out, resultShapes(leadingShape(xyz), quantities), points, xyz);
    const FieldOutput wanted = outputsInto(arrays, quantities);
    {
        py::gil_scoped_release released;
        run(std::span<const double>(xyz.data(), static_cast<std::size_t>(xyz.size())), wanted,
            mode);
    }
    if (mode == InsidePoints::NaN) {
        requireNearBody(body, xyz, arrays.array(0));
    }
    return arrays.results();
}

} // namespace

template <class FlowT>
std::vector<py::object>
evaluate(const FlowT& flow, const py::handle& points, const std::string& inside,
         std::initializer_list<Quantity> quantities, const py::object& out) {
    return evaluateWith(flow.body(), points, inside, quantities, out,
                        [&flow](std::span<const double> xyz, const FieldOutput& wanted,
                                InsidePoints mode) { flow.evaluate(xyz, wanted, mode); });
}

template <class FlowT>
py::object fieldValues(const FlowT& flow, const py::handle& points, const std::string& inside,
                       const py::object& out) {
    const std::vector<py::object> v =
        evaluate(flow, points, inside,
                 {Quantity::Potential, Quantity::Velocity, Quantity::Cu, Quantity::Cp}, out);
    return coreAttribute("FieldValues")(v[0], v[1], v[2], v[3]);
}

template std::vector<py::object> evaluate(const Flow&, const py::handle&, const std::string&,
                                          std::initializer_list<Quantity>, const py::object&);
template std::vector<py::object> evaluate(const ellipsoid::Flow&, const py::handle&,
                                          const std::string&, std::initializer_list<Quantity>,
                                          const py::object&);
template py::object fieldValues(const Flow&, const py::handle&, const std::string&,
                                const py::object&);
template py::object fieldValues(const ellipsoid::Flow&, const py::handle&, const std::string&,
                                const py::object&);

std::vector<py::object> motionValues(const ellipsoid::Motion& motion,
                                     const ellipsoid::Ellipsoid& body, const py::handle& points,
                                     const std::string& inside,
                                     std::initializer_list<Quantity> quantities,
                                     const py::object& out) {
    return evaluateWith(
        body, points, inside, quantities, out,
        [&motion](std::span<const double> xyz, const FieldOutput& wanted, InsidePoints mode) {
            motion.evaluate(xyz, wanted.potential, wanted.velocity, mode);
        });
}

template <class FlowT>
py::object surfaceValues(const FlowT& flow, const py::handle& FI, const py::handle& theta) {
    py::module_ np = py::module_::import("numpy");
    const Doubles fiIn = asDoubles(FI, "FI");
    const Doubles thetaIn = asDoubles(theta, "theta");
    py::tuple both;
    try {
        both = np.attr("broadcast_arrays")(fiIn, thetaIn);
    } catch (const py::error_already_set&) {
        throw py::value_error("FI and theta must broadcast to one shape");
    }
    const Doubles fi = np.attr("ascontiguousarray")(both[0]).cast<Doubles>();
    const Doubles th = np.attr("ascontiguousarray")(both[1]).cast<Doubles>();
    std::vector<py::ssize_t> shape(fi.shape(), fi.shape() + fi.ndim());
    std::vector<py::ssize_t> vectors = shape;
    vectors.push_back(3);
    Doubles position(vectors), normal(vectors), velocity(vectors), cu(shape), cp(shape);
    {
        py::gil_scoped_release released;
        for (py::ssize_t i = 0; i < fi.size(); ++i) {
            const SurfacePoint s = flow.onSurface(radians(fi.data()[i]), radians(th.data()[i]));
            copyVector(s.position, position, i);
            copyVector(s.normal, normal, i);
            copyVector(s.velocity, velocity, i);
            cu.mutable_data()[i] = s.cu;
            cp.mutable_data()[i] = s.cp;
        }
    }
    return coreAttribute("SurfaceValues")(position, normal, velocity, scalarOrArray(cu),
                                          scalarOrArray(cp));
}

template <class FlowT> py::object cpMinCurvePoints(const FlowT& flow, const py::handle& t) {
    const Doubles ts = asDoubles(t, "t");
    std::vector<py::ssize_t> shape(ts.shape(), ts.shape() + ts.ndim());
    shape.push_back(3);
    Doubles out(shape);
    for (py::ssize_t i = 0; i < ts.size(); ++i) {
        copyVector(flow.cpMinCurve(ts.data()[i]), out, i);
    }
    return out;
}

template py::object surfaceValues(const Flow&, const py::handle&, const py::handle&);
template py::object surfaceValues(const ellipsoid::Flow&, const py::handle&, const py::handle&);
template py::object cpMinCurvePoints(const Flow&, const py::handle&);
template py::object cpMinCurvePoints(const ellipsoid::Flow&, const py::handle&);

Doubles vectorArray(const Vector3& v) {
    Doubles out(3);
    copyVector(v, out, 0);
    return out;
}

} // namespace solva::python
