// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// What the program finds out from its own option declarations rather than
// from lists of its own: which options take a value and which (the flags)
// take none, for the checks CLI11 does not make.

#include <optional>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace solva::cli {

enum class OptionKind {
    Flag,  // takes no value: --summary, --help
    Valued // takes one or more: --dir DIR
};

// The names of the options declared on `app` itself (positional arguments
// and subcommands' options aside) of `kind`, in declaration order: the long
// names, and the short ones too (-h) with `withShort`.
std::vector<std::string> optionNames(const CLI::App& app, OptionKind kind, bool withShort);

// What to say when the argument `arg` gives one of `flags` a value
// (--summary=0), which CLI11 would take: a flag takes none. Nothing otherwise.
std::optional<std::string> flagGivenValue(const std::string& arg,
                                          const std::vector<std::string>& flags);

} // namespace solva::cli
