// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Runs one after the other, as successive clicks in one window: they share a
// single FlowState, and a run that stops with a run-time error is reported
// and the next one goes on.

#include "app/run.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <vector>

namespace solva::cli {

struct BatchSettings {
    std::filesystem::path dir = "."; // where the files go, created if missing
    // Run k writes into dir/NNNN/ (k in four digits) and its error line starts
    // with "run k: "; otherwise (one run from the command line) into dir.
    bool numbered = false;
    // The grid CSV: a path of its own, or when numbered a name in each run's
    // folder. A run that stops writes none and removes a plain file of that
    // name left from before, so that a grid file never belongs to another run.
    std::optional<std::filesystem::path> grid;
    bool summary = false;  // one JSON line per run on `out`
    bool progress = false; // `err` is a terminal: show "run k of n" on long batches
};

// Runs `runs` in order on `state`, the window's arrays (a newly started
// window's for the same files as its first click). Relative paths count from
// the current directory, which the batch never changes. Each
// run's error goes to `err` as one line, "run 3: error 11: Division by zero
// while ...". Returns the exit status: 0 when every run completed, 1 when
// one stopped.
int runBatch(const std::vector<InputTexts>& runs, const BatchSettings& settings,
             const OutputStyle& style, FlowState& state, std::ostream& out, std::ostream& err);

} // namespace solva::cli
