// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "output/plot_data_file.h"

namespace solva {

void writePlotDataLine(TextFile& plotData, const FlowState& s, long I) {
    plotData.print(Real(I));
    plotData.nextZone();
    plotData.print(s.X(I));
    plotData.nextZone();
    plotData.print(s.Y(I));
    plotData.nextZone();
    plotData.print(s.CU1(I));
    plotData.endLine();
}

} // namespace solva
