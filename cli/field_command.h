// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// ellipsoid-flow-cli field (--lambda L | --axes A,B,C) --alpha A --beta B
//                          (--points FILE.csv | -) [--inside-nan]
// reads x,y,z rows (points_csv.h) and writes x,y,z,phi,u,v,w,Cu,Cp as CSV,
// the exact flow of the stream at each point; with --axes A,B,C
// --motion U,V,W,P,Q,R instead of the angles, x,y,z,phi,u,v,w of the fluid
// about the moving ellipsoid.

#include "cli/spheroid_command.h"

namespace solva::cli {

// Declares the field subcommand on `program`. Parsing it fails with a
// CLI::ParseError when neither --points nor "-" names the points, for options
// that exclude each other or an option missing (checkBody). Its run
// throws UsageError for a points file that cannot be read, holds no point or
// has a row that is not x,y,z, and SpheroidError (EllipsoidError with --axes)
// for a value out of range or a point inside the body (without --inside-nan),
// not finite or too far, naming its line.
SpheroidCommand setUpFieldCommand(CLI::App& program);

} // namespace solva::cli
