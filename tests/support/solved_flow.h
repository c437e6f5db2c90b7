// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The flow of a run solved without the run around it: no input texts, no
// files, no drawing. Each step fails as it does in a run.

#include "flow/coefficients.h"
#include "flow/flow_state.h"

namespace solva::test {

// Every coefficient, PI and NJ among them, as a run computes them.
FlowCoefficients flowCoefficients(const RunParameters& p);

// The coefficients, then the meridian points and the speed grid in `s`.
FlowCoefficients solveFlow(const RunParameters& p, FlowState& s);

} // namespace solva::test
