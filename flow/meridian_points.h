// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The meridian points (docs/mathematics.md, "Meridian points").
//
// The meridian is the ellipse x^2 + (y / Lamda)^2 = 1 with semi-axis 1 along
// the body's axis; it is cut into NXX chords between nodes evenly spaced in
// eccentric angle, from the nose (angle PI) to the tail (angle 0). Point I is
// where the normal raised at the midpoint of chord I meets the ellipse.
//
// Symbols, for chord I (lengths in semi-axes, angles in radians):
//   DFI  eccentric-angle step between nodes, PI / NXX
//   F1   eccentric angle of the chord's tail-side node, PI - DFI I
//   XM   x of the chord's midpoint
//   YM   y of the chord's midpoint
//   SL   slope dy/dx of the chord
//   SN   slope of the normal at the midpoint, -1 / SL
//   CN   intercept of the normal, y = SN x + CN
//   SG   sign of SN, which picks the root outward of the chord
//   XS   x where the normal meets the ellipse
//   RS   sqrt(1 - XS^2), so that the point is (XS, Lamda RS)
//   TF   RS / XS, the tangent of the point's eccentric angle
// and the results, written to the flow state:
//   FI(I)  eccentric angle of the point, radians, in (0, PI)
//   X(I)   0.5 XS: axial coordinate on a body of length 1, nose at -0.5
//   Y(I)   0.5 Lamda RS: the body's radius there

#include "flow/flow_state.h"

namespace solva {

// Writes FI, X and Y of points 1 ... NXX; NXX is a loop limit (a fraction
// counts its whole part, below 1 places no point). Lamda must have passed
// computeFlowCoefficients.
//
// Fails by throwing RunError with
//   DivisionByZero       NXX = 0: DFI = PI / NXX; or NXX from about 3E+8 to
//                        about 1.4E+16, at point 1: its chord is too short for
//                        the cosines of its ends to differ;
//   Overflow             NXX not 0 but below about 1.8E-308 in size: PI / NXX
//                        is too large for a double;
//   SubscriptOutOfRange  NXX from 401 to about 3E+8, at point 401: the arrays
//                        hold MaxPoint points;
//   InvalidOperation     NXX from about 1.4E+16 on, at point 1: the chord's
//                        ends do not differ at all.
// The points already placed keep their values.
void generateMeridianPoints(Real Lamda, Real NXX, Real PI, FlowState& s);

} // namespace solva
