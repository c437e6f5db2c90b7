// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "points.h"

#include <cmath>
#include <sstream>

namespace py = pybind11;

namespace solva::python {

namespace {

// `a` as contiguous doubles, copied only when it is not that already. A copy
// that cannot be made raises MemoryError naming `what`, never a null array.
Doubles contiguous(const py::array& a, const std::string& what) {
    try {
        return Doubles(a);
    } catch (py::error_already_set& e) {
        if (!e.matches(PyExc_MemoryError)) {
            throw;
        }
        py::raise_from(e, PyExc_MemoryError,
                       (what + " must be copied as contiguous float64, and there is no memory "
                               "for the copy")
                           .c_str());
        throw py::error_already_set();
    }
}

} // namespace

Doubles asDoubles(const py::handle& values, const std::string& what) {
    py::array a;
    try {
        a = py::module_::import("numpy").attr("asarray")(values);
    } catch (const py::error_already_set&) {
        throw py::type_error(what + " must be an array of real numbers");
    }
    const char kind = a.dtype().kind();
    if (kind != 'f' && kind != 'i' && kind != 'u') {
        throw py::type_error(what + " must be real numbers, not an array of dtype " +
                             py::str(a.dtype()).cast<std::string>());
    }
    return contiguous(a, what);
}

Doubles asPoints(const py::handle& values, const std::string& what) {
    Doubles p = asDoubles(values, what);
    if (p.ndim() == 0 || p.shape(p.ndim() - 1) != 3) {
        throw py::value_error(what +
                              " must have the shape (..., 3), x, y, z along the last axis; "
                              "got shape " +
                              shapeText(shapeOf(p)));
    }
    return p;
}

spheroid::Vector3 asVector(const py::handle& value, const std::string& what) {
    const Doubles v = asDoubles(value, what);
    if (v.ndim() != 1 || v.shape(0) != 3) {
        throw py::value_error(what + " must be three numbers x, y, z");
    }
    return {v.data()[0], v.data()[1], v.data()[2]};
}

std::string shapeText(const std::vector<py::ssize_t>& shape) {
    std::ostringstream out;
    out << '(';
    for (std::size_t i = 0; i < shape.size(); ++i) {
        out << (i > 0 ? ", " : "") << shape[i];
    }
    out << (shape.size() == 1 ? ",)" : ")");
    return out.str();
}

std::vector<py::ssize_t> shapeOf(const py::array& a) {
    return {a.shape(), a.shape() + a.ndim()};
}

std::string floatRepr(double v) {
    return py::repr(py::float_(v)).cast<std::string>();
}

std::vector<py::ssize_t> leadingShape(const Doubles& points) {
    return {points.shape(), points.shape() + points.ndim() - 1};
}

void requireFinite(const Doubles& values, const std::string& what) {
    const double* v = values.data();
    for (py::ssize_t i = 0; i < values.size(); ++i) {
        if (!std::isfinite(v[i])) {
            std::ostringstream message;
            message << what << " must be finite, but element " << i << " (flat index) is " << v[i];
            throw py::value_error(message.str());
        }
    }
}

} // namespace solva::python
