// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/spheroid_command.h"

#include "cli/number_or_fraction.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace solva::cli {

CLI::App& addSpheroidCommand(CLI::App& program, const std::string& name,
                             const std::string& description, const std::string& footer,
                             BodyAndStream& values, bool anglesRequired) {
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
        ->type_name("FLOAT")
        ->required();
    CLI::Option* alpha = command.add_option("--alpha", values.alpha, "Angle of attack, degrees");
    CLI::Option* beta = command.add_option("--beta", values.beta, "Yaw angle, degrees");
    alpha->required(anglesRequired);
    beta->required(anglesRequired);
    return command;
}

} // namespace solva::cli
