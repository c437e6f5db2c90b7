// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The flows about an ellipsoid over NumPy arrays of points: EllipsoidFlow,
// the stream past the body at rest, and EllipsoidMotion, the fluid about the
// body moving. Made by Ellipsoid.flow and Ellipsoid.motion
// (ellipsoid_binding.cpp); each method is a named function below.

#include "constructed.h"
#include "ellipsoid/ellipsoid_error.h"
#include "ellipsoid_flows.h"
#include "flow_values.h"
#include "points.h"
#include "stream_methods.h"

#include <pybind11/stl.h>

#include <cmath>
#include <stdexcept>
#include <string>

namespace py = pybind11;
using namespace solva::ellipsoid;

namespace solva::python {

std::string ellipsoidRepr(const Ellipsoid& e) {
    return "Ellipsoid(a=" + floatRepr(e.a()) + ", b=" + floatRepr(e.b()) +
           ", c=" + floatRepr(e.c()) + ")";
}

EllipsoidStream makeEllipsoidStream(const Ellipsoid& body, double alpha, double beta,
                                    std::optional<Vector3> direction) {
    if (direction) {
        return EllipsoidStream{Flow(body, *direction), alpha, beta, direction};
    }
    return EllipsoidStream{Flow(body, alpha, beta), alpha, beta, std::nullopt};
}

MovingEllipsoid makeMovingEllipsoid(const Ellipsoid& body, const std::array<double, 6>& speeds) {
    const Motion motion(body, {speeds[0], speeds[1], speeds[2]}, {speeds[3], speeds[4], speeds[5]});
    return MovingEllipsoid{body, speeds, motion};
}

namespace {

std::string vectorRepr(const Vector3& v) {
    return "(" + floatRepr(v[0]) + ", " + floatRepr(v[1]) + ", " + floatRepr(v[2]) + ")";
}

// --- EllipsoidFlow's methods

Ellipsoid streamBody(Constructed<EllipsoidStream> f) {
    return f->flow.body();
}

Doubles munkMoment(Constructed<EllipsoidStream> f, double rho, double speed) {
    return vectorArray(f->flow.munkMoment(rho, speed));
}

std::string streamRepr(Constructed<EllipsoidStream> f) {
    const std::string how = f->direction
                                ? "direction=" + vectorRepr(*f->direction)
                                : "alpha=" + floatRepr(f->alpha) + ", beta=" + floatRepr(f->beta);
    return ellipsoidRepr(f->flow.body()) + ".flow(" + how + ")";
}

py::tuple streamState(Constructed<EllipsoidStream> f) {
    const py::object direction =
        f->direction ? py::object(vectorArray(*f->direction)) : py::object(py::none());
    return py::make_tuple(f->flow.body(), f->alpha, f->beta, direction);
}

EllipsoidStream streamFromState(const py::tuple& t) {
    const Ellipsoid& body = *t[0].cast<Constructed<Ellipsoid>>();
    std::optional<Vector3> direction;
    if (!t[3].is_none()) {
        direction = asVector(t[3], "direction");
    }
    return makeEllipsoidStream(body, t[1].cast<double>(), t[2].cast<double>(), direction);
}

// --- EllipsoidMotion's methods

Ellipsoid motionBody(Constructed<MovingEllipsoid> m) {
    return m->body;
}

py::tuple motionSpeeds(Constructed<MovingEllipsoid> m) {
    return py::tuple(py::cast(m->speeds));
}

template <Quantity q>
py::object motionAt(Constructed<MovingEllipsoid> m, const py::handle& points,
                    const std::string& inside, const py::object& out) {
    return motionValues(m->motion, m->body, points, inside, {q}, out)[0];
}

std::string motionRepr(Constructed<MovingEllipsoid> m) {
    const char* names[] = {"u", "v", "w", "p", "q", "r"};
    std::string text = ellipsoidRepr(m->body) + ".motion(";
    for (std::size_t i = 0; i < 6; ++i) {
        text += std::string(i > 0 ? ", " : "") + names[i] + "=" + floatRepr(m->speeds[i]);
    }
    return text + ")";
}

py::tuple motionState(Constructed<MovingEllipsoid> m) {
    return py::make_tuple(m->body, m->speeds);
}

MovingEllipsoid motionFromState(const py::tuple& t) {
    return makeMovingEllipsoid(*t[0].cast<Constructed<Ellipsoid>>(),
                               t[1].cast<std::array<double, 6>>());
}

// --- Docstrings

constexpr const char* FlowDoc =
    R"(The exact potential flow about an ellipsoid at rest in a uniform stream.

Made by Ellipsoid.flow: unit speed U at infinity in the direction `stream`.
Potentials are in U L (L the unit of the axes), velocities in U; accurate
to 1e-14 of U.

Points are any array of shape (..., 3); results have the leading shape (a
single point gives a float, or a 3-vector for the velocity). A point inside
the body raises ValueError naming the first one, or gives NaN with
inside="nan"; NaN or infinite coordinates, and points farther than 1e60
times the largest semi-axis from the centre, raise ValueError either way.
The work runs without the GIL and, for large arrays, on all cores.

Examples
--------
>>> flow = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).flow(alpha=10.0)
>>> flow
Ellipsoid(a=3.0, b=2.0, c=1.0).flow(alpha=10.0, beta=0.0)
>>> round(flow.cp_min, 6) < 0.0
True)";

constexpr const char* MotionDoc =
    R"(The fluid about an ellipsoid moving through fluid at rest far away.

Made by Ellipsoid.motion(u, v, w, p, q, r): the centre's velocity V and the
angular velocity about the centre (radians per unit time), body axes. The
potential is in V L, the fluid's velocity in V; accurate to 1e-14 of the
body's speed. Points and `inside` as for EllipsoidFlow.

Examples
--------
>>> motion = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).motion(w=1.0)
>>> motion
Ellipsoid(a=3.0, b=2.0, c=1.0).motion(u=0.0, v=0.0, w=1.0, p=0.0, q=0.0, r=0.0)
>>> round(float(motion.velocity([0.0, 0.0, 1.0])[2]), 12)  # the fluid moves with the body there
1.0)";

constexpr const char* MunkMomentDoc =
    R"(The Munk moment of the stream on the body about its centre, a vector (3,).

M = rho U^2 V (K d) x d, K = diag(k1, k2, k3); in units of rho U^2 L^3 for
rho = speed = 1, else dimensional (N m for kg/m^3, m/s and axes in m).

Parameters
----------
rho : float
    Fluid density (1: in units of rho).
speed : float
    Stream speed U (1: in units of U).

Returns
-------
ndarray (3,)
    The moment about the body axes.

Raises
------
ValueError
    A density or speed that is not finite and positive.

Examples
--------
>>> flow = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).flow(alpha=20.0)
>>> moment = flow.munk_moment(rho=1025.0, speed=2.0)
>>> bool(moment[1] != 0.0), abs(moment[0]), abs(moment[2])  # about y alone
(True, 0.0, 0.0))";

// The line making `flow` in the examples of the methods EllipsoidFlow shares.
constexpr const char* MakeFlow =
    ">>> flow = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).flow(alpha=20.0, beta=10.0)";

// The line making `motion` in the examples of EllipsoidMotion's methods.
constexpr const char* MakeMotion =
    ">>> motion = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).motion(u=1.0)\n";

// --- The classes

void bindStreamClass(py::module_& m) {
    py::class_<EllipsoidStream> c(m, "EllipsoidFlow", FlowDoc);
    c.def_property_readonly("ellipsoid", &streamBody, "The body.");
    bindStreamProperties(
        c, "W = ((1 + k1) d1, (1 + k2) d2, (1 + k3) d3): the surface velocity is its tangent "
           "part.");
    bindStreamAtPoints(
        c, "Velocity potential (d . x plus a disturbance vanishing at infinity) at the points.",
        "Velocity (u, v, w) at the points, shape (..., 3).", MakeFlow);
    bindStreamOnBody(c,
                     "Surface quantities at angles FI and theta (degrees, arrays that broadcast "
                     "together), the point (a cos FI, b sin FI cos theta, c sin FI sin theta): a "
                     "SurfaceValues (position, normal, velocity, Cu, Cp).",
                     MakeFlow);
    c.def("munk_moment", &munkMoment, py::arg("rho") = 1.0, py::arg("speed") = 1.0, MunkMomentDoc)
        .def("__repr__", &streamRepr)
        .def(py::pickle(&streamState, &streamFromState));
}

void bindMotionClass(py::module_& m) {
    py::class_<MovingEllipsoid> c(m, "EllipsoidMotion", MotionDoc);
    c.def_property_readonly("ellipsoid", &motionBody, "The body.")
        .def_property_readonly("speeds", &motionSpeeds, "(u, v, w, p, q, r) as given.");
    defAtPoints(c, "potential", &motionAt<Quantity::Potential>,
                {"The fluid's velocity potential at the points, V L.",
                 "float or ndarray (...)\n    The potential; `out` if given.",
                 std::string(MakeMotion) +
                     ">>> ahead, behind = motion.potential([[6.0, 0.0, 0.0], [-6.0, 0.0, 0.0]])\n"
                     ">>> bool(ahead < 0.0), bool(np.isclose(ahead, -behind))\n(True, True)"});
    defAtPoints(c, "velocity", &motionAt<Quantity::Velocity>,
                {"The fluid's velocity at the points, shape (..., 3), in units of V.",
                 "ndarray (..., 3)\n    The velocity; `out` if given.",
                 std::string(MakeMotion) +
                     ">>> normal = motion.ellipsoid.mode_normals([3.0, 0.0, 0.0])[:3]\n"
                     ">>> float(motion.velocity([3.0, 0.0, 0.0]) @ normal)  # the body's own\n"
                     "1.0"});
    c.def("__repr__", &motionRepr).def(py::pickle(&motionState, &motionFromState));
}

} // namespace

void bindEllipsoidFlows(py::module_& m) {
    bindStreamClass(m);
    bindMotionClass(m);
}

} // namespace solva::python
