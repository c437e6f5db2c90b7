// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// ellipsoid-flow-cli: the window's runs from the command line, a runs file or
// a sweep of named inputs, with the whole grid, one table and the
// coefficients on request.

#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/interruption.h"
#include "cli/runs_file.h"
#include "cli/strict_texts.h"
#include "cli/sweep.h"
#include "cli/usage_error.h"

#include <cerrno>
#include <clocale>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <variant>

namespace {

using namespace solva::cli;

// The runs the options name; usage errors in them are found here, before any run.
std::unique_ptr<RunSource> runsOf(const Options& o) {
    if (o.runs) {
        return std::make_unique<RunsFile>(*o.runs, o.strict);
    }
    if (o.named) {
        return std::make_unique<Sweep>(*o.named, o.strict);
    }
    if (o.strict) {
        checkStrictly(*o.single);
    }
    return std::make_unique<RunList>(std::vector{*o.single});
}

// A standard stream started closed keeps its number taken by /dev/null,
// opened the wrong way round, so that no file the program opens gets it (the
// summary would go into the table) and each use of it fails as it would have.
void holdClosedStandardStreams() {
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int held = open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
            if (held != fd && held >= 0) {
                close(held); // the lowest free number is fd's; nothing else can have taken it
            }
        }
    }
}

// Whether standard output and standard error are the same terminal, where a
// progress line would be drawn between the summary's lines.
bool outputOnErrorTerminal() {
    struct stat out {
    }, err{};
    return isatty(STDOUT_FILENO) == 1 && fstat(STDOUT_FILENO, &out) == 0 &&
           fstat(STDERR_FILENO, &err) == 0 && out.st_rdev == err.st_rdev;
}

} // namespace

int main(int argc, char* argv[]) {
    holdClosedStandardStreams();
    try {
        // --help, --version and the field and inertia subcommands, whose output
        // is the same in every locale, are done here.
        const std::variant<int, Options> line = runCommandLine(argc, argv, std::cout, std::cerr);
        if (const int* status = std::get_if<int>(&line)) {
            return *status;
        }
        const Options& options = std::get<Options>(line);
        // The window's toolkit takes the user's locale at start; the result files
        // follow it, so the same texts give the same bytes here.
        std::setlocale(LC_ALL, "");
        BatchSettings settings = options.batch;
        const bool writesOutput =
            settings.summary || settings.grid == StandardOutput || settings.table == StandardOutput;
        settings.progress =
            isatty(STDERR_FILENO) == 1 && !(writesOutput && outputOnErrorTerminal());
        settings.interrupted = interruption;
        const std::unique_ptr<RunSource> runs = runsOf(options);
        if (runs->total() == 0) {
            std::cerr << "ellipsoid-flow-cli: "
                      << (*options.runs == "-" ? "standard input"
                                               : "the runs file \"" + *options.runs + "\"")
                      << " holds no run.\n";
        }
        catchInterruptions();
        auto state = std::make_unique<solva::FlowState>(); // as a newly started window has it
        return runBatch(*runs, settings, solva::OutputStyle::fromLocale(), *state, std::cout,
                        std::cerr);
    } catch (const UsageError& e) {
        std::cerr << "ellipsoid-flow-cli: " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) { // out of memory, say: no run can go on
        std::cerr << "ellipsoid-flow-cli: " << e.what() << '\n';
        return 1;
    }
}
