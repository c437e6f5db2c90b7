// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The whole grid of a run in long form, for programs to read: RFC 4180 CSV
// (CRLF line ends) with the header
//   point,angle_deg,FI_deg,X,Y,Cu,Cp
// and one row per point I = 1 ... NXX and column J = 1 ... NJ, point by point:
//   point      I
//   angle_deg  the column's angle around the axis, (J - 1) 180 / NT, degrees
//   FI_deg     the point's eccentric angle FI 180 / PI, degrees
//   X, Y       the point on a body of length 1 (nose at -0.5) and its radius there
//   Cu         (surface speed / free-stream speed)^2 at the point and column
//   Cp         pressure coefficient, 1 - Cu
// The angles are the very values the report prints (flow/angles.h). Numbers are in the
// shortest form that reads back to the same double, always with ".".

#include "flow/coefficients.h"
#include "flow/flow_state.h"

#include <string>

namespace solva::cli {

// The CSV text of a completed run's grid.
std::string gridCsv(const FlowState& s, const RunParameters& p, const FlowCoefficients& c);

} // namespace solva::cli
