// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/shape_integrals.h"

#include "spheroid/spheroid.h"
#include "spheroid/spheroid_error.h"
#include "support/shape_integrals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace solva::spheroid {
namespace {

// Doubles apart, counting every representable value in between.
std::int64_t ulpDistance(double u, double v) {
    const auto ordered = [](double x) {
        std::int64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
    };
    return std::llabs(ordered(u) - ordered(v));
}

TEST(ShapeIntegrals, WithinFourUlpOfTheThirtyDigitTableFromSlenderBodiesToDiscs) {
    std::ifstream table(SOLVA_SHAPE_INTEGRALS_TABLE);
    ASSERT_TRUE(table) << SOLVA_SHAPE_INTEGRALS_TABLE;
    int rows = 0;
    bool nextToTheSphere = false;
    double smallest = 2, largest = 0;
    for (std::string line; std::getline(table, line);) {
        if (line[0] == '#') {
            continue;
        }
        std::istringstream fields(line);
        std::string lambdaText, alphaText, betaText;
        fields >> lambdaText >> alphaText >> betaText;
        const double lambda = std::stod(lambdaText);
        const ShapeIntegrals reference{std::stod(alphaText), std::stod(betaText)};
        const ShapeIntegrals integrals = shapeIntegrals(lambda);
        EXPECT_LE(ulpDistance(integrals.alpha, reference.alpha), 4) << "lambda " << lambdaText;
        EXPECT_LE(ulpDistance(integrals.beta, reference.beta), 4) << "lambda " << lambdaText;
        ++rows;
        nextToTheSphere = nextToTheSphere || std::fabs(lambda - 1) <= 1.01E-12;
        smallest = std::min(smallest, lambda);
        largest = std::max(largest, lambda);
    }
    EXPECT_GT(rows, 500);
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
