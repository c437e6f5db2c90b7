// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// Which step of a run is under way, so that a failure can say where it
// happened: "computing the meridian angle step DFI = PI / NXX", "placing the
// meridian points (point 9)". Steps nest; the innermost one names a failure.

#include <string>
#include <string_view>

namespace solva {

class RunStep {
public:
    // `what` must outlive the step: the callers pass string literals.
    explicit RunStep(std::string_view what);
    ~RunStep();
    RunStep(const RunStep&) = delete;
    RunStep& operator=(const RunStep&) = delete;

    // The meridian point and circumferential column the step is working on,
    // 0 for none.
    void at(long point, long column = 0) {
        point_ = point;
        column_ = column;
    }

    // The words for the innermost step now under way; empty outside any step.
    static std::string describeCurrent();

private:
    std::string_view what_;
    long point_ = 0;
    long column_ = 0;
    RunStep* outer_;
};

} // namespace solva
