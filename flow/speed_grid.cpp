// The equations: docs/mathematics.md, "Surface speed".

#include "flow/speed_grid.h"

#include "app/run_step.h"

#include <array>

namespace solva {

// Everything that does not change along the inner loop is taken out of it:
// the same operations on the same values, so the same bits.
void fillSpeedGrid(const RunParameters& p, const FlowCoefficients& c, FlowState& s) {
    const Real Lamda = p.Lamda;
    Real DT;
    {
        RunStep step("computing the circumferential step DT = PI / NT (NT must not be 0)");
        DT = c.PI / p.NT;
    }
    RunStep step("computing the surface speed Cu");

    // Sine and cosine of each column's angle T; one column past the last that
    // fits is enough to reach the subscript error when NJ is too large.
    const double NJ = c.NJ.value();
    const long columns = NJ < 1 ? 0 : NJ >= MaxColumn + 1 ? MaxColumn + 1 : static_cast<long>(NJ);
    std::array<Real, MaxColumn + 2> sinT{}, cosT{};
    for (long J = 1; J <= columns; ++J) {
        const Real T = DT * (J - 1);
        sinT[J] = sin(T);
        cosT[J] = cos(T);
    }

    const Real K1p = 1 + c.K1, K2p = 1 + c.K2, K3p = 1 + c.K3;
    const Real W1 = K1p * c.U1, W2 = K2p * c.U2, W3 = K3p * c.U3;
    const Real WW = (W1 * W1 + W2 * W2) + W3 * W3;
    for (long I = 1; I <= p.NXX; ++I) {
        step.at(I);
        if (columns == 0) {
            s.CU1(I).clear(); // no column computed, so no angle-0 value
            continue;
        }
        const Real sinFI = sin(s.FI(I).real());
        const Real cosFI = cos(s.FI(I).real());
        const Real S = sqrt(sinFI * sinFI + (Lamda * cosFI) * (Lamda * cosFI));
        const Real N1 = -(Lamda * cosFI) / S;
        const Real WN1 = K1p * N1 * c.U1;
        for (long J = 1; J <= columns; ++J) {
            step.at(I, J);
            const Real N2 = -(sinFI * cosT[J]) / S;
            const Real N3 = -(sinFI * sinT[J]) / S;
            // W . N with each product formed as (1 + K) N U.
            const Real WN = (WN1 + K2p * N2 * c.U2) + K3p * N3 * c.U3;
            s.CU(I, J) = WW - WN * WN;
        }
        s.CU1(I) = s.CU(I, 1).real();
    }
}

} // namespace solva
