// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// ellipsoid-flow-cli inertia --lambda L [--about X,Y,Z] [--rho R] [--length L]
//                            [--alpha A --beta B] [--speed U]
// writes one JSON object: shape integrals, k1, k2, k', volume, area, the
// 6 × 6 added-mass matrix and, with the angles or the speed, Cp_min, the
// stagnation points and the Munk moment.

#include "cli/spheroid_command.h"

namespace solva::cli {

// Declares the inertia subcommand on `program`. Its run throws SpheroidError
// for a value out of range or a result beyond the range of a double, naming
// the quantity and the inputs.
SpheroidCommand setUpInertiaCommand(CLI::App& program);

} // namespace solva::cli
