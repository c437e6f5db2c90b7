// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/spheroid_command.h"

#include "cli/number_or_fraction.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace solva::cli {

CLI::App& addSpheroidCommand(CLI::App& program, const std::string& name,
                             const std::string& description, const std::string& footer,
                             BodyAndStream& values) {
    CLI::App& command = *program.add_subcommand(name, description);
    command.formatter(std::make_shared<CLI::Formatter>()); // not the program's own usage
    command.group("");                                     // the program's footer names it
    command.footer(footer);
    command
        .add_option_function<std::string>(
            "--lambda",
            [&values](const std::string& text) {
                values.lambda = numberOrFraction("--lambda", text);
            },
            "Thickness ratio b/a, 1E-6 to 1E6 (>1: oblate), or a fraction such as 1/8")
        ->type_name("FLOAT");
    command
        .add_option("--axes", values.axes,
                    "Semi-axes A,B,C along x, y, z of an ellipsoid, instead of --lambda")
        ->delimiter(',')
        ->expected(3)
        ->allow_extra_args(false) // leaves "-" to the points
        ->excludes("--lambda");
    command.add_option("--alpha", values.alpha, "Angle of attack, degrees");
    command.add_option("--beta", values.beta, "Yaw angle, degrees");
    return command;
}

void checkBody(const CLI::App& command, bool anglesRequired) {
    // As CLI11 says it of a required option, in the order they are declared.
    if (command.count("--lambda") == 0 && command.count("--axes") == 0) {
        throw CLI::RequiredError("--lambda or --axes");
    }
    for (const char* angle : {"--alpha", "--beta"}) {
        if (anglesRequired && command.count(angle) == 0) {
            throw CLI::RequiredError(angle);
        }
    }
}

ellipsoid::Ellipsoid ellipsoidOf(const BodyAndStream& values) {
    return {values.axes[0], values.axes[1], values.axes[2]};
}

} // namespace solva::cli
