#pragma once

#include "flow/coefficients.h"
#include "flow/flow_state.h"
#include "output/text_file.h"

namespace solva {

inline constexpr const char* ReportFileName = "solva11.txt";

// Title, the three flow parameters, the column header and the line of column
// angles in degrees.
void writeReportHeader(TextFile& report, const RunParameters& p, Real NJ);

// An empty line, then for each point one report row and, right after it, the
// point's line of the plot data file.
void writeReportBody(TextFile& report, TextFile& plotData, const FlowState& s, Real NXX, Real NJ,
                     Real PI);

} // namespace solva
