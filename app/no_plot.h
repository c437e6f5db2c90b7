// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The drawing of a run that has nowhere to draw: the command-line program,
// the Python module and the benchmark run without a window.

#include "app/run.h"

#include <string_view>

namespace solva {

// A PlotRoutine that draws nothing and cannot fail.
class NoPlot : public PlotRoutine {
public:
    void GRXYCU(std::string_view, Real, const PointArray&, const PointArray&, const PointArray&,
                int) override {}
};

} // namespace solva
