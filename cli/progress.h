// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The progress line of a batch, "run k of n", on the error stream: only on a
// terminal, and only once the batch has taken more than a second, so quick
// batches and scripts see nothing.

#include <chrono>
#include <ostream>
#include <string>

namespace solva::cli {

class Progress {
public:
    // `shown`: whether the stream is a terminal the line may be drawn on.
    Progress(std::ostream& err, bool shown, long total);
    ~Progress() { clear(); }
    Progress(const Progress&) = delete;
    Progress& operator=(const Progress&) = delete;

    // Run `run` (from 1) is about to start.
    void starting(long run);
    // Wipes the line, before another message goes to the stream.
    void clear();

private:
    std::ostream& err_;
    bool shown_;
    long total_;
    std::chrono::steady_clock::time_point start_;
    std::size_t drawn_ = 0; // characters of the line now on the terminal
};

} // namespace solva::cli
