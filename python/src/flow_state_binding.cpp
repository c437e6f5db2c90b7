// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "flow_state_binding.h"
#include "bindings.h"
#include "constructed.h"

#include <pybind11/numpy.h>

#include <cmath>
#include <limits>
#include <string>

namespace py = pybind11;

namespace solva::python {

namespace {

// An element a run has not written reads as NaN: a written one is always finite.
constexpr double Empty = std::numeric_limits<double>::quiet_NaN();

using Values = py::array_t<double, py::array::c_style | py::array::forcecast>;

// The arrays are only read and written by one run at a time.
std::unique_lock<std::mutex> hold(SharedFlowState& s) {
    py::gil_scoped_release released;
    return std::unique_lock(s.busy);
}

double valueOf(const Element& e) {
    return e.empty() ? Empty : e.toDouble();
}

void setElement(Element& e, double v, const char* name) {
    if (std::isnan(v)) {
        e.clear();
    } else if (std::isinf(v)) {
        throw py::value_error(std::string(name) + " holds an infinite value; a written element is "
                                                  "finite and an empty one NaN");
    } else {
        e = Real(v);
    }
}

// Elements 1 ... MaxPoint as an array of MaxPoint.
Values pointValues(const PointArray& a) {
    Values out(MaxPoint);
    auto v = out.mutable_unchecked<1>();
    for (long i = 1; i <= MaxPoint; ++i) {
        v(i - 1) = valueOf(a(i));
    }
    return out;
}

// Elements (1 ... MaxPoint, 1 ... MaxColumn) as points x columns.
Values gridValues(const SpeedGrid& g) {
    Values out({MaxPoint, MaxColumn});
    auto v = out.mutable_unchecked<2>();
    for (long i = 1; i <= MaxPoint; ++i) {
        for (long j = 1; j <= MaxColumn; ++j) {
            v(i - 1, j - 1) = valueOf(g(i, j));
        }
    }
    return out;
}

void checkShape(const Values& values, std::initializer_list<py::ssize_t> shape, const char* name) {
    const bool same = values.ndim() == static_cast<py::ssize_t>(shape.size()) &&
                      std::equal(shape.begin(), shape.end(), values.shape());
    if (!same) {
        throw py::value_error(std::string("FlowState: ") + name + " must have the shape (" +
                              std::to_string(MaxPoint) +
                              (shape.size() == 2 ? ", " + std::to_string(MaxColumn) : ",") + ")");
    }
}

void setPoints(PointArray& a, const Values& values, const char* name) {
    checkShape(values, {MaxPoint}, name);
    auto v = values.unchecked<1>();
    for (long i = 1; i <= MaxPoint; ++i) {
        setElement(a(i), v(i - 1), name);
    }
}

void setGrid(SpeedGrid& g, const Values& values) {
    checkShape(values, {MaxPoint, MaxColumn}, "CU");
    auto v = values.unchecked<2>();
    for (long i = 1; i <= MaxPoint; ++i) {
        for (long j = 1; j <= MaxColumn; ++j) {
            setElement(g(i, j), v(i - 1, j - 1), "CU");
        }
    }
}

template <PointArray FlowState::*Member> Values pointsOf(Constructed<SharedFlowState> s) {
    auto lock = hold(*s);
    return pointValues((*s->arrays).*Member);
}

Values speedGrid(Constructed<SharedFlowState> s) {
    auto lock = hold(*s);
    return gridValues(s->arrays->CU);
}

py::tuple flowStateState(Constructed<SharedFlowState> s) {
    auto lock = hold(*s);
    const FlowState& a = *s->arrays;
    return py::make_tuple(pointValues(a.FI), pointValues(a.X), pointValues(a.Y), gridValues(a.CU),
                          pointValues(a.CU1));
}

std::unique_ptr<SharedFlowState> flowStateFromState(const py::tuple& t) {
    if (t.size() != 5) {
        throw py::value_error("FlowState: the pickled state must hold five arrays");
    }
    auto s = std::make_unique<SharedFlowState>();
    FlowState& a = *s->arrays;
    setPoints(a.FI, t[0].cast<Values>(), "FI");
    setPoints(a.X, t[1].cast<Values>(), "X");
    setPoints(a.Y, t[2].cast<Values>(), "Y");
    setGrid(a.CU, t[3].cast<Values>());
    setPoints(a.CU1, t[4].cast<Values>(), "CU1");
    return s;
}

} // namespace

void bindFlowState(py::module_& m) {
    py::class_<SharedFlowState>(m, "FlowState",
                                R"(The result arrays a window keeps from one run to the next.

Give the same FlowState to successive run() calls and they share it as
successive clicks in one window do: each run overwrites the elements it uses
and leaves the rest as an earlier run left them. A new FlowState is a newly
started window's. Runs given the same FlowState take turns.

The arrays are copies, index i holding element i + 1 of the window's arrays,
NaN where no run has written.

Examples
--------
>>> state = ellipsoid_flow.FlowState()
>>> bool(np.isnan(state.CU1).all())
True
>>> result = ellipsoid_flow.run(0.2, 10, 4, 10, 0, state=state)
>>> int(np.count_nonzero(~np.isnan(state.FI)))
10)")
        .def(py::init<>())
        .def_property_readonly("FI", &pointsOf<&FlowState::FI>,
                               "Eccentric angle of each meridian point, radians, shape (400,).")
        .def_property_readonly(
            "X", &pointsOf<&FlowState::X>,
            "Axial coordinate on a body of length 1, nose at -0.5, shape (400,).")
        .def_property_readonly("Y", &pointsOf<&FlowState::Y>,
                               "Radius of the body at each point, body length 1, shape (400,).")
        .def_property_readonly("CU1", &pointsOf<&FlowState::CU1>,
                               "Cu of the angle-0 column handed to the plot, shape (400,).")
        .def_property_readonly(
            "CU", &speedGrid,
            "(Surface speed / free-stream speed)^2 by point and column, shape (400, 36).")
        .def(py::pickle(&flowStateState, &flowStateFromState));
}

} // namespace solva::python
