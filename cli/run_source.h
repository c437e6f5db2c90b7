// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Where a batch takes its runs from, one at a time, so that a long runs file
// or a large sweep never has to be held whole.

#include "app/input_texts.h"

#include <optional>
#include <vector>

namespace solva::cli {

struct NumberedRun {
    InputTexts texts;
    long line = 0; // its line in the runs file; for other sources the run's number
};

class RunSource {
public:
    virtual ~RunSource() = default;
    // How many runs next() gives in all, known before the first.
    virtual long total() const = 0;
    // The next run, or none after the last. A runs file that changed since
    // it was checked may still throw UsageError here.
    virtual std::optional<NumberedRun> next() = 0;
};

// Runs given in a list, numbered from 1.
class RunList : public RunSource {
public:
    explicit RunList(std::vector<InputTexts> runs) : runs_(std::move(runs)) {}
    long total() const override { return static_cast<long>(runs_.size()); }
    std::optional<NumberedRun> next() override {
        if (next_ == runs_.size()) {
            return std::nullopt;
        }
        ++next_;
        return NumberedRun{runs_[next_ - 1], static_cast<long>(next_)};
    }

private:
    std::vector<InputTexts> runs_;
    std::size_t next_ = 0;
};

} // namespace solva::cli
