// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// What the subcommands of ellipsoid-flow-cli that use the spheroid and
// ellipsoid libraries (field_command.h, inertia_command.h) share: the body
// and stream options, and how a subcommand is declared and what it does once
// parsed.

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "ellipsoid/ellipsoid.h"

namespace CLI {
class App;
}

namespace solva::cli {

// --lambda (a number or a fraction such as 1/8) or --axes (semi-axes a, b,
// c, lengths), --alpha and --beta (degrees), as parsed.
struct BodyAndStream {
    double lambda = 0;
    std::vector<double> axes; // empty (the spheroid of --lambda) or A, B, C
    std::optional<double> alpha, beta;
};

// A subcommand declared on the program's app, and what it does with the
// values of its options once they are parsed: it writes its output on `out`
// and throws UsageError for an input that cannot be used (status 2), another
// std::exception for a value the flow cannot take or output that `out` cannot
// take (status 1).
struct SpheroidCommand {
    CLI::App* app = nullptr;
    std::function<void(std::ostream& out)> run;
};

// Adds the subcommand `name` to `program` with `description` and `footer`
// and its first options, --lambda or --axes (one of them, checkBody), --alpha
// and --beta, bound to `values`. Its help lists only its own options, in
// CLI11's own layout, and the program's help does not list it.
CLI::App& addSpheroidCommand(CLI::App& program, const std::string& name,
                             const std::string& description, const std::string& footer,
                             BodyAndStream& values);

// For the callback of `command`, once its options are all read: throws
// CLI::RequiredError unless --lambda or --axes was given and, with
// `anglesRequired`, both --alpha and --beta.
void checkBody(const CLI::App& command, bool anglesRequired);

// The ellipsoid of --axes. Throws ellipsoid::EllipsoidError for axes out of
// range (ellipsoid/ellipsoid.h).
ellipsoid::Ellipsoid ellipsoidOf(const BodyAndStream& values);

} // namespace solva::cli
