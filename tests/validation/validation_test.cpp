// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

// The numbers docs/validation.md gives, each against an independent value.

#include "support/shape_integrals.h"
#include "validation/validation.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solva::validation {
namespace {

using test::alpha0ByQuadrature;

TEST(Validation, InertiaCoefficientsAgreeWithLambsTable) {
    const std::vector<LambRow> table = readLambTable(SOLVA_LAMB_TABLE);
    ASSERT_EQ(table.size(), 11u);
    for (const LambRow& row : table) {
        const Coefficients c = programCoefficients(1 / row.ratio);
        // The table's three decimals, and errors in his computation of up to
        // about two units in the last of them.
        EXPECT_NEAR(c.K1, row.k1, 2.5E-3) << "c/a = " << row.ratio;
        EXPECT_NEAR(c.K2, row.k2, 2.5E-3) << "c/a = " << row.ratio;
    }
}

TEST(Validation, ShapeIntegralAgreesWithQuadratureWithinItsRounding) {
    EXPECT_NEAR(static_cast<double>(alpha0ByQuadrature(1)), 2.0 / 3, 1E-18);
    for (const double lambda : alpha0Table()) {
        const long double exact = alpha0ByQuadrature(lambda);
        const long double relative = std::fabs(programCoefficients(lambda).A0 - exact) / exact;
        EXPECT_LE(relative, alpha0ErrorBound(lambda)) << "lambda = " << lambda;
    }
}

// A few roundings of the last place of numbers near 2.25.
TEST(Validation, SphereMatchesTheExactSolutionToTheLastPlaces) {
    const double ulp = std::ldexp(1.0, -51);
    for (const SphereRun& r : sphereRuns) {
        EXPECT_LE(sphereDeviation(r.NXX, r.NT, r.alphaDeg, r.betaDeg).largest, 8 * ulp)
            << "alpha = " << r.alphaDeg;
    }
}

TEST(Validation, PanelStationsGiveTheExactValuesQuoted) {
    for (const PanelStation& station : panelStations) {
        EXPECT_NEAR(programAxialCuAt(0.2, station.x), station.quotedCu, 5E-7)
            << "x = " << station.x;
    }
}

} // namespace
} // namespace solva::validation
