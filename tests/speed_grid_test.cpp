// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "flow/speed_grid.h"

#include "app/run_error.h"
#include "support/solved_flow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace solva {
namespace {

class SpeedGridTest : public ::testing::Test {
protected:
    void fill(double Lamda, double NXX, double NT, double AlfaD, double BetaD) {
        p = RunParameters{Lamda, NXX, NT, AlfaD, BetaD};
        c = test::solveFlow(p, *s);
    }
    double CU(long I, long J) const { return s->CU(I, J).toDouble(); }

    RunParameters p;
    FlowCoefficients c;
    std::unique_ptr<FlowState> s = std::make_unique<FlowState>();
};

TEST_F(SpeedGridTest, ReferenceValuesForAStreamAlongTheAxis) {
    fill(0.2, 18, 1, 0, 0);
    EXPECT_NEAR(CU(1, 1), 0.203706, 5E-7);
    EXPECT_NEAR(CU(9, 1), 1.121397, 5E-7);
    EXPECT_NEAR(CU(18, 1), 0.203706, 5E-7);
    EXPECT_TRUE(s->CU(1, 2).empty()); // one column only
    for (long I = 1; I <= 18; ++I) {
        EXPECT_EQ(s->CU1(I).toDouble(), CU(I, 1));
    }
}

TEST_F(SpeedGridTest, ReferenceValuesAtAnAngleOfAttack) {
    fill(0.2, 18, 2, 10, 0);
    EXPECT_NEAR(CU(9, 1), 1.195781, 5E-7);
    EXPECT_NEAR(CU(9, 2), 1.099574, 5E-7);
    EXPECT_NEAR(CU(9, 3), 1.195781, 5E-7);
    EXPECT_NEAR(CU(9, 4), 1.075657, 5E-7);
    EXPECT_TRUE(s->CU(9, 5).empty());
}

TEST_F(SpeedGridTest, TheSphereFollowsTheClosedForm) {
    fill(1, 18, 1, 0, 0);
    double peak = 0;
    for (long I = 1; I <= 18; ++I) {
        const double sinFI = std::sin(s->FI(I).toDouble());
        EXPECT_NEAR(CU(I, 1), 2.25 * sinFI * sinFI, 1E-14);
        peak = std::max(peak, CU(I, 1));
    }
    EXPECT_NEAR(peak, 2.232909, 5E-7);
}

TEST_F(SpeedGridTest, AFractionalStepCountSpacesTheColumnsEvenly) {
    // Yaw only: the speed depends on the cosine of the angle, so 120 and 240
    // degrees agree.
    fill(0.2, 18, 1.5, 0, 10);
    for (long I = 1; I <= 18; ++I) {
        EXPECT_NEAR(CU(I, 2), CU(I, 3), 1E-14);
        EXPECT_NE(CU(I, 1), CU(I, 2));
    }
    EXPECT_TRUE(s->CU(1, 4).empty());
}

TEST_F(SpeedGridTest, ColumnCountsUpToTheLastThatFits) {
    fill(0.2, 10, 18, 5, 0);
    EXPECT_FALSE(s->CU(10, 36).empty());
    s = std::make_unique<FlowState>();
    fill(0.2, 10, 18.4, 5, 0);
    EXPECT_FALSE(s->CU(10, 36).empty());
}

TEST_F(SpeedGridTest, Column37IsOutsideTheGrid) {
    try {
        fill(0.2, 10, 19, 5, 0);
        FAIL() << "37 columns filled";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::SubscriptOutOfRange);
        EXPECT_NE(e.where().find("point 1, column 37"), std::string::npos) << e.where();
    }
    EXPECT_FALSE(s->CU(1, 36).empty());
    EXPECT_TRUE(s->CU(2, 1).empty());
}

// A row that is not finite in plain doubles is computed again checked, to
// stop at its step: a flat body seen end-on has no normal at its nose.
TEST_F(SpeedGridTest, ARowWithoutANormalStopsAtItsPoint) {
    fill(0.2, 2, 1, 5, 0);
    p.Lamda = 0;
    s->FI(2) = 0;
    try {
        fillSpeedGrid(p, c, *s);
        FAIL() << "a zero normal filled the grid";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidOperation);
        EXPECT_EQ(e.where(), "computing the surface speed Cu (point 2)");
    }
}

TEST_F(SpeedGridTest, ZeroStepsDivideByZero) {
    try {
        fill(0.2, 10, 0, 5, 0);
        FAIL() << "NT = 0 filled the grid";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
        EXPECT_NE(e.where().find("NT"), std::string::npos) << e.where();
    }
}

TEST_F(SpeedGridTest, NoColumnLeavesTheAngleZeroValueEmpty) {
    fill(0.2, 18, 1, 0, 0);
    const double stale = CU(3, 1);
    fill(0.2, 18, -2, 5, 0); // NJ = -4
    EXPECT_TRUE(s->CU1(3).empty());
    EXPECT_EQ(s->CU1(3).toDouble(), 0);
    EXPECT_EQ(CU(3, 1), stale); // nothing reads it, nothing clears it
    fill(0.2, 18, 0.4, 5, 0);   // NJ = 0.8
    EXPECT_TRUE(s->CU1(3).empty());
}

TEST_F(SpeedGridTest, NoPointKeepsTheEarlierValues) {
    fill(0.2, 18, 1, 0, 0);
    const double earlier = s->CU1(5).toDouble();
    fill(0.2, 0.5, 1, 10, 0);
    EXPECT_EQ(s->CU1(5).toDouble(), earlier);
}

TEST_F(SpeedGridTest, SpeedsAreNeverNegativeBeyondRounding) {
    fill(0.05, 400, 18, 30, 20);
    for (long I = 1; I <= 400; ++I) {
        for (long J = 1; J <= 36; ++J) {
            EXPECT_GT(CU(I, J), -1E-12);
        }
    }
}

} // namespace
} // namespace solva
