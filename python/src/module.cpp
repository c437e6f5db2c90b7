// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// ellipsoid_flow._core: the C++ core and the exact flow, bound for Python.
// The package ellipsoid_flow re-exports it with the parts written in Python.

#include "app/version.h"
#include "bindings.h"

pybind11::object solva::python::coreAttribute(const char* name) {
    return pybind11::module_::import("ellipsoid_flow._core").attr(name);
}

PYBIND11_MODULE(_core, m) {
    m.doc() = "The compiled core of ellipsoid_flow; import ellipsoid_flow instead.";
    m.attr("__version__") = SOLVA_VERSION;
    solva::python::bindFlowState(m);
    solva::python::bindRun(m);
    solva::python::bindSpheroid(m);
    solva::python::bindEllipsoid(m);
}
