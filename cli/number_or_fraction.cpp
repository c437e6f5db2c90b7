// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/number_or_fraction.h"

#include <CLI/CLI.hpp>

#include <optional>

namespace solva::cli {

namespace {

// The reader of the command line's other number options, so that a plain
// number reads as it did before fractions were taken.
std::optional<double> number(const std::string& text) {
    double value = 0;
    return CLI::detail::lexical_cast(text, value) ? std::optional(value) : std::nullopt;
}

std::optional<double> fraction(const std::string& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) {
        return number(text);
    }
    const std::optional<double> p = number(text.substr(0, slash));
    const std::optional<double> q = number(text.substr(slash + 1));
    if (!p || !q || *q == 0) {
        return std::nullopt;
    }
    return *p / *q;
}

} // namespace

double numberOrFraction(const std::string& option, const std::string& text) {
    const std::optional<double> value = fraction(text);
    if (!value) {
        throw CLI::ValidationError(option, "expected a number or a fraction such as 1/8, not \"" +
                                               text + "\"");
    }
    return *value;
}

} // namespace solva::cli
