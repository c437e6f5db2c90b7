// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/sweep.h"

#include "cli/quoted_text.h"
#include "cli/strict_texts.h"
#include "cli/usage_error.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace solva::cli {

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + 1) {
        items.push_back(text.substr(start, at - start));
    }
    items.push_back(text.substr(start));
    return items;
}

[[noreturn]] void badRange(const Input& input, const std::string& given,
                           const std::string& problem) {
    throw UsageError("--" + std::string(input.key) + " " + shown(given) + ": " + problem +
                     "\nA range is START:STOP:STEP, such as 0:20:2 (0, 2, ..., 20); a list is "
                     "items separated by commas, such as 0,5,10.");
}

double rangeNumber(const Input& input, const std::string& given, const std::string& text) {
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, v);
    if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(v)) {
        badRange(input, given, quoted(text) + " is not a number.");
    }
    return v;
}

std::string valueText(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", v == 0 ? 0.0 : v); // no "-0"
    return text;
}

// The texts one named input stands for; a range that is not three numbers,
// runs the wrong way or never ends throws UsageError naming the input.
std::vector<std::string> expandInput(const Input& input, const std::string& given) {
    if (given.find(':') == std::string::npos) {
        return split(given, ',');
    }
    const std::vector<std::string> parts = split(given, ':');
    if (parts.size() != 3) {
        badRange(input, given, "a range has three numbers.");
    }
    const double start = rangeNumber(input, given, parts[0]);
    const double stop = rangeNumber(input, given, parts[1]);
    const double step = rangeNumber(input, given, parts[2]);
    const double steps = (stop - start) / step;
    if (step == 0 || !(steps > -1E-9)) {
        badRange(input, given, "STEP must be a number that leads from START to STOP.");
    }
    if (!(steps < Sweep::MaxRuns)) {
        badRange(input, given, "too many values.");
    }
    const long count = static_cast<long>(std::floor(steps + 1E-9)) + 1;
    std::vector<std::string> texts;
    for (long k = 0; k < count; ++k) {
        texts.push_back(valueText(start + static_cast<double>(k) * step));
    }
    return texts;
}

} // namespace

bool isSweep(const std::string& given) {
    return given.find_first_of(":,") != std::string::npos;
}

Sweep::Sweep(const NamedInputs& given, bool strict) {
    const InputTexts window;
    for (std::size_t i = 0; i < Inputs.size(); ++i) {
        const Input& input = Inputs[i];
        texts_[i] =
            given[i] ? expandInput(input, *given[i]) : std::vector<std::string>{window.*input.text};
        if (strict) {
            for (const std::string& text : texts_[i]) {
                checkStrictly(input, text);
            }
        }
        const long n = static_cast<long>(texts_[i].size());
        if (total_ > MaxRuns / n) {
            throw UsageError("The named inputs make more than " + std::to_string(MaxRuns) +
                             " runs; sweep fewer values at a time.");
        }
        total_ *= n;
    }
}

std::optional<NumberedRun> Sweep::next() {
    if (done_ == total_) {
        return std::nullopt;
    }
    // The run's number in the mixed radix of the inputs' counts, beta fastest.
    NumberedRun run{{}, ++done_};
    long rest = done_ - 1;
    for (std::size_t i = Inputs.size(); i-- > 0;) {
        const long n = static_cast<long>(texts_[i].size());
        run.texts.*Inputs[i].text = texts_[i][static_cast<std::size_t>(rest % n)];
        rest /= n;
    }
    return run;
}

} // namespace solva::cli
