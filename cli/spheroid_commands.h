// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The subcommands of ellipsoid-flow-cli that use the spheroid library, beside
// the runs of the window:
//   ellipsoid-flow-cli field --lambda L --alpha A --beta B (--points FILE.csv | -)
//       reads x,y,z rows and writes x,y,z,phi,u,v,w,Cu,Cp as CSV;
//   ellipsoid-flow-cli inertia --lambda L [--about X,Y,Z] [--rho R] [--length L]
//                              [--alpha A --beta B] [--speed U]
//       writes one JSON object: shape integrals, k1, k2, k', volume, area, the
//       6 × 6 added-mass matrix and, with the angles or the speed, Cp_min, the
//       stagnation points and the Munk moment.
// Both take --lambda as a number or a fraction such as 1/8.

#include <iosfwd>
#include <optional>

namespace solva::cli {

// Runs the subcommand argv[1] names and gives its exit status (0 done; 1 a
// point or value the flow cannot take, or output, --help's too, that `out`
// cannot take; 2 a usage error or a points file that cannot be read, holds no
// point or has a row that is not x,y,z; with the message on err), or nothing
// when argv[1] names no subcommand. The points of "-" are read from standard
// input.
std::optional<int> runSpheroidCommand(int argc, const char* const* argv, std::ostream& out,
                                      std::ostream& err);

} // namespace solva::cli
