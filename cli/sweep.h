// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Named inputs: --lambda, --nxx, --nt, --alpha, --beta, each one text, a
// range START:STOP:STEP or a comma list, and the runs every combination of
// them in the order lambda, NXX, NT, alpha, beta (the last one changing
// fastest), numbered as the lines of a runs file holding them would be.
//
// A range's values are START + k STEP for k = 0, 1, ... up to STOP, which is
// included when reached within rounding (a part in 10^9 of a step); each is
// written as its text with 15 significant digits, so 0.1:1:0.1 gives 0.3,
// not 0.30000000000000004. A list's items and a single text are taken as
// they are, to be read as the window reads its boxes.

#include "cli/run_source.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace solva::cli {

// The texts of each input, in the order of Inputs; an input not given has
// the one text a new window shows in its box.
using NamedInputs = std::array<std::optional<std::string>, 5>;

// Whether a given text is a range or a list rather than one text.
bool isSweep(const std::string& given);

class Sweep : public RunSource {
public:
    // `strict`: each text is checked as --strict asks. Throws UsageError,
    // naming the input, for a range that is not three numbers, runs the wrong
    // way or never ends, and when there would be more than MaxRuns runs.
    Sweep(const NamedInputs& given, bool strict);

    long total() const override { return total_; }
    std::optional<NumberedRun> next() override;

    static constexpr long MaxRuns = 1'000'000'000;

private:
    std::array<std::vector<std::string>, 5> texts_;
    long total_ = 1;
    long done_ = 0;
};

} // namespace solva::cli
