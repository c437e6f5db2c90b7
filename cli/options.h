// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The command line of ellipsoid-flow-cli:
//   ellipsoid-flow-cli [OPTIONS] LAMBDA NXX NT ALPHA BETA
//   ellipsoid-flow-cli [OPTIONS] --runs FILE

#include "app/run.h"
#include "cli/batch.h"

#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>

namespace solva::cli {

struct Options {
    std::optional<InputTexts> single; // the five texts of one run, as typed
    std::optional<std::string> runs;  // the runs file, "-" for standard input
    // --dir, --grid and --summary; with --runs, numbered. Whether standard
    // error is a terminal is the program's to find.
    BatchSettings batch;
};

// Reads the command line. --help and --version print to `out` and give no
// options; anything the program cannot act on throws UsageError with a
// message that says what to type instead.
std::optional<Options> parseOptions(int argc, const char* const* argv, std::ostream& out);

} // namespace solva::cli
