// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// The equations: docs/mathematics.md, "Surface speed".

#include "flow/speed_grid.h"

#include "app/run_step.h"

#include <array>
#include <cmath>
#include <limits>
#include <type_traits>

namespace solva {

namespace {

// Room for one column past the last that fits, as for the angles.
using Row = std::array<double, MaxColumn + 2>;

// What the rows share, in the number type the row is computed in. Everything
// that does not change along a row is taken out of it: the same operations on
// the same values, so the same bits.
template <class Number> struct GridConstants {
    Number Lamda;
    Number K1p, K2p, K3p; // 1 + K
    Number U1, U2, U3;
    Number WW; // |W|^2
    std::array<Number, MaxColumn + 2> sinT, cosT;
};

GridConstants<double> inPlainDoubles(const GridConstants<Real>& g) {
    GridConstants<double> d{g.Lamda.value(),
                            g.K1p.value(),
                            g.K2p.value(),
                            g.K3p.value(),
                            g.U1.value(),
                            g.U2.value(),
                            g.U3.value(),
                            g.WW.value(),
                            {},
                            {}};
    for (std::size_t J = 0; J < g.sinT.size(); ++J) {
        d.sinT[J] = g.sinT[J].value();
        d.cosT[J] = g.cosT[J].value();
    }
    return d;
}

// Cu of point I in columns 1 ... columns, each handed to store(J, Cu) as
// soon as it is computed; written once for both number types: in plain
// doubles for speed, in checked reals to stop at a failing step with its kind
// and column. Returns S.
template <class Number, class Store>
Number speedRow(const GridConstants<Number>& g, Number FI, long columns, RunStep& step, long I,
                Store store) {
    using std::cos, std::sin, std::sqrt;
    const Number sinFI = sin(FI);
    const Number cosFI = cos(FI);
    const Number S = sqrt(sinFI * sinFI + (g.Lamda * cosFI) * (g.Lamda * cosFI));
    if constexpr (std::is_same_v<Number, double>) {
        if (!std::isfinite(S) || S == 0) {
            return S; // no plain division by zero: the checked row names it
        }
    }
    const Number N1 = -(g.Lamda * cosFI) / S;
    const Number WN1 = g.K1p * N1 * g.U1;
    for (long J = 1; J <= columns; ++J) {
        if constexpr (std::is_same_v<Number, Real>) {
            step.at(I, J);
        }
        const Number N2 = -(sinFI * g.cosT[J]) / S;
        const Number N3 = -(sinFI * g.sinT[J]) / S;
        // W . N with each product formed as (1 + K) N U.
        const Number WN = (WN1 + g.K2p * N2 * g.U2) + g.K3p * N3 * g.U3;
        store(J, g.WW - WN * WN);
    }
    return S;
}

} // namespace

void fillSpeedGrid(const RunParameters& p, const FlowCoefficients& c, FlowState& s) {
    Real DT;
    {
        RunStep step("computing the circumferential step DT = PI / NT (NT must not be 0)");
        DT = c.PI / p.NT;
    }
    RunStep step("computing the surface speed Cu");

    // One column past the last that fits is enough to reach the subscript
    // error when NJ is too large.
    const long columns = loopCount(c.NJ.value(), MaxColumn + 1);
    GridConstants<Real> g{};
    g.Lamda = p.Lamda;
    for (long J = 1; J <= columns; ++J) {
        const Real T = DT * (J - 1);
        g.sinT[J] = sin(T);
        g.cosT[J] = cos(T);
    }
    g.K1p = 1 + c.K1;
    g.K2p = 1 + c.K2;
    g.K3p = 1 + c.K3;
    g.U1 = c.U1;
    g.U2 = c.U2;
    g.U3 = c.U3;
    const Real W1 = g.K1p * c.U1, W2 = g.K2p * c.U2, W3 = g.K3p * c.U3;
    g.WW = (W1 * W1 + W2 * W2) + W3 * W3;
    const GridConstants<double> plain = inPlainDoubles(g);

    for (long I = 1; I <= p.NXX; ++I) {
        step.at(I);
        if (columns == 0) {
            s.CU1(I).clear(); // no column computed, so no angle-0 value
            continue;
        }
        const Element& FI = s.FI(I);
        // The row in plain doubles first. Its only division is by S: once S
        // is finite and not zero, a step that is not finite carries through
        // to a Cu value, so checking S and the Cu values checks every step.
        Row cu;
        const double S = speedRow(plain, FI.toDouble(), columns, step, I,
                                  [&cu](long J, double value) { cu[J] = value; });
        bool finite = columns <= MaxColumn && std::isfinite(S) && S != 0;
        for (long J = 1; J <= columns; ++J) {
            finite &= std::fabs(cu[J]) <= std::numeric_limits<double>::max();
        }
        if (!finite) {
            // The same row in checked reals stops at the failing step.
            speedRow(g, FI.real(), columns, step, I,
                     [&s, I](long J, Real value) { s.CU(I, J) = value; });
            s.CU1(I) = s.CU(I, 1).real();
            continue;
        }
        s.CU.setRow(I, cu.data(), columns);
        s.CU1(I) = s.CU(I, 1).real();
    }
}

} // namespace solva
