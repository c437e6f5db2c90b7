// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// ellipsoid-flow-cli inertia --lambda L [--about X,Y,Z] [--rho R] [--length L]
//                            [--alpha A --beta B] [--speed U]
// writes one JSON object: shape integrals, k1, k2, k', volume, area, the
// 6 × 6 added-mass matrix and, with the angles or the speed, Cp_min, the
// stagnation points and the Munk moment.
// ellipsoid-flow-cli inertia --axes A,B,C [--about X,Y,Z] [--rho R]
//                            [--alpha A --beta B]
// writes the same of the ellipsoid: shape integrals, k and k′ of each axis,
// volume, area, the 6 × 6 added-mass matrix and the stream's values.

#include "cli/spheroid_command.h"

namespace solva::cli {

// Declares the inertia subcommand on `program`; parsing it fails with a
// CLI::ParseError without --lambda or --axes, or for options that exclude
// each other (--axes with --length or --speed). Its run throws SpheroidError
// (EllipsoidError with --axes) for a value out of range or a result beyond the range of a double,
// naming the quantity and the inputs.
SpheroidCommand setUpInertiaCommand(CLI::App& program);

} // namespace solva::cli
