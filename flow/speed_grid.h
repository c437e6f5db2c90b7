// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The squared surface speed (docs/mathematics.md, "Surface speed").
//
// On the ellipsoid the potential-flow surface velocity over the free-stream
// speed is the tangential part of W = ((1 + K1) U1, (1 + K2) U2, (1 + K3) U3),
// so with N the outward unit normal Cu = |W|^2 - (W . N)^2.
//
// Symbols (dimensionless unless given):
//   DT          circumferential step, PI / NT, radians
//   T           angle of column J around the axis, DT (J - 1), radians;
//               0 lies in the yaw plane, PI / 2 in the pitch plane
//   S           sqrt(sin^2 FI + (Lamda cos FI)^2), the length that makes N unit
//   N1, N2, N3  components of the unit normal at (FI, T)
//   W1, W2, W3  components of W; WW = |W|^2
//   WN          W . N
//   CU(I, J)    Cu at point I and column J: (surface speed / free-stream speed)^2;
//               the pressure coefficient is Cp = 1 - Cu
//   CU1(I)      CU(I, 1), the column of angle 0

#include "flow/coefficients.h"
#include "flow/flow_state.h"

namespace solva {

// Fills CU(I, J) for I = 1 ... NXX and J = 1 ... NJ and copies column 1 into
// CU1; with no column, CU1 of each point is emptied. The coefficients and
// points 1 ... NXX must be in place.
//
// Fails by throwing RunError with
//   DivisionByZero       NT = 0: DT = PI / NT;
//   Overflow             NT not 0 but below about 1.8E-308 in size: PI / NT is
//                        too large for a double;
//   SubscriptOutOfRange  NJ of 37 or more (NT of 18.5 or more off the axis), at
//                        column 37: the grid holds MaxColumn columns.
// In a run, NT = 0 on the axis and NJ of 37 or more stop the report's header
// first.
// The rows already filled keep their values.
void fillSpeedGrid(const RunParameters& p, const FlowCoefficients& c, FlowState& s);

} // namespace solva
