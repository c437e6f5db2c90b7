#pragma once

#include "flow/flow_state.h"

namespace solva {

// Places NXX points on the upper half of the meridian ellipse
// x^2 + (y / Lamda)^2 = 1, nose to tail, and writes FI, X and Y of points
// 1 ... NXX. Each point is where the normal raised at the midpoint of a chord
// meets the ellipse; the chords join nodes evenly spaced in eccentric angle.
void generateMeridianPoints(Real Lamda, Real NXX, Real PI, FlowState& s);

} // namespace solva
