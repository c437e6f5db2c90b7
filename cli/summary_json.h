// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// One run's summary as a line of JSON (JSON Lines):
//   run           the run's number, from 1
//   line          its line in the runs file (for other runs, its number)
//   texts         the five texts as given: lambda, nxx, nt, alpha, beta
//   values        the five values as read (null if the run stopped before);
//                 nxx and nt as integers when whole
//   NJ            the column count (null if not reached)
//   coefficients  E, A0, B0, K1, K2, K3 (null if not reached): eccentricity,
//                 axial and transverse shape integrals, axial and transverse
//                 added-mass coefficients (K3 = K2)
//   lowest_Cp     the lowest pressure coefficient of the grid, with its point
//                 I and column angle in degrees (null unless completed)
//   completed     true, or false with
//   error         its number, description and where it stopped
// Counts (run, line, NJ) are integers. Numbers read back to the same double; a text that is not
// valid UTF-8 has its stray bytes replaced by U+FFFD.

#include "app/run.h"
#include "app/run_error.h"

#include <optional>
#include <string>

namespace solva::cli {

// The line, without its line end.
std::string summaryJson(long runNumber, long line, const InputTexts& texts, const RunRecord& record,
                        const FlowState& state, const std::optional<RunError>& error);

} // namespace solva::cli
