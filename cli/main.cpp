// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// ellipsoid-flow-cli: the window's runs from the command line or a runs file,
// with the whole grid and the coefficients on request.

#include "cli/batch.h"
#include "cli/options.h"
#include "cli/runs_file.h"
#include "cli/spheroid_commands.h"
#include "cli/usage_error.h"

#include <clocale>
#include <iostream>
#include <memory>
#include <unistd.h>

int main(int argc, char* argv[]) {
    // The field and inertia subcommands, whose output is the same in every locale.
    if (const auto status =
            solva::cli::runSpheroidCommand(argc, argv, std::cin, std::cout, std::cerr)) {
        return *status;
    }
    // The window's toolkit takes the user's locale at start; the result files
    // follow it, so the same texts give the same bytes here.
    std::setlocale(LC_ALL, "");
    using namespace solva::cli;
    try {
        const std::optional<Options> options = parseOptions(argc, argv, std::cout);
        if (!options) {
            return 0;
        }
        BatchSettings settings = options->batch;
        settings.progress = isatty(STDERR_FILENO) == 1;
        std::vector<solva::InputTexts> runs;
        if (options->runs) {
            runs = readRunsFile(*options->runs, std::cin);
        } else {
            runs.push_back(*options->single);
        }
        auto state = std::make_unique<solva::FlowState>(); // as a newly started window has it
        return runBatch(runs, settings, solva::OutputStyle::fromLocale(), *state, std::cout,
                        std::cerr);
    } catch (const UsageError& e) {
        std::cerr << "ellipsoid-flow-cli: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) { // out of memory, say: no run can go on
        std::cerr << "ellipsoid-flow-cli: " << e.what() << '\n';
        return 1;
    }
}
