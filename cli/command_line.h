// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The whole command line of ellipsoid-flow-cli, declared once in one CLI11
// app: the runs of the window (options.h) and the subcommands on the
// spheroid library, field (field_command.h) and inertia (inertia_command.h),
// named by the first argument.

#include "cli/options.h"

#include <iosfwd>
#include <variant>

namespace solva::cli {

// Does what the command line asks for, but the window's runs: --help and
// --version print on `out`; field and inertia write their output on `out`
// and their errors on `err`. Gives the exit status of what was done (0 done;
// 1 a point or value the flow cannot take, or output, --help's too, that
// `out` cannot take; 2 a usage error of a subcommand or a points file that
// cannot be read, holds no point or has a row that is not x,y,z), or else
// the options of the runs. Throws UsageError when the runs' command line
// cannot be acted on. The points of "-" are read from standard input.
std::variant<int, Options> runCommandLine(int argc, const char* const* argv, std::ostream& out,
                                          std::ostream& err);

} // namespace solva::cli
