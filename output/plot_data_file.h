// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The plot data "solva12.txt": one line per meridian point for another
// program to read back, with the full 15 digits of the general form.

#include "flow/flow_state.h"
#include "output/text_file.h"

namespace solva {

inline constexpr const char* PlotDataFileName = "solva12.txt";

// Point I in four print zones: I, X(I), Y(I) and the angle-0 speed CU1(I).
void writePlotDataLine(TextFile& plotData, const FlowState& s, long I);

} // namespace solva
