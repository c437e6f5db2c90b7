#pragma once

#include "flow/flow_state.h"
#include "output/text_file.h"

namespace solva {

inline constexpr const char* PlotDataFileName = "solva12.txt";

// Point I in four print zones: I, X(I), Y(I) and the angle-0 speed CU1(I).
void writePlotDataLine(TextFile& plotData, long I, const FlowState& s);

} // namespace solva
