// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Checks of what a run leaves behind, shared by the property test and the
// fuzz harnesses: the flow state holds only finite numbers, and every byte of
// the two result files is one the print statements could have written, with
// the numbers agreeing with the state. Each check gives the first fault it
// finds in words, or an empty string.

#include "app/run.h"
#include "app/run_error.h"
#include "flow/flow_state.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace solva::check {

// The first element of the state holding a non-finite number.
std::string nonFiniteElement(const FlowState& s);

// Whether the text holds "inf" or "nan" in any mix of cases.
bool holdsInfOrNan(std::string_view text);

// How a run ended, as far as its files can tell.
struct RunEnd {
    bool completed = false;
    long points = 0; // body rows of a completed run
};

std::string reportFault(std::string_view report, const FlowState& s, const RunEnd& end,
                        std::string_view decimalSeparator);

std::string plotDataFault(std::string_view plotData, const FlowState& s, const RunEnd& end,
                          std::string_view decimalSeparator);

// Both files, the state and the forbidden words together.
std::string runFault(std::string_view report, std::string_view plotData, const FlowState& s,
                     const RunEnd& end, std::string_view decimalSeparator);

// One whole run in `folder`, checked: it completes, or stops
// with a named error and draws nothing; a completed run draws its NXX points
// once, all finite; then runFault on the files it left.
struct CheckedRun {
    std::optional<RunError> error; // what stopped the run, if it stopped
    std::string fault;             // the first fault found, or empty
};
CheckedRun checkedRun(const InputTexts& texts, const std::filesystem::path& folder, FlowState& s,
                      const OutputStyle& style);

} // namespace solva::check
