// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include <stdexcept>

namespace solva::cli {

// A command line, runs file or points file the program cannot act on: the
// input the user gave cannot be used, so nothing is run or computed; the
// program says why (and, for the command line, what to type instead) and
// exits with status 2. Run-time failures of a run are RunErrors, never this.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace solva::cli
