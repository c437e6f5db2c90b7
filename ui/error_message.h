// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "app/run_error.h"

#include <QString>

namespace solva {

// The title and text of the box that reports a failed run, e.g.
// "Run-time error '11':\n\nDivision by zero\nwhile computing ...".
QString errorTitle();
QString errorMessage(const RunError& error);

} // namespace solva
