// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "app/run_error.h"

namespace solva {

// Tells the user that a run stopped.
class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void report(const RunError& error) = 0;
};

} // namespace solva
