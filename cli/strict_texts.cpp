// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/strict_texts.h"

#include "cli/quoted_text.h"
#include "cli/usage_error.h"

#include <charconv>
#include <cmath>

namespace solva::cli {

void checkStrictly(const Input& input, const std::string& text) {
    const std::string name(input.key);
    const std::string shownText = quoted(text);
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, v);
    if (text.empty() || error == std::errc::invalid_argument || stop != end || std::isnan(v)) {
        throw UsageError(name + ": " + shownText + " is not a number.");
    }
    if (error == std::errc::result_out_of_range || std::isinf(v)) {
        throw UsageError(name + ": " + shownText + " is out of range.");
    }
    const bool count = name == "nxx" || name == "nt";
    if (count && (v < 1 || v != std::floor(v))) {
        throw UsageError(name + ": " + shownText + " is not a whole number of at least 1.");
    }
    if (name == "lambda" && !(v > 0 && v <= 1)) {
        throw UsageError(name + ": " + shownText +
                         " is not in (0, 1], the thickness ratio of a "
                         "prolate body.");
    }
}

void checkStrictly(const InputTexts& texts) {
    for (const Input& in : Inputs) {
        checkStrictly(in, texts.*in.text);
    }
}

} // namespace solva::cli
