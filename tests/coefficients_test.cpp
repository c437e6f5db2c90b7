// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "flow/coefficients.h"

#include "app/run_error.h"
#include "support/shape_integrals.h"
#include "support/solved_flow.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solva {
namespace {

RunParameters params(double Lamda, double NT = 1, double AlfaD = 0, double BetaD = 0) {
    return RunParameters{Lamda, 18, NT, AlfaD, BetaD};
}

// Lamb's shape integrals by quadrature, independent of the closed form.
double alpha0(double Lamda) {
    return static_cast<double>(test::alpha0ByQuadrature(Lamda));
}
double beta0(double Lamda) {
    return static_cast<double>(test::beta0ByQuadrature(Lamda));
}

ErrorKind failureOf(double Lamda) {
    try {
        test::flowCoefficients(params(Lamda));
    } catch (const RunError& e) {
        return e.kind();
    }
    ADD_FAILURE() << "Lamda " << Lamda << " gave no error";
    return ErrorKind::FileAccess;
}

TEST(FlowCoefficients, ReferenceValuesForASlenderBody) {
    const FlowCoefficients c = test::flowCoefficients(params(0.2));
    EXPECT_NEAR(c.E.value(), 0.9797959, 5E-8);
    EXPECT_NEAR(c.A0.value(), alpha0(0.2), 1E-12);
    EXPECT_NEAR(c.B0.value(), beta0(0.2), 1E-12);
    EXPECT_NEAR(c.K1.value(), 0.0591212, 5E-8);
    EXPECT_NEAR(c.K2.value(), 0.8942605, 5E-8);
    EXPECT_EQ(c.K3.value(), c.K2.value());
}

TEST(FlowCoefficients, ShapeIntegralsAgreeWithTheirQuadratureFromSlenderToSphere) {
    for (const double Lamda : {0.05, 0.5, 0.9, 0.99, -0.3, 1.0}) {
        const FlowCoefficients c = test::flowCoefficients(params(Lamda));
        EXPECT_NEAR(c.A0.value(), alpha0(Lamda), 1E-12) << Lamda;
        EXPECT_NEAR(c.B0.value(), beta0(Lamda), 1E-12) << Lamda;
    }
}

TEST(FlowCoefficients, TheSphereTakesItsOwnValue) {
    const FlowCoefficients c = test::flowCoefficients(params(1));
    EXPECT_EQ(c.E.value(), 0);
    EXPECT_EQ(c.A0.value(), 2.0 / 3);
    EXPECT_DOUBLE_EQ(c.K1.value(), 0.5);
    EXPECT_DOUBLE_EQ(c.K2.value(), 0.5);
    // Just short of the sphere the general form is used, and lands close.
    const FlowCoefficients near = test::flowCoefficients(params(0.999999));
    EXPECT_NEAR(near.A0.value(), 2.0 / 3, 1E-5);
    EXPECT_NE(near.A0.value(), 2.0 / 3);
}

TEST(FlowCoefficients, PiIsFourArctangentOne) {
    EXPECT_EQ(computePI().value(), 4 * std::atan(1.0));
}

TEST(FlowCoefficients, OneColumnForAStreamAlongTheAxis) {
    EXPECT_EQ(computeNJ(params(0.2, 5, 0, 0)).value(), 1);
    EXPECT_EQ(computeNJ(params(0.2, 5, 0, 1E-08)).value(), 1);
    EXPECT_EQ(computeNJ(params(0.2, 5, -1E-08, 1E-08)).value(), 1);
    EXPECT_EQ(computeNJ(params(0.2, 5, 0, 2E-08)).value(), 10);
    EXPECT_EQ(computeNJ(params(0.2, 1.5, 10, 0)).value(), 3);
    EXPECT_EQ(computeNJ(params(0.2, -2, 10, 0)).value(), -4);
    EXPECT_EQ(computeNJ(params(0.2, 18.4, 0, 5)).value(), 36.8);
}

TEST(FlowCoefficients, StreamDirectionIsAUnitVector) {
    const FlowCoefficients axial = test::flowCoefficients(params(0.2));
    EXPECT_EQ(axial.U1.value(), 1);
    EXPECT_EQ(axial.U2.value(), 0);
    EXPECT_EQ(axial.U3.value(), 0);

    const FlowCoefficients across = test::flowCoefficients(params(0.2, 1, 90, 0));
    EXPECT_NE(across.U1.value(), 0); // the cosine of the computed angle, not forced to 0
    EXPECT_LT(std::fabs(across.U1.value()), 1E-15);
    EXPECT_EQ(across.U3.value(), 1);

    const FlowCoefficients both = test::flowCoefficients(params(0.2, 1, 10, 5));
    const double norm = both.U1.value() * both.U1.value() + both.U2.value() * both.U2.value() +
                        both.U3.value() * both.U3.value();
    EXPECT_NEAR(norm, 1, 1E-15);
}

TEST(FlowCoefficients, ThicknessRatioOutsideItsRangeStopsTheRun) {
    EXPECT_EQ(failureOf(1.5), ErrorKind::SquareRootOfNegative);
    EXPECT_EQ(failureOf(-1.000001), ErrorKind::SquareRootOfNegative);
    EXPECT_EQ(failureOf(0), ErrorKind::DivisionByZero);
    EXPECT_EQ(failureOf(-1), ErrorKind::InvalidOperation); // E = 0: the form is 0 / 0
    EXPECT_EQ(failureOf(1E200), ErrorKind::Overflow);
}

TEST(FlowCoefficients, ANegativeThicknessRatioGivesTheSameCoefficients) {
    const FlowCoefficients plus = test::flowCoefficients(params(0.3));
    const FlowCoefficients minus = test::flowCoefficients(params(-0.3));
    EXPECT_EQ(plus.A0.value(), minus.A0.value());
    EXPECT_EQ(plus.K2.value(), minus.K2.value());
}

} // namespace
} // namespace solva
