#pragma once

#include "flow/coefficients.h"
#include "flow/flow_state.h"

namespace solva {

// Fills CU(I, J), the squared surface speed ratio at meridian point I and
// circumferential column J (angle (J - 1) 180 / NT degrees), for I = 1 ... NXX
// and J = 1 ... NJ, and copies column 1, the angle 0, into CU1.
void fillSpeedGrid(const RunParameters& p, const FlowCoefficients& c, FlowState& s);

} // namespace solva
