// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The exact flow about any ellipsoid: the class Ellipsoid, its inertia, the
// unit modes of its motion, and the flows it makes (ellipsoid_flows.h). The
// library's EllipsoidError reaches Python as ValueError. Each method is a
// named function below; the bind functions give them their Python names,
// arguments and docstrings.

#include "bindings.h"
#include "constructed.h"
#include "ellipsoid/added_mass.h"
#include "ellipsoid/ellipsoid_error.h"
#include "ellipsoid_flows.h"
#include "flow_values.h"
#include "points.h"
#include "result_arrays.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace py = pybind11;
using namespace solva::ellipsoid;

namespace solva::python {

namespace {

void translateEllipsoidErrors(std::exception_ptr p) {
    try {
        if (p) {
            std::rethrow_exception(p);
        }
    } catch (const EllipsoidError& e) {
        PyErr_SetString(PyExc_ValueError, e.what());
    }
}

// rows × columns doubles, row-major, as an array.
template <std::size_t Rows, std::size_t Columns>
Doubles matrixArray(const std::array<std::array<double, Columns>, Rows>& m) {
    Doubles out({Rows, Columns});
    for (std::size_t i = 0; i < Rows; ++i) {
        std::copy(m[i].begin(), m[i].end(), out.mutable_data() + Columns * i);
    }
    return out;
}

Matrix3 asRotation(const py::handle& value) {
    const Doubles r = asDoubles(value, "rotation");
    if (r.ndim() != 2 || r.shape(0) != 3 || r.shape(1) != 3) {
        throw py::value_error("rotation must be a 3 x 3 matrix, its columns the body's axes");
    }
    Matrix3 m;
    for (std::size_t i = 0; i < 9; ++i) {
        m[i / 3][i % 3] = r.data()[i];
    }
    return m;
}

// --- Ellipsoid's methods

Doubles axesOf(Constructed<Ellipsoid> e) {
    return vectorArray(e->axes());
}

Doubles shapeIntegralsOf(Constructed<Ellipsoid> e) {
    return vectorArray(e->shapeIntegrals());
}

Doubles kTranslationOf(Constructed<Ellipsoid> e) {
    return vectorArray(e->kTranslation());
}

Doubles kRotationOf(Constructed<Ellipsoid> e) {
    return vectorArray(e->kRotation());
}

py::array_t<bool> containsPoints(Constructed<Ellipsoid> e, const py::handle& points) {
    const Doubles xyz = asPoints(points, "points");
    py::array_t<bool> out(leadingShape(xyz));
    for (py::ssize_t i = 0; i < out.size(); ++i) {
        const double* p = xyz.data() + 3 * i;
        out.mutable_data()[i] = e->contains({p[0], p[1], p[2]});
    }
    return out;
}

// `mode` (modePotentials or modeNormals) at each point: an array (..., 6).
// Written into `out` if given (ResultArrays).
template <std::array<double, 6> (*mode)(const Ellipsoid&, const Vector3&)>
py::object modesAt(Constructed<Ellipsoid> e, const py::handle& points, const py::object& out) {
    const Doubles xyz = asPoints(points, "points");
    Shape shape = leadingShape(xyz);
    shape.push_back(6);
    ResultArrays arrays(out, {shape}, points, xyz);
    double* values = arrays.values(0).data();
    for (py::ssize_t i = 0; i < xyz.size() / 3; ++i) {
        const double* p = xyz.data() + 3 * i;
        const std::array<double, 6> m = mode(*e, {p[0], p[1], p[2]});
        std::copy(m.begin(), m.end(), values + 6 * i);
    }
    return arrays.results()[0];
}

Doubles addedMass(Constructed<Ellipsoid> e, const py::handle& about, double rho,
                  const py::object& rotation) {
    const Matrix3 pose = rotation.is_none() ? identity : asRotation(rotation);
    return matrixArray(addedMassMatrix(*e, asVector(about, "about"), rho, pose));
}

EllipsoidStream flowAbout(Constructed<Ellipsoid> e, double alpha, double beta,
                          const py::object& direction) {
    if (direction.is_none()) {
        return makeEllipsoidStream(*e, alpha, beta, std::nullopt);
    }
    if (alpha != 0 || beta != 0) {
        throw py::type_error("flow takes either the angles alpha and beta or a direction, "
                             "not both");
    }
    return makeEllipsoidStream(*e, 0, 0, asVector(direction, "direction"));
}

MovingEllipsoid motionOf(Constructed<Ellipsoid> e, double u, double v, double w, double p, double q,
                         double r) {
    return makeMovingEllipsoid(*e, {u, v, w, p, q, r});
}

std::string reprOf(Constructed<Ellipsoid> e) {
    return ellipsoidRepr(*e);
}

py::tuple ellipsoidState(Constructed<Ellipsoid> e) {
    return py::make_tuple(e->a(), e->b(), e->c());
}

Ellipsoid ellipsoidFromState(const py::tuple& t) {
    return Ellipsoid(t[0].cast<double>(), t[1].cast<double>(), t[2].cast<double>());
}

// --- Docstrings

constexpr const char* EllipsoidDoc =
    R"(An ellipsoid of semi-axes a (along x), b (along y) and c (along z).

Ellipsoid(a, b, c): the axes are lengths, in any unit L; results are in
that unit (areas L^2, volumes L^3). Each axis from 1e-100 to 1e100 and the
largest at most 1e6 times the smallest; raises ValueError otherwise, or for
NaN or infinity. With two equal axes it is the spheroid of that shape.

Parameters
----------
a, b, c : float
    The semi-axes along x, y and z, L.

Raises
------
ValueError
    An axis out of range, NaN or infinity.

Examples
--------
>>> body = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0)
>>> round(body.volume / np.pi, 12)
8.0
>>> round(float(body.shape_integrals.sum()), 12)
2.0)";

constexpr const char* AddedMassDoc =
    R"(The 6 x 6 added-mass matrix about the point `about`.

Parameters
----------
about : array_like (3,)
    The reference point, in the frame of the result and the unit L.
rho : float
    Fluid density (1: the matrix in units of rho).
rotation : array_like (3, 3), optional
    The pose: its columns are the body's x, y, z axes in the frame of the
    result, a proper rotation (orthonormal to 1e-12, det +1). The result
    is then Q M Q^T, Q = diag(R, R), transferred to `about`.

Returns
-------
ndarray (6, 6)
    Rows and columns (u, v, w, p, q, r); masses in rho L^3, couplings in
    rho L^4, moments of inertia in rho L^5.

Raises
------
ValueError
    A density that is not finite and positive, a point that is not three
    finite numbers, or a rotation that is not proper.

Examples
--------
>>> body = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0)
>>> m = body.added_mass()
>>> bool(np.allclose(np.diag(m)[:3], body.k_translation * body.volume))
True
>>> turned = body.added_mass(rotation=[[0, -1, 0], [1, 0, 0], [0, 0, 1]])
>>> bool(np.isclose(turned[1, 1], m[0, 0]))  # the body's x axis along y
True)";

constexpr const char* ModePotentialsDoc =
    R"(The unit-mode potentials phi_1 ... phi_6 at points on or outside the body.

Columns u, v, w, p, q, r: the fluid's potential for the body moving with
unit velocity along x, y, z, or turning with unit angular velocity (radians
per unit time) about x, y, z through its centre; in units L (translation)
and L^2 (rotation).)";

constexpr const char* ModeNormalsDoc =
    R"(The generalized normals (n, r x n) at points on the body, (..., 6).

n is the outward unit normal, r the point; on the body the normal
derivative of each mode potential equals its column.)";

constexpr const char* FlowMethodDoc =
    R"(The flow about the body at rest in a unit stream: an EllipsoidFlow.

The stream's direction is d = (cos a cos b, sin b, sin a cos b) for the
angle of attack alpha and yaw angle beta (degrees, within +-360), as for
the spheroid, or `direction`, any finite non-zero vector (normalised),
given alone.

Parameters
----------
alpha : float
    Angle of attack, degrees.
beta : float
    Yaw angle, degrees.
direction : array_like (3,), optional
    The stream's direction in body axes instead of the angles.

Returns
-------
EllipsoidFlow

Raises
------
ValueError
    An angle out of range or not finite, or a direction that is zero or
    not finite.
TypeError
    Both angles and a direction.

Examples
--------
>>> flow = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).flow(direction=[0.0, 0.0, 2.0])
>>> flow.stream
array([0., 0., 1.]))";

constexpr const char* MotionMethodDoc =
    R"(The fluid about the body moving through still fluid: an EllipsoidMotion.

(u, v, w) is the velocity of the centre and (p, q, r) the angular velocity
about it, radians per unit time, in body axes; each finite.

Parameters
----------
u, v, w : float
    Velocity of the centre along x, y, z, in any speed unit V.
p, q, r : float
    Angular velocity about x, y, z, radians per unit time.

Returns
-------
EllipsoidMotion

Raises
------
ValueError
    A speed that is not finite.

Examples
--------
>>> motion = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).motion(u=1.0, q=0.5)
>>> motion.speeds
(1.0, 0.0, 0.0, 0.0, 0.5, 0.0))";

constexpr const char* ContainsDoc =
    R"(Whether each point of an array (..., 3) lies inside the body.

Parameters
----------
points : array_like (..., 3)
    x, y, z along the last axis, L.

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
>>> ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0).contains([[2.9, 0.0, 0.0], [0.0, 0.0, 1.1]])
array([ True, False]))";

// A mode method's docstring followed by its parameters, what it raises
// (`refused` says which points) and its example.
std::string withOut(const char* doc, const char* refused, const char* example) {
    return std::string(doc) +
           "\n\nParameters\n----------\npoints : array_like (..., 3)\n"
           "    x, y, z along the last axis, L.\n" +
           OutParameterDoc +
           "\n\nReturns\n-------\nndarray (..., 6)\n    `out` if given.\n\n"
           "Raises\n------\nValueError\n    Points not of shape (..., 3), " +
           refused + ", or an unfit `out`.\n\nExamples\n--------\n" + example;
}

constexpr const char* ModePotentialsExample =
    R"(>>> body = ellipsoid_flow.Ellipsoid(1.0, 1.0, 1.0)
>>> phi = body.mode_potentials([[2.0, 0.0, 0.0]])
>>> round(phi[0, 0], 12)  # a sphere's: -a^3 x / (2 r^3)
-0.125)";

constexpr const char* ModeNormalsExample =
    R"(>>> body = ellipsoid_flow.Ellipsoid(3.0, 2.0, 1.0)
>>> body.mode_normals([0.0, 0.0, 1.0])
array([0., 0., 1., 0., 0., 0.]))";

// --- The class

void bindEllipsoidProperties(py::class_<Ellipsoid>& c) {
    c.def_property_readonly("a", checkedMember(&Ellipsoid::a), "Semi-axis along x, L.")
        .def_property_readonly("b", checkedMember(&Ellipsoid::b), "Semi-axis along y, L.")
        .def_property_readonly("c", checkedMember(&Ellipsoid::c), "Semi-axis along z, L.")
        .def_property_readonly("axes", &axesOf, "The semi-axes (a, b, c), L.")
        .def_property_readonly("shape_integrals", &shapeIntegralsOf,
                               "The shape integrals (A1, A2, A3) at s = 0; they add up to 2.")
        .def_property_readonly("k_translation", &kTranslationOf,
                               "Inertia coefficients (k1, k2, k3) for motion along x, y, z.")
        .def_property_readonly("k_rotation", &kRotationOf,
                               "Inertia coefficients (k'1, k'2, k'3) for rotation about x, y, z.")
        .def_property_readonly("volume", checkedMember(&Ellipsoid::volume),
                               "Volume 4/3 pi a b c, L^3.")
        .def_property_readonly("area", checkedMember(&Ellipsoid::area), "Surface area, L^2.");
}

void bindEllipsoidMethods(py::class_<Ellipsoid>& c) {
    c.def(py::init<double, double, double>(), py::arg("a"), py::arg("b"), py::arg("c"));
    bindEllipsoidProperties(c);
    c.def("contains", &containsPoints, py::arg("points"), ContainsDoc)
        .def("mode_potentials", &modesAt<&modePotentials>, py::arg("points"), py::kw_only(),
             py::arg("out") = py::none(),
             withOut(ModePotentialsDoc, "a point inside the body", ModePotentialsExample).c_str())
        .def("mode_normals", &modesAt<&modeNormals>, py::arg("points"), py::kw_only(),
             py::arg("out") = py::none(),
             withOut(ModeNormalsDoc, "a point not on the body (within 1e-9)", ModeNormalsExample)
                 .c_str())
        .def("added_mass", &addedMass, py::arg("about") = std::vector<double>{0, 0, 0},
             py::arg("rho") = 1.0, py::arg("rotation") = py::none(), AddedMassDoc)
        .def("flow", &flowAbout, py::arg("alpha") = 0.0, py::arg("beta") = 0.0, py::kw_only(),
             py::arg("direction") = py::none(), FlowMethodDoc)
        .def("motion", &motionOf, py::arg("u") = 0.0, py::arg("v") = 0.0, py::arg("w") = 0.0,
             py::arg("p") = 0.0, py::arg("q") = 0.0, py::arg("r") = 0.0, MotionMethodDoc)
        .def("__repr__", &reprOf)
        .def(py::pickle(&ellipsoidState, &ellipsoidFromState));
}

} // namespace

// Each class is bound before the methods that name it, so that their
// signatures give its Python name.
void bindEllipsoid(py::module_& m) {
    py::register_exception_translator(&translateEllipsoidErrors);
    py::class_<Ellipsoid> c(m, "Ellipsoid", EllipsoidDoc);
    bindEllipsoidFlows(m);
    bindEllipsoidMethods(c);
}

} // namespace solva::python
