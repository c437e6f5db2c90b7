// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "support/recording_plot.h"

#include "plot/grxycu.h"

namespace solva::test {

void RecordingPlot::GRXYCU(std::string_view, Real N, const PointArray& X, const PointArray& Y,
                           const PointArray& CU, int) {
    PlotCall call;
    call.N = N.value();
    for (long I = 1; I <= N; ++I) {
        call.X.push_back(X(I).toDouble());
        call.Y.push_back(Y(I).toDouble());
        call.CU.push_back(CU(I).toDouble());
    }
    calls.push_back(call);
    if (elipsoid_ != nullptr) {
        solva::GRXYCU(*elipsoid_, *pressure_, N, X, Y, CU);
    }
}

} // namespace solva::test
