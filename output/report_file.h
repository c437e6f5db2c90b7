// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The report "solva11.txt": a header with the inputs and the column angles,
// then one row per meridian point with its number, FI in degrees, X, Y and
// the Cu of every column, each to four decimals.

#include "flow/flow_state.h"
#include "flow/run_parameters.h"
#include "output/text_file.h"

namespace solva {

inline constexpr const char* ReportFileName = "solva11.txt";

// Title, the three flow parameters, the column header and the line of column
// angles (J - 1) 180 / NT in degrees, J = 1 ... NJ. Fails by throwing
// RunError with InvalidOperation for NT = 0 on the axis (NJ = 1, and 0 / 0 at
// column 1), with SubscriptOutOfRange at column 37 for NJ of 37 or more; the
// angles before it are written.
void writeReportHeader(TextFile& report, const RunParameters& p, Real NJ);

// The empty line between the header and the rows.
void writeReportBodyStart(TextFile& report);

// The row of point I: "01   174.62   -0.4978   0.0094   0.2037    ".
void writeReportRow(TextFile& report, const FlowState& s, long I, Real NJ, Real PI);

} // namespace solva
