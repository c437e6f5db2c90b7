// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A plot routine that keeps what each run handed it.

#include "app/run.h"
#include "plot/drawing_surface.h"

#include <vector>

namespace solva::test {

struct PlotCall {
    double N = 0;
    std::vector<double> X, Y, CU; // elements 1 ... N
};

// Records every call; given two surfaces, it also draws on them with GRXYCU,
// as the window does with its picture areas.
class RecordingPlot : public PlotRoutine {
public:
    RecordingPlot() = default;
    RecordingPlot(DrawingSurface& Picture_elipsoid, DrawingSurface& Picture_pressure)
        : elipsoid_(&Picture_elipsoid), pressure_(&Picture_pressure) {}

    void GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                const PointArray& CU, int IQU) override;

    std::vector<PlotCall> calls;

private:
    DrawingSurface* elipsoid_ = nullptr;
    DrawingSurface* pressure_ = nullptr;
};

} // namespace solva::test
