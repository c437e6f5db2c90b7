// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// Prints one of the tables of docs/validation.md as Markdown, from the same
// functions the validation test checks, so that the page shows what the test
// checked. scripts/validation-figures.sh puts them into the page.
//
//   validation_tables lamb|alpha0|sphere|stations|spheroid-lamb|spheroid-integrals|spheroid-checks

#include "support/shape_integrals.h"
#include "validation/spheroid_checks.h"
#include "validation/validation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace {

using namespace solva::validation;
using solva::spheroid::norm;
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

void spheroidLamb() {
    std::puts("| c/a | k1, Lamb | k1, library | k2, Lamb | k2, library | k′, Lamb | k′, library | "
              "k′ difference |");
    std::puts("|---|---|---|---|---|---|---|---|");
    for (const LambRow& row : readLambTable(SOLVA_LAMB_TABLE)) {
        const auto body = solva::spheroid::Spheroid::fromLambda(1 / row.ratio);
        std::printf("| %.2f | %.3f | %.5f | %.3f | %.5f | %.3f | %.5f | %s |\n", row.ratio, row.k1,
                    body.k1(), row.k2, body.k2(), row.kPrime, body.kPrime(),
                    difference(body.kPrime() - row.kPrime).c_str());
    }
}

void spheroidIntegrals() {
    const struct {
        const char* name;
        double low, high;
    } ranges[] = {{"slender, 1E-6 ≤ λ < 0.1", 0, 0.1},
                  {"prolate, 0.1 ≤ λ < 1 − 1E-3", 0.1, 1 - 1E-3},
                  {"next to the sphere, \\|λ − 1\\| ≤ 1E-3 (down to 1E-12)", 1 - 1E-3, 1 + 1E-3},
                  {"oblate, 1 + 1E-3 < λ ≤ 10", 1 + 1E-3, 10},
                  {"disc-like, 10 < λ ≤ 1E6", 10, 2E6}};
    std::puts("| thickness ratios | rows | largest error of α0, ulp | largest error of β0, ulp |");
    std::puts("|---|---|---|---|");
    const auto rows = readShapeIntegralTable(SOLVA_SHAPE_INTEGRALS_TABLE);
    for (const auto& range : ranges) {
        long count = 0, alpha = 0, beta = 0;
        for (const auto& row : rows) {
            if (row.lambda >= range.low && row.lambda < range.high) {
                const auto integrals = solva::spheroid::shapeIntegrals(row.lambda);
                alpha = std::max(alpha, ulpDistance(integrals.alpha, row.alpha0));
                beta = std::max(beta, ulpDistance(integrals.beta, row.beta0));
                ++count;
            }
        }
        std::printf("| %s | %ld | %ld | %ld |\n", range.name, count, alpha, beta);
    }
}

void spheroidChecks() {
    std::puts("| λ | α, β | \\|v · n\\| / \\|W\\| on the body | Cu − grid Cu | \\|force\\| | "
              "Munk moment | moment − Munk |");
    std::puts("|---|---|---|---|---|---|---|");
    const struct {
        double lambda, alphaDeg, betaDeg;
    } cases[] = {{0.1, 10, 5}, {0.2, 20, 0}, {0.5, -35, 60}, {1, 30, 20}, {2.5, 15, -40}};
    for (const auto& c : cases) {
        const solva::spheroid::Flow flow(solva::spheroid::Spheroid::fromLambda(c.lambda),
                                         c.alphaDeg, c.betaDeg);
        const Loads loads = pressureLoads(flow);
        const auto munk = flow.munkMoment();
        char grid[32] = "(window: λ ≤ 1)";
        if (c.lambda <= 1) {
            std::snprintf(grid, sizeof grid, "%.1E",
                          largestGridDifference({c.lambda, 41, 6, c.alphaDeg, c.betaDeg}));
        }
        const solva::spheroid::Vector3 excess{loads.moment[0] - munk[0], loads.moment[1] - munk[1],
                                              loads.moment[2] - munk[2]};
        std::printf("| %g | %g°, %g° | %.1E | %s | %.1E | %.6f | %.1E |\n", c.lambda, c.alphaDeg,
                    c.betaDeg, largestNormalVelocity(flow), grid, norm(loads.force), norm(munk),
                    norm(excess));
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
    } else if (table == "spheroid-lamb") {
        spheroidLamb();
    } else if (table == "spheroid-integrals") {
        spheroidIntegrals();
    } else if (table == "spheroid-checks") {
        spheroidChecks();
    } else {
        std::fputs("usage: validation_tables lamb|alpha0|sphere|stations|spheroid-lamb|"
                   "spheroid-integrals|spheroid-checks\n",
                   stderr);
        return 2;
    }
    return 0;
}
