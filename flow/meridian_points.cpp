// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// The equations: docs/mathematics.md, "Meridian points".

#include "flow/meridian_points.h"

#include "app/run_step.h"

namespace solva {

void generateMeridianPoints(Real Lamda, Real NXX, Real PI, FlowState& s) {
    Real DFI;
    {
        RunStep step("computing the meridian angle step DFI = PI / NXX (NXX must not be 0)");
        DFI = PI / NXX;
    }
    RunStep step("placing the meridian points");
    for (long I = 1; I <= NXX; ++I) {
        step.at(I);
        // Chord I runs from node I - 1 (angle F1 + DFI) to node I (angle F1).
        const Real F1 = PI - DFI * I;
        const Real cosF1 = cos(F1), cosF0 = cos(F1 + DFI);
        const Real sinF1 = sin(F1), sinF0 = sin(F1 + DFI);
        const Real XM = (cosF1 + cosF0) / 2;
        const Real YM = ((sinF1 + sinF0) / 2) * Lamda;
        Real SL = (sinF1 - sinF0) / (cosF1 - cosF0);
        SL = Lamda * SL;
        Real XS;
        if (SL == 0) {
            // The chord is level (the middle one of an odd count), so its
            // normal is vertical and meets the ellipse straight above XM.
            XS = XM;
        } else {
            const Real SN = -1 / SL;
            const Real CN = YM - SN * XM;
            const Real SG = SN / abs(SN);
            // The root of Lamda^2 x^2 + (SN x + CN)^2 = Lamda^2 outward of the
            // chord midpoint: SG picks it.
            XS = ((-SN) * CN + SG * Lamda * sqrt((Lamda * Lamda + SN * SN) - CN * CN)) /
                 (SN * SN + Lamda * Lamda);
        }
        const Real RS = sqrt(1 - XS * XS);
        if (XS == 0) {
            s.FI(I) = PI / 2; // the top of the body, where RS / XS has no value
        } else {
            const Real TF = RS / XS;
            s.FI(I) = atan(TF);
            if (TF < 0) {
                s.FI(I) = PI + s.FI(I).real();
            }
        }
        s.X(I) = 0.5 * XS;
        s.Y(I) = 0.5 * Lamda * RS;
    }
}

} // namespace solva
