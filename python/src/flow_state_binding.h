// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include "flow/flow_state.h"

#include <memory>
#include <mutex>

namespace solva::python {

// The window's result arrays as a Python object: the runs given it share
// them as successive clicks in one window do, one run at a time.
struct SharedFlowState {
    std::unique_ptr<FlowState> arrays = std::make_unique<FlowState>();
    std::mutex busy; // held by the run using the arrays, with the GIL released
};

} // namespace solva::python
