// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Prints one of the tables of docs/validation.md as Markdown, from the same
// functions the validation test checks, so that the page shows what the test
// checked. scripts/validation-figures.sh puts them into the page.
//
//   validation_tables lamb|alpha0|sphere|stations

#include "support/shape_integrals.h"
#include "validation/validation.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace {

using namespace solva::validation;
using solva::test::alpha0ByQuadrature;

// A difference beyond half a unit of Lamb's third decimal, in bold: the table
// is not the correctly rounded value there.
std::string difference(double d) {
    char text[32];
    std::snprintf(text, sizeof text, std::fabs(d) > 5E-4 ? "**%+.5f**" : "%+.5f", d);
    return text;
}

void lamb() {
    std::puts(
        "| c/a | λ | k1, Lamb | k1, program | difference | k2, Lamb | k2, program | difference |");
    std::puts("|---|---|---|---|---|---|---|---|");
    for (const LambRow& row : readLambTable(SOLVA_LAMB_TABLE)) {
        const Coefficients c = programCoefficients(1 / row.ratio);
        std::printf("| %.2f | %.4f | %.3f | %.5f | %s | %.3f | %.5f | %s |\n", row.ratio,
                    1 / row.ratio, row.k1, c.K1, difference(c.K1 - row.k1).c_str(), row.k2, c.K2,
                    difference(c.K2 - row.k2).c_str());
    }
}

void alpha0() {
    std::puts("| λ | 1 − λ | α0, quadrature | A0, program | relative difference | bound |");
    std::puts("|---|---|---|---|---|---|");
    for (const double lambda : alpha0Table()) {
        const long double exact = alpha0ByQuadrature(lambda);
        const double A0 = programCoefficients(lambda).A0;
        std::printf("| %.12g | %.3g | %.17Lf | %.17f | %.1LE | %.0E |\n", lambda, 1 - lambda, exact,
                    A0, (A0 - exact) / exact, alpha0ErrorBound(lambda));
    }
}

void sphere() {
    std::puts("| run on the sphere (λ = 1) | points × columns | largest deviation | "
              "in units of the last place of 2.25 | where |");
    std::puts("|---|---|---|---|---|");
    const double ulp = std::ldexp(1.0, -51);
    for (const SphereRun& r : sphereRuns) {
        const SphereDeviation d = sphereDeviation(r.NXX, r.NT, r.alphaDeg, r.betaDeg);
        const bool axial = r.alphaDeg == 0 && r.betaDeg == 0;
        std::printf(
            "| NXX %g, NT %g, α %g°, β %g° | %g × %g | %.1E | %.1f | point %ld, angle %g° |\n",
            r.NXX, r.NT, r.alphaDeg, r.betaDeg, r.NXX, axial ? 1 : 2 * r.NT, d.largest,
            d.largest / ulp, d.point, (d.column - 1) * 180 / r.NT);
    }
}

void stations() {
    std::puts("| x/L | FI | Cu, program | Cu, quoted with the cross-check | difference |");
    std::puts("|---|---|---|---|---|");
    for (const PanelStation& s : panelStations) {
        const double Cu = programAxialCuAt(0.2, s.x);
        std::printf("| %g | %.2f° | %.7f | %.6f | %+.1E |\n", s.x,
                    std::acos(2 * s.x) * 180 / std::numbers::pi, Cu, s.quotedCu, Cu - s.quotedCu);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string table = argc == 2 ? argv[1] : "";
    if (table == "lamb") {
        lamb();
    } else if (table == "alpha0") {
        alpha0();
    } else if (table == "sphere") {
        sphere();
    } else if (table == "stations") {
        stations();
    } else {
        std::fputs("usage: validation_tables lamb|alpha0|sphere|stations\n", stderr);
        return 2;
    }
    return 0;
}
