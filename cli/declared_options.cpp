// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/declared_options.h"

#include <CLI/CLI.hpp>

namespace solva::cli {

std::vector<std::string> optionNames(const CLI::App& app, OptionKind kind, bool withShort) {
    std::vector<std::string> names;
    for (const CLI::Option* option : app.get_options()) {
        const bool flag = option->get_expected_max() == 0; // takes no value
        if (!option->nonpositional() || flag != (kind == OptionKind::Flag)) {
            continue;
        }
        for (const std::string& name : option->get_lnames()) {
            names.push_back("--" + name);
        }
        if (withShort) {
            for (const std::string& name : option->get_snames()) {
                names.push_back("-" + name);
            }
        }
    }
    return names;
}

std::optional<std::string> flagGivenValue(const std::string& arg,
                                          const std::vector<std::string>& flags) {
    for (const std::string& flag : flags) {
        if (arg.starts_with(flag + "=")) {
            return flag + " takes no value; give it alone to turn it on.";
        }
    }
    return std::nullopt;
}

} // namespace solva::cli
