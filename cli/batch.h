// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Runs one after the other, as successive clicks in one window: they share a
// single FlowState, and a run that stops with a run-time error is reported
// and the next one goes on.

#include "app/run.h"
#include "cli/run_source.h"

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>

namespace solva::cli {

// The name that stands for standard output in place of a file's.
inline const std::filesystem::path StandardOutput = "-";

struct BatchSettings {
    std::filesystem::path dir = "."; // where the files go, created if missing
    // Run k writes into dir/NNNN/ (k in as many digits as the last run needs,
    // at least four) and its error line starts with "run k: "; otherwise
    // (one run) into dir. A numbered batch holds dir for itself (BatchFolder).
    bool numbered = false;
    bool overwrite = false;   // a numbered batch may replace an earlier one's run folders
    bool lineNumbers = false; // the runs come from a file: error lines name the line too
    // The grid CSV: a path of its own (StandardOutput for one run), or when
    // numbered a name in each run's folder. A run that stops writes none and
    // removes a plain file of that name left from before, so that a grid
    // file never belongs to another run.
    std::optional<std::filesystem::path> grid;
    std::optional<std::filesystem::path> table; // the whole batch's table CSV
    bool files = true;     // the two result files; without them no run folder is made
    bool summary = false;  // one JSON line per run on `out`
    bool progress = false; // `err` is a terminal of its own: show "run k of n" on long batches
    // Between runs: a signal caught (interruption()), which ends the batch.
    int (*interrupted)() = nullptr;
};

// The folder name of run `run` of `total`: its number in as many digits as
// `total` has, at least four, so that the names sort as the runs do.
std::string runFolderName(long run, long total);

// Runs `runs` in order on `state`, the window's arrays (a newly started
// window's for the same files as its first click). Relative paths count from
// the current directory, which the batch never changes. Each run's error goes
// to `err` as one line, "run 3 (line 5): error 11: Division by zero while
// ...". Files other than the result files appear only when complete
// (StagedFile). Returns the exit status: 0 when every run completed, 1 when
// one stopped or an output could not be written (standard output among them:
// the batch stops there), 128 + the signal when interrupted. A usage error
// found in the runs or the folder throws UsageError.
int runBatch(RunSource& runs, const BatchSettings& settings, const OutputStyle& style,
             FlowState& state, std::ostream& out, std::ostream& err);

} // namespace solva::cli
