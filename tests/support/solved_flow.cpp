// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/solved_flow.h"

#include "flow/meridian_points.h"
#include "flow/speed_grid.h"

namespace solva::test {

FlowCoefficients flowCoefficients(const RunParameters& p) {
    FlowCoefficients c{};
    c.PI = computePI();
    c.NJ = computeNJ(p);
    computeFlowCoefficients(p, c);
    return c;
}

FlowCoefficients solveFlow(const RunParameters& p, FlowState& s) {
    const FlowCoefficients c = flowCoefficients(p);
    generateMeridianPoints(p.Lamda, p.NXX, c.PI, s);
    fillSpeedGrid(p, c, s);
    return c;
}

} // namespace solva::test
