// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The two angles the results give in degrees (docs/mathematics.md):
//   the angle of column J around the axis, (J - 1) 180 / NT: 0 lies in the
//   yaw plane, 90 in the pitch plane;
//   the eccentric angle FI of a meridian point, FI 180 / PI: 180 at the
//   nose, 0 at the tail.
// Each is one rounding per operation, in the order written, so every caller
// gets the same double.

#include "app/checked_real.h"
#include "app/element.h"

namespace solva {

// Fails with the run's error (invalid operation, division by zero) when NT is
// 0, as (J - 1) 180 / NT is then 0 / 0 for J = 1 or a division by zero after.
inline Real columnAngleDegrees(long J, Real NT) {
    return (Real(J - 1) * 180) / NT;
}

// FI in degrees; PI as the run computed it. An empty FI counts as 0.
inline Real pointAngleDegrees(const Element& FI, Real PI) {
    return (FI.real() * 180) / PI;
}

} // namespace solva
