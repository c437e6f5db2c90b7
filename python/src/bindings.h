// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The parts of the compiled module ellipsoid_flow._core, each bound by a file
// of its own; module.cpp puts them together.

#include <pybind11/pybind11.h>

namespace solva::python {

void bindEllipsoid(pybind11::module_& m);
void bindFlowState(pybind11::module_& m);
void bindRun(pybind11::module_& m);
void bindSpheroid(pybind11::module_& m);

// The attribute `name` of ellipsoid_flow._core: a type the bindings make when
// the module is made (RunError, the named tuples) is kept there and looked up
// when needed, never held in a static, which would be released after the
// interpreter has shut down.
pybind11::object coreAttribute(const char* name);

} // namespace solva::python
