// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The exact flow: Spheroid and its Flow in a stream, over NumPy arrays of
// points. The library's SpheroidError reaches Python as ValueError. Each
// method is a named function below; the bind functions only give them their
// Python names, arguments and docstrings.

#include "bindings.h"
#include "constructed.h"
#include "flow_values.h"
#include "points.h"
#include "spheroid/added_mass.h"
#include "spheroid/flow.h"
#include "spheroid/shape_integrals.h"
#include "spheroid/spheroid_error.h"
#include "stream_methods.h"

#include <pybind11/stl.h>

#include <optional>
#include <string>

namespace py = pybind11;
using namespace solva::spheroid;

namespace solva::python {

namespace {

// A Flow with the angles it was made from, which pickling needs.
struct StreamFlow {
    Flow flow;
    double alpha, beta; // degrees
};

// The library's errors as Python's: a result beyond a double's range as
// OverflowError, any other SpheroidError as ValueError.
void translateSpheroidErrors(std::exception_ptr p) {
    try {
        if (p) {
            std::rethrow_exception(p);
        }
    } catch (const ResultOutOfRange& e) {
        PyErr_SetString(PyExc_OverflowError, e.what());
    } catch (const SpheroidError& e) {
        PyErr_SetString(PyExc_ValueError, e.what());
    }
}

// --- Spheroid's methods

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

py::tuple confocalIntegrals(Constructed<Spheroid> s, double param) {
    const ShapeIntegrals i = s->confocalIntegrals(param);
    return py::make_tuple(i.alpha, i.beta);
}

py::array_t<bool> containsPoints(Constructed<Spheroid> s, const py::handle& points) {
    const Doubles xyz = asPoints(points, "points");
    py::array_t<bool> out(leadingShape(xyz));
    for (py::ssize_t i = 0; i < out.size(); ++i) {
        const double* p = xyz.data() + 3 * i;
        out.mutable_data()[i] = s->contains({p[0], p[1], p[2]});
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

StreamFlow flowAbout(Constructed<Spheroid> s, double alpha, double beta) {
    return StreamFlow{Flow(*s, alpha, beta), alpha, beta};
}

std::string spheroidRepr(Constructed<Spheroid> s) {
    return "Spheroid(a=" + floatRepr(s->a()) + ", b=" + floatRepr(s->b()) + ")";
}

py::tuple spheroidState(Constructed<Spheroid> s) {
    return py::make_tuple(s->a(), s->b());
}

Spheroid spheroidFromState(const py::tuple& t) {
    return Spheroid::fromAxes(t[0].cast<double>(), t[1].cast<double>());
}

// --- Flow's methods

Spheroid flowBody(Constructed<StreamFlow> f) {
    return f->flow.body();
}

double flowAlpha(Constructed<StreamFlow> f) {
    return f->alpha;
}

double flowBeta(Constructed<StreamFlow> f) {
    return f->beta;
}

Doubles munkMoment(Constructed<StreamFlow> self, double rho, double speed, double length) {
    const StreamFlow& f = *self;
    const Flow flow(f.flow.body().scaled(length), f.alpha, f.beta);
    return vectorArray(flow.munkMoment(rho, speed));
}

py::object streamline(Constructed<StreamFlow> self, const py::handle& seed, double length) {
    return py::module_::import("ellipsoid_flow._streamline")
        .attr("streamline")(self.handle(), seed, length);
}

std::string flowRepr(Constructed<StreamFlow> self) {
    const StreamFlow& f = *self;
    const Spheroid& s = f.flow.body();
    return "Spheroid(a=" + floatRepr(s.a()) + ", b=" + floatRepr(s.b()) +
           ").flow(alpha=" + floatRepr(f.alpha) + ", beta=" + floatRepr(f.beta) + ")";
}

py::tuple flowState(Constructed<StreamFlow> f) {
    return py::make_tuple(f->flow.body(), f->alpha, f->beta);
}

StreamFlow flowFromState(const py::tuple& t) {
    const double alpha = t[1].cast<double>();
    const double beta = t[2].cast<double>();
    return StreamFlow{Flow(*t[0].cast<Constructed<Spheroid>>(), alpha, beta), alpha, beta};
}

// --- Docstrings

constexpr const char* SpheroidDoc =
    R"(A spheroid (ellipsoid of revolution) and what depends on its shape alone.

Spheroid(lamda) is the body of thickness ratio lamda = b / a with axis length
2a = 1, as the window's (lamda < 1 prolate, 1 a sphere, > 1 oblate, from 1e-6
to 1e6); Spheroid(a=..., b=...) the body of semi-axes a along the axis of
revolution (x) and b across it. Lengths are in the unit the axes are given in.

Parameters
----------
lamda : float, optional
    Thickness ratio b / a, from 1e-6 to 1e6, for the body of length 1.
a, b : float, optional
    The semi-axes, by keyword and both together instead of `lamda`.

Raises
------
ValueError
    A ratio or axis out of range, NaN or infinity.
TypeError
    Neither `lamda` nor both `a` and `b`, or both.

Examples
--------
>>> body = ellipsoid_flow.Spheroid(0.2)
>>> body.a, round(body.b, 12)
(0.5, 0.1)
>>> round(ellipsoid_flow.Spheroid(a=1.0, b=1.0).k1, 12)  # a sphere's is 1/2
0.5)";

constexpr const char* AddedMassDoc =
    R"(The 6 x 6 added-mass matrix about the point `about` (body axes).

Rows and columns follow (u, v, w, p, q, r), the velocity of the reference
point and the angular velocity; the fluid's kinetic energy is 1/2 V^T M V.
The matrix is in units of rho and the length unit L (masses rho L^3,
couplings rho L^4, moments rho L^5). For a dimensional matrix give the
density rho (kg/m^3) and the length of the body's unit in metres (for
Spheroid(lamda), the body's length); `about` is in the length unit of the
result: in metres then, as the command line's --about.

Changed in version 1.1: `about` is in the unit of the result (metres when
`length` is in metres); before, it was in units of the body's length and
was multiplied by `length`. Multiply an old `about` by `length`.

Parameters
----------
about : array_like (3,)
    The reference point, body axes, in the length unit of the result.
rho : float
    Fluid density (1: the matrix in units of rho).
length : float
    The length of the body's unit (1: the matrix in units of L).

Returns
-------
ndarray (6, 6)
    Symmetric, rows and columns (u, v, w, p, q, r).

Raises
------
OverflowError
    An entry beyond the range of a double, named.
ValueError
    A density or length that is not finite and positive, or a point that is
    not three finite numbers.

Examples
--------
>>> m = ellipsoid_flow.Spheroid(a=1.0, b=1.0).added_mass()
>>> round(m[0, 0] / (2.0 / 3.0 * np.pi), 12)  # half the displaced mass
1.0
>>> m.shape
(6, 6))";

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
without the GIL and, for large arrays, on all cores.

Examples
--------
>>> flow = ellipsoid_flow.Spheroid(0.2).flow(alpha=20.0)
>>> flow
Spheroid(a=0.5, b=0.1).flow(alpha=20.0, beta=0.0)
>>> float(np.linalg.norm(flow.velocity([100.0, 0.0, 0.0])).round(3))
1.0)";

constexpr const char* MunkMomentDoc =
    R"(The Munk moment of the stream on the body about its centre, a vector (3,).

Magnitude 1/2 rho U^2 V (k2 - k1) sin 2 eps, eps the angle between the axis
and the stream; on a prolate body it turns the axis away from the stream. In
units of rho U^2 L^3, or dimensional for a density rho, stream speed and the
length of the body's unit (N m for kg/m^3, m/s and m).

Parameters
----------
rho : float
    Fluid density (1: in units of rho).
speed : float
    Stream speed U (1: in units of U).
length : float
    The length of the body's unit (1: in units of L).

Returns
-------
ndarray (3,)
    The moment about the body axes.

Raises
------
OverflowError
    A component beyond the range of a double.
ValueError
    A density, speed or length that is not finite and positive.

Examples
--------
>>> flow = ellipsoid_flow.Spheroid(0.2).flow(alpha=20.0)
>>> moment = flow.munk_moment()
>>> bool(moment[1] != 0.0), moment[0] == moment[2] == 0.0  # about y, nose up
(True, True)
>>> round(ellipsoid_flow.Spheroid(1.0).flow(alpha=20.0).munk_moment()[1], 12)  # none on a sphere
0.0)";

constexpr const char* StreamlineDoc =
    R"(The streamline through `seed`, integrated along its arc length.

Integrates dx/ds = v / |v| with SciPy's solve_ivp from the seed point over
the arc length `length` (negative: upstream) and returns the points (M, 3).
The line ends early at a stagnation point or should it reach the body.

Parameters
----------
seed : array_like (3,)
    The starting point, outside the body, in the length unit of the axes.
length : float
    The arc length to integrate over, that unit; negative goes upstream.

Returns
-------
ndarray (M, 3)
    The points along the line, the seed first.

Raises
------
ValueError
    A seed inside the body or not three finite numbers, or a length that
    is not finite.

Examples
--------
>>> flow = ellipsoid_flow.Spheroid(0.2).flow(alpha=20.0)
>>> line = flow.streamline([-2.0, 0.0, 0.2], 4.0)
>>> line.shape[1], bool(line[-1, 0] > 1.0)
(3, True))";

constexpr const char* ConfocalIntegralsDoc =
    R"((I_a(s), I_b(s)) at the confocal spheroid of parameter s; (alpha0, beta0) at s = 0.

Parameters
----------
s : float
    The confocal parameter, s >= 0, a length squared in the unit of the axes.

Returns
-------
tuple of 2 floats
    The axial and transverse integrals.

Raises
------
ValueError
    A parameter that is negative or not finite.

Examples
--------
>>> body = ellipsoid_flow.Spheroid(0.2)
>>> bool(np.allclose(body.confocal_integrals(0.0), (body.alpha0, body.beta0)))
True)";

constexpr const char* ContainsDoc =
    R"(Whether each point of an array (..., 3) lies inside the body.

Parameters
----------
points : array_like (..., 3)
    x, y, z along the last axis, in the length unit of the axes.

Returns
-------
ndarray of bool (...)
    True inside, False on the surface or outside.

Raises
------
ValueError
    Points not of shape (..., 3).

Examples
--------
>>> ellipsoid_flow.Spheroid(0.2).contains([[0.0, 0.0, 0.0], [0.0, 0.2, 0.0]])
array([ True, False]))";

constexpr const char* FlowMethodDoc =
    R"(The flow about the body in a unit stream: a Flow.

Parameters
----------
alpha : float
    Angle of attack, degrees, within +-360.
beta : float
    Yaw angle, degrees, within +-360.

Returns
-------
Flow

Raises
------
ValueError
    An angle out of range or not finite.

Examples
--------
>>> flow = ellipsoid_flow.Spheroid(0.2).flow(alpha=20.0)
>>> flow.stream.round(6)
array([0.939693, 0.      , 0.34202 ]))";

// The line making `flow` in the examples of the methods Flow shares.
constexpr const char* MakeFlow = ">>> flow = ellipsoid_flow.Spheroid(0.2).flow(alpha=20.0)";

// --- The classes

void bindSpheroidProperties(py::class_<Spheroid>& c) {
    c.def_property_readonly("a", checkedMember(&Spheroid::a),
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
        .def_property_readonly("area", checkedMember(&Spheroid::area), "Wetted area.");
}

void bindSpheroidClass(py::module_& m) {
    py::class_<Spheroid> c(m, "Spheroid", SpheroidDoc);
    c.def(py::init(&makeSpheroid), py::arg("lamda") = py::none(), py::kw_only(),
          py::arg("a") = py::none(), py::arg("b") = py::none());
    bindSpheroidProperties(c);
    c.def("confocal_integrals", &confocalIntegrals, py::arg("s"), ConfocalIntegralsDoc)
        .def("contains", &containsPoints, py::arg("points"), ContainsDoc)
        .def("added_mass", checked(&addedMass), py::arg("about") = std::vector<double>{0, 0, 0},
             py::arg("rho") = 1.0, py::arg("length") = 1.0, AddedMassDoc)
        .def("flow", &flowAbout, py::arg("alpha") = 0.0, py::arg("beta") = 0.0, FlowMethodDoc)
        .def("__repr__", &spheroidRepr)
        .def(py::pickle(&spheroidState, &spheroidFromState));
}

void bindFlowProperties(py::class_<StreamFlow>& c) {
    c.def_property_readonly("spheroid", &flowBody, "The body, a Spheroid.")
        .def_property_readonly("alpha", &flowAlpha, "Angle of attack, degrees.")
        .def_property_readonly("beta", &flowBeta, "Yaw angle, degrees.");
    bindStreamProperties(
        c, "W = ((1 + k1) d1, (1 + k2) d2, (1 + k2) d3): the surface velocity is its tangent "
           "part.");
}

void bindFlowClass(py::module_& m) {
    py::class_<StreamFlow> c(m, "Flow", FlowDoc);
    bindFlowProperties(c);
    bindStreamAtPoints(
        c, "Velocity potential (disturbance vanishing at infinity) at the points.",
        "Velocity (u, v, w) at the points, shape (..., 3), in units of the stream speed.",
        MakeFlow);
    bindStreamOnBody(
        c,
        "Surface quantities at eccentric angle FI and circumferential angle theta (degrees, "
        "arrays that broadcast together), the point (a cos FI, b sin FI cos theta, b sin FI "
        "sin theta): a SurfaceValues (position, normal, velocity, Cu, Cp).",
        MakeFlow);
    c.def("munk_moment", &munkMoment, py::arg("rho") = 1.0, py::arg("speed") = 1.0,
          py::arg("length") = 1.0, MunkMomentDoc)
        .def("streamline", &streamline, py::arg("seed"), py::arg("length"), StreamlineDoc)
        .def("__repr__", &flowRepr)
        .def(py::pickle(&flowState, &flowFromState));
}

} // namespace

// Spheroid first: a signature names a class only if it is bound by then, so
// the order is part of the docstrings.
void bindSpheroid(py::module_& m) {
    py::register_exception_translator(&translateSpheroidErrors);
    defineValueTypes(m);
    bindSpheroidClass(m);
    bindFlowClass(m);
}

} // namespace solva::python
