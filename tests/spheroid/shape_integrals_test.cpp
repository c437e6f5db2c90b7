// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/shape_integrals.h"

#include "spheroid/spheroid.h"
#include "spheroid/spheroid_error.h"
#include "support/shape_integrals.h"
#include "validation/spheroid_checks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace solva::spheroid {
namespace {

TEST(ShapeIntegrals, WithinFourUlpOfTheThirtyDigitTableFromSlenderBodiesToDiscs) {
    const auto rows = validation::readShapeIntegralTable(SOLVA_SHAPE_INTEGRALS_TABLE);
    bool nextToTheSphere = false;
    double smallest = 2, largest = 0;
    for (const auto& row : rows) {
        const ShapeIntegrals integrals = shapeIntegrals(row.lambda);
        EXPECT_LE(validation::ulpDistance(integrals.alpha, row.alpha0), 4) << row.lambda;
        EXPECT_LE(validation::ulpDistance(integrals.beta, row.beta0), 4) << row.lambda;
        nextToTheSphere = nextToTheSphere || std::fabs(row.lambda - 1) <= 1.01E-12;
        smallest = std::min(smallest, row.lambda);
        largest = std::max(largest, row.lambda);
    }
    EXPECT_GT(rows.size(), 500u);
    EXPECT_TRUE(nextToTheSphere);
    EXPECT_EQ(smallest, minLambda);
    EXPECT_EQ(largest, maxLambda);
}

// I_a(s) = (a b² / (√A B)) α₀(√(B / A)): the confocal spheroid's own integral,
// here by quadrature, A = a² + s, B = b² + s.
TEST(ShapeIntegrals, OffTheBodyTheyAreThoseOfTheConfocalSpheroid) {
    const struct {
        double a, b, s;
    } cases[] = {{0.5, 0.1, 0},    {0.5, 0.1, 0.01}, {0.5, 0.1, 3},   {2, 0.001, 0.5},
                 {1, 0.999, 0.2},  {1, 1, 5},        {1, 1.001, 0.2}, {0.5, 1.5, 0.3},
                 {0.01, 10, 1E-4}, {1, 0.2, 1E6}};
    for (const auto& c : cases) {
        const double A = c.a * c.a + c.s, B = c.b * c.b + c.s;
        const double scale = c.a * c.b * c.b / (std::sqrt(A) * B);
        const double mu = std::sqrt(B / A);
        const ShapeIntegrals I = Spheroid::fromAxes(c.a, c.b).confocalIntegrals(c.s);
        const double alpha = scale * static_cast<double>(test::alpha0ByQuadrature(mu));
        const double beta = scale * static_cast<double>(test::beta0ByQuadrature(mu));
        EXPECT_NEAR(I.alpha, alpha, 2E-15 * alpha) << c.a << " " << c.b << " " << c.s;
        EXPECT_NEAR(I.beta, beta, 2E-15 * beta) << c.a << " " << c.b << " " << c.s;
    }
}

TEST(ShapeIntegrals, RefuseWhatNoSpheroidHas) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
    for (const double lambda : {0.0, -0.2, 9E-7, 1.1E6, nan, inf}) {
        EXPECT_THROW(shapeIntegrals(lambda), SpheroidError) << lambda;
        EXPECT_THROW(Spheroid::fromLambda(lambda), SpheroidError) << lambda;
    }
    const struct {
        double a, b;
    } axes[] = {{0, 1}, {1, -1}, {1E-101, 1E-101}, {1E101, 1E101}, {1, 2E6}, {nan, 1}};
    for (const auto& c : axes) {
        EXPECT_THROW(Spheroid::fromAxes(c.a, c.b), SpheroidError) << c.a << " " << c.b;
    }
    EXPECT_THROW(Spheroid::fromLambda(0.2).confocalIntegrals(-1E-9), SpheroidError);
}

} // namespace
} // namespace solva::spheroid
