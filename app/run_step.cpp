// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/run_step.h"

namespace solva {

namespace {
thread_local RunStep* innermost = nullptr;
}

RunStep::RunStep(std::string_view what) : what_(what), outer_(innermost) {
    innermost = this;
}

RunStep::~RunStep() {
    innermost = outer_;
}

std::string RunStep::describeCurrent() {
    if (innermost == nullptr) {
        return {};
    }
    std::string words(innermost->what_);
    const long point = innermost->point_;
    const long column = innermost->column_;
    if (point != 0 && column != 0) {
        words += " (point " + std::to_string(point) + ", column " + std::to_string(column) + ")";
    } else if (point != 0) {
        words += " (point " + std::to_string(point) + ")";
    } else if (column != 0) {
        words += " (column " + std::to_string(column) + ")";
    }
    return words;
}

} // namespace solva
