// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "plot/grxycu.h"

#include "app/run_error.h"
#include "app/run_step.h"

#include <cmath>
#include <limits>

namespace solva {

namespace {

// A value handed to DrawLine, in single precision; one outside its range
// stops the run with an overflow error.
float toSingle(Real v) {
    const double d = v.value();
    if (std::fabs(d) > std::numeric_limits<float>::max()) {
        throw RunError(ErrorKind::Overflow, RunStep::describeCurrent());
    }
    return static_cast<float>(d);
}

void line(DrawingSurface& area, Real x1, Real y1, Real x2, Real y2) {
    area.DrawLine(toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2));
}

} // namespace

void GRXYCU(DrawingSurface& Picture_elipsoid, DrawingSurface& Picture_pressure, Real N,
            const PointArray& X, const PointArray& Y, const PointArray& CU) {
    RunStep step("drawing the plots");

    Real CUMAX = 0;
    for (long I = 1; I <= N; ++I) {
        step.at(I);
        if (CU(I).real() > CUMAX) {
            CUMAX = CU(I).real();
        }
    }
    step.at(0);

    // The profile window leaves 0.1 free at each end of the body (-0.5 ... 0.5)
    // and is twice as wide as high, like its area, so both axes share a scale.
    Picture_elipsoid.SetScale(-0.6, 0.3, 0.6, -0.3);
    Picture_elipsoid.Clear();
    line(Picture_elipsoid, -0.6, 0, 0.6, 0);
    line(Picture_elipsoid, 0, 0.3, 0, -0.3);

    // Same x range as the profile, so each speed stands below its point; 10 %
    // free above the largest value and 0.1 below zero.
    const Real top = 1.1 * CUMAX;
    Picture_pressure.SetScale(-0.6, top.value(), 0.6, -0.1);
    Picture_pressure.Clear();
    line(Picture_pressure, -0.6, 0, 0.6, 0);
    line(Picture_pressure, 0, top, 0, -0.1);

    for (long I = 2; I <= N; ++I) {
        step.at(I);
        const Real X0 = X(I - 1).real(), X1 = X(I).real();
        const Real Y0 = Y(I - 1).real(), Y1 = Y(I).real();
        line(Picture_elipsoid, X0, Y0, X1, Y1);
        line(Picture_elipsoid, X0, -Y0, X1, -Y1);
        line(Picture_pressure, X0, CU(I - 1).real(), X1, CU(I).real());
    }
}

} // namespace solva
