// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/progress.h"

namespace solva::cli {

Progress::Progress(std::ostream& err, bool shown, long total)
    : err_(err), shown_(shown), total_(total), start_(std::chrono::steady_clock::now()) {}

void Progress::starting(long run) {
    if (!shown_ || std::chrono::steady_clock::now() - start_ <= std::chrono::seconds(1)) {
        return;
    }
    const std::string line = "run " + std::to_string(run) + " of " + std::to_string(total_);
    // The line only grows, so writing over it from its start hides the last one.
    err_ << '\r' << line << std::flush;
    drawn_ = line.size();
}

void Progress::clear() {
    if (drawn_ > 0) {
        err_ << '\r' << std::string(drawn_, ' ') << '\r' << std::flush;
        drawn_ = 0;
    }
}

} // namespace solva::cli
