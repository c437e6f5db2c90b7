// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The exact flow: Spheroid and its Flow in a stream, over NumPy arrays of
// points. The library's SpheroidError reaches Python as ValueError.

#include "bindings.h"
#include "constructed.h"
#include "points.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"
#include "spheroid/spheroid_error.h"

#include <pybind11/stl.h>

#include <cmath>
#include <optional>
#include <span>
#include <sstream>

namespace py = pybind11;
using namespace solva::spheroid;

namespace solva::python {

namespace {

// A Flow with the angles it was made from, which pickling needs.
struct StreamFlow {
    Flow flow;
    double alpha, beta; // degrees
};

InsidePoints insideMode(const std::string& inside) {
    if (inside == "error") {
        return InsidePoints::Error;
    }
    if (inside == "nan") {
        return InsidePoints::NaN;
    }
    throw py::value_error("inside must be 'error' or 'nan', not '" + inside + "'");
}

// A 0-d result as a Python float, anything else as the array.
py::object scalarOrArray(const Doubles& out) {
    if (out.ndim() == 0) {
        return py::float_(*out.data());
    }
    return out;
}

enum class Quantity { Potential, Velocity, Cu, Cp };

// NaN is for points inside the body: a NaN result at a point outside it (the
// point is finite) is one beyond the flow's range, refused as a non-finite
// point is. `result` holds one or three values a point, NaN where refused.
void requireNearBody(const Spheroid& body, const Doubles& xyz, const Doubles& result) {
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

// Quantities of the flow at the points, in one pass: each an array of the
// points' shape (with an axis of 3 added for the velocity).
std::vector<py::object> evaluate(const StreamFlow& f, const py::handle& points,
                                 const std::string& inside,
                                 std::initializer_list<Quantity> quantities) {
    const InsidePoints mode = insideMode(inside);
    const Doubles xyz = asPoints(points, "points");
    if (mode == InsidePoints::NaN) {
        // NaN is for points inside the body; a point that is no point is a wrong call.
        requireFinite(xyz, "points");
    }
    const std::vector<py::ssize_t> shape = leadingShape(xyz);
    std::vector<Doubles> outputs;
    FieldOutput wanted;
    for (const Quantity q : quantities) {
        std::vector<py::ssize_t> own = shape;
        if (q == Quantity::Velocity) {
            own.push_back(3);
        }
        Doubles& out = outputs.emplace_back(own);
        const std::span<double> values(out.mutable_data(), static_cast<std::size_t>(out.size()));
        (q == Quantity::Potential  ? wanted.potential
         : q == Quantity::Velocity ? wanted.velocity
         : q == Quantity::Cu       ? wanted.cu
                                   : wanted.cp) = values;
    }
    {
        py::gil_scoped_release released;
        f.flow.evaluate({xyz.data(), static_cast<std::size_t>(xyz.size())}, wanted, mode);
    }
    if (mode == InsidePoints::NaN) {
        requireNearBody(f.flow.body(), xyz, outputs.front());
    }
    std::vector<py::object> results;
    for (const Doubles& out : outputs) {
        results.push_back(scalarOrArray(out));
    }
    return results;
}

// A method of Flow giving one quantity at the points.
auto quantityAt(Quantity q) {
    return [q](Constructed<StreamFlow> f, const py::handle& points, const std::string& inside) {
        return evaluate(*f, points, inside, {q})[0];
    };
}

Doubles vectorArray(const Vector3& v) {
    Doubles out(3);
    std::copy(v.begin(), v.end(), out.mutable_data());
    return out;
}

Vector3 asVector(const py::handle& value, const char* what) {
    const Doubles v = asDoubles(value, what);
    if (v.ndim() != 1 || v.shape(0) != 3) {
        throw py::value_error(std::string(what) + " must be three numbers x, y, z");
    }
    return {v.data()[0], v.data()[1], v.data()[2]};
}

// Degrees to radians as the library converts its angles.
double radians(double degrees) {
    return degrees * (4 * std::atan(1.0)) / 180;
}

py::object surfaceValuesType;
py::object fieldValuesType;

py::object surface(const StreamFlow& f, const py::handle& FI, const py::handle& theta) {
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
            const SurfacePoint s = f.flow.onSurface(radians(fi.data()[i]), radians(th.data()[i]));
            std::copy(s.position.begin(), s.position.end(), position.mutable_data() + 3 * i);
            std::copy(s.normal.begin(), s.normal.end(), normal.mutable_data() + 3 * i);
            std::copy(s.velocity.begin(), s.velocity.end(), velocity.mutable_data() + 3 * i);
            cu.mutable_data()[i] = s.cu;
            cp.mutable_data()[i] = s.cp;
        }
    }
    return surfaceValuesType(position, normal, velocity, scalarOrArray(cu), scalarOrArray(cp));
}

py::object cpMinCurve(const StreamFlow& f, const py::handle& t) {
    const Doubles ts = asDoubles(t, "t");
    std::vector<py::ssize_t> shape(ts.shape(), ts.shape() + ts.ndim());
    shape.push_back(3);
    Doubles out(shape);
    for (py::ssize_t i = 0; i < ts.size(); ++i) {
        const Vector3 p = f.flow.cpMinCurve(ts.data()[i]);
        std::copy(p.begin(), p.end(), out.mutable_data() + 3 * i);
    }
    return out;
}

Doubles addedMass(const Spheroid& body, const py::handle& about, double rho, double length) {
    const Matrix6 m = addedMassMatrix(body.scaled(length), asVector(about, "about"), rho);
    Doubles out({6, 6});
    for (std::size_t i = 0; i < 6; ++i) {
        std::copy(m[i].begin(), m[i].end(), out.mutable_data() + 6 * i);
    }
    return out;
}

Spheroid makeSpheroid(std::optional<double> lamda, std::optional<double> a,
                      std::optional<double> b) {
    if (lamda && !a && !b) {
        return Spheroid::fromLambda(*lamda);
    }
    if (!lamda && a && b) {
        return Spheroid::fromAxes(*a, *b);
    }
    throw py::type_error("Spheroid takes either the thickness ratio lamda, or both semi-axes a "
                         "and b: Spheroid(0.2) or Spheroid(a=3.0, b=0.5)");
}

constexpr const char* SpheroidDoc =
    R"(A spheroid (ellipsoid of revolution) and what depends on its shape alone.

Spheroid(lamda) is the body of thickness ratio lamda = b / a with axis length
2a = 1, as the window's (lamda < 1 prolate, 1 a sphere, > 1 oblate, from 1e-6
to 1e6); Spheroid(a=..., b=...) the body of semi-axes a along the axis of
revolution (x) and b across it. Lengths are in the unit the axes are given in.
Raises ValueError for a ratio or axis out of range, NaN or infinity.)";

constexpr const char* FlowDoc =
    R"(The exact potential flow about a spheroid at rest in a uniform stream.

Made by Spheroid.flow(alpha, beta): unit speed at infinity in the direction
d = (cos a cos b, sin b, sin a cos b), alpha the angle of attack and beta the
yaw angle in degrees. Body axes: x along the axis, y towards the
circumferential angle 0 (plane of beta), z towards 90 degrees (plane of alpha).
Potentials are in U times the length unit, velocities in U; accurate to 1e-14.

Points are any array of shape (..., 3); results have the leading shape (a
single point gives a float, or a 3-vector for the velocity). A point inside
the body raises ValueError naming the first one, or gives NaN with
inside="nan"; NaN or infinite coordinates, and points farther than 1E60
semi-axes a from the centre, raise ValueError either way. The work runs
without the GIL and, for large arrays, on all cores.)";

} // namespace

void bindSpheroid(py::module_& m) {
    py::register_exception_translator([](std::exception_ptr p) {
        try {
            if (p) {
                std::rethrow_exception(p);
            }
        } catch (const ResultOutOfRange& e) {
            PyErr_SetString(PyExc_OverflowError, e.what());
        } catch (const SpheroidError& e) {
            PyErr_SetString(PyExc_ValueError, e.what());
        }
    });
    surfaceValuesType = py::module_::import("collections")
                            .attr("namedtuple")("SurfaceValues", "position normal velocity Cu Cp");
    surfaceValuesType.attr("__module__") = "ellipsoid_flow";
    surfaceValuesType.attr("__doc__") =
        "Surface quantities at (FI, theta): position and outward unit normal (..., 3), velocity "
        "tangent to the surface (..., 3), Cu = |v|^2 and Cp = 1 - Cu.";
    m.attr("SurfaceValues") = surfaceValuesType;
    fieldValuesType = py::module_::import("collections")
                          .attr("namedtuple")("FieldValues", "potential velocity Cu Cp");
    fieldValuesType.attr("__module__") = "ellipsoid_flow";
    fieldValuesType.attr("__doc__") =
        "The flow at points (..., 3): potential (...), velocity (..., 3), Cu and Cp (...).";
    m.attr("FieldValues") = fieldValuesType;

    py::class_<Spheroid>(m, "Spheroid", SpheroidDoc)
        .def(py::init(&makeSpheroid), py::arg("lamda") = py::none(), py::kw_only(),
             py::arg("a") = py::none(), py::arg("b") = py::none())
        .def_property_readonly("a", checkedMember(&Spheroid::a),
                               "Semi-axis along the axis of revolution (x).")
        .def_property_readonly("b", checkedMember(&Spheroid::b),
                               "Semi-axis across the axis (y and z).")
        .def_property_readonly("lamda", checkedMember(&Spheroid::lambda), "Thickness ratio b / a.")
        .def_property_readonly("alpha0", checkedMember(&Spheroid::alpha0),
                               "Axial shape integral alpha0.")
        .def_property_readonly("beta0", checkedMember(&Spheroid::beta0),
                               "Transverse shape integral beta0; alpha0 + 2 beta0 = 2.")
        .def_property_readonly("k1", checkedMember(&Spheroid::k1),
                               "Inertia coefficient along the axis.")
        .def_property_readonly("k2", checkedMember(&Spheroid::k2),
                               "Inertia coefficient across the axis.")
        .def_property_readonly("k_prime", checkedMember(&Spheroid::kPrime),
                               "Inertia coefficient k' for rotation about an equatorial axis.")
        .def_property_readonly("volume", checkedMember(&Spheroid::volume), "Volume 4/3 pi a b^2.")
        .def_property_readonly("area", checkedMember(&Spheroid::area), "Wetted area.")
        .def(
            "confocal_integrals",
            [](Constructed<Spheroid> s, double param) {
                const ShapeIntegrals i = s->confocalIntegrals(param);
                return py::make_tuple(i.alpha, i.beta);
            },
            py::arg("s"),
            "(I_a(s), I_b(s)) at the confocal spheroid of parameter s >= 0 (a length squared); "
            "(alpha0, beta0) at s = 0.")
        .def(
            "contains",
            [](Constructed<Spheroid> s, const py::handle& points) {
                const Doubles xyz = asPoints(points, "points");
                py::array_t<bool> out(leadingShape(xyz));
                for (py::ssize_t i = 0; i < out.size(); ++i) {
                    const double* p = xyz.data() + 3 * i;
                    out.mutable_data()[i] = s->contains({p[0], p[1], p[2]});
                }
                return out;
            },
            py::arg("points"), "Whether each point of an array (..., 3) lies inside the body.")
        .def("added_mass", checked(&addedMass), py::arg("about") = std::vector<double>{0, 0, 0},
             py::arg("rho") = 1.0, py::arg("length") = 1.0,
             R"(The 6 x 6 added-mass matrix about the point `about` (body axes).

Rows and columns follow (u, v, w, p, q, r), the velocity of the reference
point and the angular velocity; the fluid's kinetic energy is 1/2 V^T M V.
The matrix is in units of rho and the length unit L (masses rho L^3,
couplings rho L^4, moments rho L^5). For a dimensional matrix give the
density rho (kg/m^3) and the length of the body's unit in metres (for
Spheroid(lamda), the body's length); `about` is in the length unit of the
result: in metres then, as the command line's --about. Raises OverflowError
naming the entry when one is beyond the range of a double.

Changed in version 1.1: `about` is in the unit of the result (metres when
`length` is in metres); before, it was in units of the body's length and
was multiplied by `length`. Multiply an old `about` by `length`.)")
        .def(
            "flow",
            [](Constructed<Spheroid> s, double alpha, double beta) {
                return StreamFlow{Flow(*s, alpha, beta), alpha, beta};
            },
            py::arg("alpha") = 0.0, py::arg("beta") = 0.0,
            "The flow about the body in a unit stream at angle of attack alpha and yaw angle "
            "beta, degrees (within +-360).")
        .def("__repr__",
             [](Constructed<Spheroid> s) {
                 return "Spheroid(a=" + py::repr(py::float_(s->a())).cast<std::string>() +
                        ", b=" + py::repr(py::float_(s->b())).cast<std::string>() + ")";
             })
        .def(py::pickle([](Constructed<Spheroid> s) { return py::make_tuple(s->a(), s->b()); },
                        [](const py::tuple& t) {
                            return Spheroid::fromAxes(t[0].cast<double>(), t[1].cast<double>());
                        }));

    py::class_<StreamFlow>(m, "Flow", FlowDoc)
        .def_property_readonly("spheroid", [](Constructed<StreamFlow> f) { return f->flow.body(); })
        .def_property_readonly(
            "alpha", [](Constructed<StreamFlow> f) { return f->alpha; },
            "Angle of attack, degrees.")
        .def_property_readonly(
            "beta", [](Constructed<StreamFlow> f) { return f->beta; }, "Yaw angle, degrees.")
        .def_property_readonly(
            "stream", [](Constructed<StreamFlow> f) { return vectorArray(f->flow.stream()); },
            "Unit direction d of the stream.")
        .def_property_readonly(
            "w", [](Constructed<StreamFlow> f) { return vectorArray(f->flow.w()); },
            "W = ((1 + k1) d1, (1 + k2) d2, (1 + k2) d3): the surface velocity is its tangent "
            "part.")
        .def("potential", quantityAt(Quantity::Potential), py::arg("points"), py::kw_only(),
             py::arg("inside") = "error",
             "Velocity potential (disturbance vanishing at infinity) at the points.")
        .def("velocity", quantityAt(Quantity::Velocity), py::arg("points"), py::kw_only(),
             py::arg("inside") = "error",
             "Velocity (u, v, w) at the points, shape (..., 3), in units of the stream speed.")
        .def("cu", quantityAt(Quantity::Cu), py::arg("points"), py::kw_only(),
             py::arg("inside") = "error", "Cu = |v|^2 / U^2 at the points.")
        .def("cp", quantityAt(Quantity::Cp), py::arg("points"), py::kw_only(),
             py::arg("inside") = "error", "Pressure coefficient Cp = 1 - Cu at the points.")
        .def(
            "field",
            [](Constructed<StreamFlow> f, const py::handle& points, const std::string& inside) {
                const std::vector<py::object> v =
                    evaluate(*f, points, inside,
                             {Quantity::Potential, Quantity::Velocity, Quantity::Cu, Quantity::Cp});
                return fieldValuesType(v[0], v[1], v[2], v[3]);
            },
            py::arg("points"), py::kw_only(), py::arg("inside") = "error",
            "Potential, velocity, Cu and Cp at the points in one pass: a FieldValues.")
        .def("surface", checked(&surface), py::arg("FI"), py::arg("theta"),
             "Surface quantities at eccentric angle FI and circumferential angle theta (degrees, "
             "arrays that broadcast together), the point (a cos FI, b sin FI cos theta, b sin FI "
             "sin theta): a SurfaceValues (position, normal, velocity, Cu, Cp).")
        .def_property_readonly(
            "stagnation_points",
            [](Constructed<StreamFlow> f) {
                const StagnationPoints s = f->flow.stagnationPoints();
                return py::make_tuple(vectorArray(s.front), vectorArray(s.rear));
            },
            "(front, rear): the upstream and downstream stagnation points on the body.")
        .def_property_readonly(
            "cp_min", [](Constructed<StreamFlow> f) { return f->flow.cpMin(); },
            "The suction peak, the least Cp on the body: 1 - |W|^2.")
        .def("cp_min_curve", checked(&cpMinCurve), py::arg("t"),
             "Points (..., 3) of the closed curve on the body where Cp = cp_min, at parameter t "
             "(radians, one turn the whole curve).")
        .def(
            "munk_moment",
            [](Constructed<StreamFlow> self, double rho, double speed, double length) {
                const StreamFlow& f = *self;
                const Flow flow(f.flow.body().scaled(length), f.alpha, f.beta);
                return vectorArray(flow.munkMoment(rho, speed));
            },
            py::arg("rho") = 1.0, py::arg("speed") = 1.0, py::arg("length") = 1.0,
            R"(The Munk moment of the stream on the body about its centre, a vector (3,).

Magnitude 1/2 rho U^2 V (k2 - k1) sin 2 eps, eps the angle between the axis
and the stream; on a prolate body it turns the axis away from the stream. In
units of rho U^2 L^3, or dimensional for a density rho, stream speed and the
length of the body's unit (N m for kg/m^3, m/s and m). Raises OverflowError
when a component is beyond the range of a double.)")
        .def(
            "streamline",
            [](Constructed<StreamFlow> self, const py::handle& seed, double length) {
                return py::module_::import("ellipsoid_flow._streamline")
                    .attr("streamline")(self.handle(), seed, length);
            },
            py::arg("seed"), py::arg("length"),
            R"(The streamline through `seed`, integrated along its arc length.

Integrates dx/ds = v / |v| with SciPy's solve_ivp from the seed point over
the arc length `length` (negative: upstream) and returns the points (M, 3).
The line ends early at a stagnation point or should it reach the body.)")
        .def("__repr__",
             [](Constructed<StreamFlow> self) {
                 const StreamFlow& f = *self;
                 const Spheroid& s = f.flow.body();
                 auto text = [](double v) { return py::repr(py::float_(v)).cast<std::string>(); };
                 return "Spheroid(a=" + text(s.a()) + ", b=" + text(s.b()) +
                        ").flow(alpha=" + text(f.alpha) + ", beta=" + text(f.beta) + ")";
             })
        .def(py::pickle(
            [](Constructed<StreamFlow> f) {
                return py::make_tuple(f->flow.body(), f->alpha, f->beta);
            },
            [](const py::tuple& t) {
                const double alpha = t[1].cast<double>();
                const double beta = t[2].cast<double>();
                return StreamFlow{Flow(*t[0].cast<Constructed<Spheroid>>(), alpha, beta), alpha,
                                  beta};
            }));
}

} // namespace solva::python
