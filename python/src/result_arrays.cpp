// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "result_arrays.h"

#include <string>

namespace py = pybind11;

namespace solva::python {

namespace {

std::string typeName(const py::handle& h) {
    return py::type::handle_of(h).attr("__name__").cast<std::string>();
}

// What `a` is instead of the array wanted, or "" when it is that array.
std::string mismatch(const py::array& a, const Shape& shape) {
    if (!py::array_t<double>::check_(a)) {
        return "dtype " + py::str(a.dtype()).cast<std::string>();
    }
    if (shapeOf(a) != shape) {
        return "shape " + shapeText(shapeOf(a));
    }
    if ((a.flags() & py::array::c_style) == 0) {
        return "an array that is not C-contiguous";
    }
    if (!a.writeable()) {
        return "a read-only array";
    }
    return "";
}

// `out` checked to be the array a result of `shape` is written into.
Doubles checkedArray(const py::handle& out, const Shape& shape, const std::string& what) {
    const std::string expected = what +
                                 ": expected a writeable C-contiguous float64 array of shape " +
                                 shapeText(shape) + ", got ";
    if (!py::isinstance<py::array>(out)) {
        throw py::value_error(expected + "an object of type " + typeName(out));
    }
    const std::string got = mismatch(py::reinterpret_borrow<py::array>(out), shape);
    if (!got.empty()) {
        throw py::value_error(expected + got);
    }
    return py::reinterpret_borrow<Doubles>(out);
}

// `out` as one object a result: the array itself, or a tuple of n of them.
std::vector<py::object> givenObjects(const py::object& out, std::size_t n) {
    if (n == 1) {
        return {out};
    }
    if (!py::isinstance<py::tuple>(out)) {
        throw py::value_error("out: expected a tuple of " + std::to_string(n) +
                              " arrays, got an object of type " + typeName(out));
    }
    const py::tuple t = py::reinterpret_borrow<py::tuple>(out);
    if (t.size() != n) {
        throw py::value_error("out: expected a tuple of " + std::to_string(n) +
                              " arrays, got a tuple of " + std::to_string(t.size()));
    }
    std::vector<py::object> objects;
    for (const py::handle item : t) {
        objects.push_back(py::reinterpret_borrow<py::object>(item));
    }
    return objects;
}

// Throws ValueError naming `what` if the memory of `a` and `other` may overlap.
void requireApart(const Doubles& a, const std::string& what, const py::handle& other,
                  const std::string& otherName) {
    const py::object mayShare = py::module_::import("numpy").attr("may_share_memory");
    if (mayShare(a, other).cast<bool>()) {
        throw py::value_error(what + ": expected an array apart from " + otherName +
                              ", got one sharing memory with it");
    }
}

} // namespace

ResultArrays::ResultArrays(const py::object& out, const std::vector<Shape>& shapes,
                           const py::handle& points, const Doubles& xyz)
    : given_(!out.is_none()) {
    if (!given_) {
        for (const Shape& shape : shapes) {
            arrays_.emplace_back(shape);
        }
        return;
    }
    const std::vector<py::object> objects = givenObjects(out, shapes.size());
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const std::string what = shapes.size() == 1 ? "out" : "out[" + std::to_string(i) + "]";
        const Doubles& a = arrays_.emplace_back(checkedArray(objects[i], shapes[i], what));
        requireApart(a, what, xyz, "the points");
        if (py::isinstance<py::array>(points)) {
            requireApart(a, what, points, "the points");
        }
        for (std::size_t j = 0; j < i; ++j) {
            requireApart(a, what, arrays_[j], "out[" + std::to_string(j) + "]");
        }
    }
}

std::span<double> ResultArrays::values(std::size_t i) {
    Doubles& a = arrays_[i];
    return {a.mutable_data(), static_cast<std::size_t>(a.size())};
}

std::vector<py::object> ResultArrays::results() const {
    std::vector<py::object> results;
    for (const Doubles& a : arrays_) {
        results.push_back(given_ ? py::object(a) : scalarOrArray(a));
    }
    return results;
}

py::object scalarOrArray(const Doubles& values) {
    if (values.ndim() == 0) {
        return py::float_(*values.data());
    }
    return values;
}

} // namespace solva::python
