// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The command line of ellipsoid-flow-cli:
//   ellipsoid-flow-cli [OPTIONS] LAMBDA NXX NT ALPHA BETA
//   ellipsoid-flow-cli [OPTIONS] --runs FILE
//   ellipsoid-flow-cli [OPTIONS] [--lambda V] [--nxx V] [--nt V] [--alpha V] [--beta V]

#include "app/input_texts.h"
#include "cli/batch.h"
#include "cli/sweep.h"

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace solva::cli {

struct Options {
    std::optional<InputTexts> single; // the five texts of one run, as typed
    std::optional<std::string> runs;  // the runs file, "-" for standard input
    std::optional<NamedInputs> named; // --lambda ... --beta, when any is given
    bool strict = false;              // --strict
    // --dir, --grid, --table, --summary, --no-files, --overwrite; numbered
    // with --runs or a sweep. Whether standard error is a terminal is the
    // program's to find.
    BatchSettings batch;
};

// Reads the command line of the runs. --help and --version print to `out`
// and give no options; anything the program cannot act on throws UsageError
// with a message that says what to type instead.
using BatchParser =
    std::function<std::optional<Options>(int argc, const char* const* argv, std::ostream& out)>;

// Makes `program` ellipsoid-flow-cli: its name, description, help, --version
// and the options of the runs; gives what reads them. The usage that --help
// shows and usage errors end with lists the program's subcommands as they are
// when it is shown. `program` must outlive the parser.
BatchParser setUpBatchOptions(CLI::App& program);

} // namespace solva::cli
