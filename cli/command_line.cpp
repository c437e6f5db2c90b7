// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/command_line.h"

#include "cli/declared_options.h"
#include "cli/field_command.h"
#include "cli/inertia_command.h"
#include "cli/standard_output.h"
#include "cli/usage_error.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace solva::cli {

namespace {

// The subcommand argv[1] names, if any.
SpheroidCommand* named(std::vector<SpheroidCommand>& commands, int argc, const char* const* argv) {
    for (SpheroidCommand& command : commands) {
        if (argc >= 2 && command.app->get_name() == argv[1]) {
            return &command;
        }
    }
    return nullptr;
}

// The flags of every subcommand: none of them takes a value after any.
std::vector<std::string> subcommandFlags(const std::vector<SpheroidCommand>& commands) {
    std::vector<std::string> flags;
    for (const SpheroidCommand& command : commands) {
        for (const std::string& flag : optionNames(*command.app, OptionKind::Flag, false)) {
            if (std::find(flags.begin(), flags.end(), flag) == flags.end()) {
                flags.push_back(flag);
            }
        }
    }
    return flags;
}

// The subcommand's options, parsed as a program of its own: the runs' options
// and texts take no part (CLI11 would hand them what follows "--", say). Gives
// the status to end with after --help or a usage error, nothing otherwise.
std::optional<int> parseCommand(const CLI::App& program, SpheroidCommand& command,
                                const std::vector<std::string>& flags, int argc,
                                const char* const* argv, std::ostream& out, std::ostream& err) {
    const std::string name = program.get_name() + " " + command.app->get_name();
    try {
        for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
            if (const auto problem = flagGivenValue(argv[i], flags)) {
                throw CLI::ArgumentMismatch(*problem);
            }
        }
        command.app->parse(argc - 1, argv + 1);
        return std::nullopt;
    } catch (const CLI::CallForHelp&) {
        out << command.app->help(program.get_name());
        try {
            flush(out);
        } catch (const OutputLost& lost) {
            err << name << ": " << lost.what() << '\n';
            return 1;
        }
        return 0;
    } catch (const CLI::ParseError& e) {
        err << name << ": " << e.what() << "\n\"" << name << " --help\" shows every option.\n";
        return 2;
    }
}

int runCommand(const CLI::App& program, SpheroidCommand& command, std::ostream& out,
               std::ostream& err) {
    const std::string name = program.get_name() + " " + command.app->get_name();
    try {
        command.run(out);
        return 0;
    } catch (const UsageError& e) { // as for a runs file: nothing is computed
        err << name << ": " << e.what() << '\n';
        return 2;
    } catch (const std::exception& e) { // a value out of range; or out of memory, say
        err << name << ": " << e.what() << '\n';
        return 1;
    }
}

// --help or --version handed to the system: status 1 when it cannot take them.
int handedOver(std::ostream& out, std::ostream& err, const CLI::App& program) {
    errno = 0;
    if (!out.flush()) {
        err << program.get_name() << ": cannot write to standard output"
            << (errno != 0 ? std::string(": ") + std::strerror(errno) : "") << '\n';
        return 1;
    }
    return 0;
}

} // namespace

std::variant<int, Options> runCommandLine(int argc, const char* const* argv, std::ostream& out,
                                          std::ostream& err) {
    CLI::App program;
    const BatchParser parseBatch = setUpBatchOptions(program);
    std::vector<SpheroidCommand> commands{setUpFieldCommand(program), setUpInertiaCommand(program)};
    if (SpheroidCommand* command = named(commands, argc, argv)) {
        if (const auto status =
                parseCommand(program, *command, subcommandFlags(commands), argc, argv, out, err)) {
            return *status;
        }
        return runCommand(program, *command, out, err);
    }
    for (const SpheroidCommand& command : commands) {
        command.app->disabled(); // a text of a run, past the first argument
    }
    if (std::optional<Options> options = parseBatch(argc, argv, out)) {
        return *options;
    }
    return handedOver(out, err, program);
}

} // namespace solva::cli
