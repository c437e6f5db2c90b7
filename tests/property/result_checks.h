#pragma once

// Checks of what a run leaves behind, shared by the property test and the
// fuzz harnesses: the flow state holds only finite numbers, and every byte of
// the two result files is one the print statements could have written, with
// the numbers agreeing with the state. Each check gives the first fault it
// finds in words, or an empty string.

#include "flow/flow_state.h"

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

} // namespace solva::check
