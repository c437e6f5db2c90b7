// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Ctrl-C and SIGTERM during a batch: the handlers only note the signal, and
// the batch looks between runs, so a run in progress finishes and its files
// are whole. A second Ctrl-C stops the program at once.

namespace solva::cli {

// Installs the handlers (once, from main: they are process-wide).
void catchInterruptions();

// The signal caught so far, or 0.
int interruption();

} // namespace solva::cli
