// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// ellipsoid-flow-cli field --lambda L --alpha A --beta B (--points FILE.csv | -)
// [--inside-nan]: reads x,y,z rows (points_csv.h) and writes
// x,y,z,phi,u,v,w,Cu,Cp as CSV, the exact flow at each point.

#include "cli/spheroid_command.h"

namespace solva::cli {

// Declares the field subcommand on `program`. Parsing it fails with
// CLI::RequiredError when neither --points nor "-" names the points. Its run
// throws UsageError for a points file that cannot be read, holds no point or
// has a row that is not x,y,z, and SpheroidError for a point inside the body
// (without --inside-nan), not finite or too far, naming its line.
SpheroidCommand setUpFieldCommand(CLI::App& program);

} // namespace solva::cli
