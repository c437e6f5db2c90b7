// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "flow/meridian_points.h"

#include "app/run_error.h"
#include "flow/coefficients.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace solva {
namespace {

constexpr double Degree = 180 / 3.14159265358979323846;

class MeridianPoints : public ::testing::Test {
protected:
    void place(double Lamda, double NXX) { generateMeridianPoints(Lamda, NXX, computePI(), *s); }
    double FI(long I) const { return s->FI(I).toDouble(); }
    double X(long I) const { return s->X(I).toDouble(); }
    double Y(long I) const { return s->Y(I).toDouble(); }

    std::unique_ptr<FlowState> s = std::make_unique<FlowState>();
};

TEST_F(MeridianPoints, ReferenceValuesForASlenderBody) {
    place(0.2, 18);
    EXPECT_NEAR(FI(1) * Degree, 174.618, 5E-4);
    EXPECT_NEAR(X(1), -0.497796, 5E-7);
    EXPECT_NEAR(Y(1), 0.009380, 5E-7);
    EXPECT_NEAR(FI(9) * Degree, 94.982, 5E-4);
    EXPECT_NEAR(X(9), -0.043419, 5E-7);
    EXPECT_NEAR(Y(9), 0.099622, 5E-7);
    EXPECT_NEAR(FI(18) * Degree, 5.382, 5E-4);
    EXPECT_NEAR(X(18), 0.497796, 5E-7);
    EXPECT_NEAR(Y(18), 0.009380, 5E-7);
    EXPECT_TRUE(s->FI(0).empty()); // index 0 is never written
    EXPECT_TRUE(s->FI(19).empty());
}

TEST_F(MeridianPoints, EvenCountsAreSymmetricAboutMidBody) {
    for (const int NXX : {2, 18, 400}) {
        place(0.2, NXX);
        for (long I = 1; I <= NXX; ++I) {
            const long J = NXX + 1 - I;
            EXPECT_NEAR(X(I), -X(J), 1E-15) << NXX << " " << I;
            EXPECT_NEAR(Y(I), Y(J), 1E-15) << NXX << " " << I;
            EXPECT_NEAR(FI(I) + FI(J), 3.14159265358979, 1E-13) << NXX << " " << I;
            EXPECT_GT(FI(I), 0);
            EXPECT_LT(FI(I), 3.14159265358979);
            if (I > 1) {
                EXPECT_LT(FI(I), FI(I - 1)); // nose to tail
            }
        }
    }
    place(0.2, 2);
    EXPECT_GT(FI(1), 3.14159265358979 / 2);
    EXPECT_LT(FI(2), 3.14159265358979 / 2);
}

TEST_F(MeridianPoints, OnASphereTheChordNormalsPassThroughTheCentre) {
    place(1, 18);
    const double DFI = 3.14159265358979323846 / 18;
    for (long I = 1; I <= 18; ++I) {
        EXPECT_NEAR(FI(I), 3.14159265358979323846 - (I - 0.5) * DFI, 1E-14);
        EXPECT_NEAR(4 * (X(I) * X(I) + Y(I) * Y(I)), 1, 1E-14);
    }
}

TEST_F(MeridianPoints, AnOddCountPutsItsMiddlePointOnTop) {
    place(0.2, 17);
    EXPECT_DOUBLE_EQ(FI(9) * Degree, 90);
    EXPECT_LT(std::fabs(X(9)), 1E-16);
    EXPECT_DOUBLE_EQ(Y(9), 0.1);
    // Every other point is where an even count's rule puts it.
    EXPECT_NEAR(X(1), -X(17), 1E-15);

    for (int NXX = 1; NXX <= 399; NXX += 2) {
        place(0.2, NXX);
        const long middle = (NXX + 1) / 2;
        EXPECT_NEAR(FI(middle), 3.14159265358979 / 2, 1E-9) << NXX;
        EXPECT_NEAR(Y(middle), 0.1, 1E-12) << NXX;
    }
}

TEST_F(MeridianPoints, AFractionalCountUsesItsWholePartForTheLoop) {
    place(0.2, 18.5);
    EXPECT_FALSE(s->FI(18).empty());
    EXPECT_TRUE(s->FI(19).empty());
    // The angle step still uses 18.5: node 18 is not the tail.
    EXPECT_GT(X(18), -0.5);
    EXPECT_LT(X(18), 0.4978); // point 18 of 18 lies at 0.497796
}

TEST_F(MeridianPoints, ANegativeThicknessRatioMirrorsThePoints) {
    place(0.3, 18);
    auto positive = std::make_unique<FlowState>(*s);
    place(-0.3, 18);
    for (long I = 1; I <= 18; ++I) {
        EXPECT_EQ(FI(I), positive->FI(I).toDouble());
        EXPECT_EQ(X(I), positive->X(I).toDouble());
        EXPECT_EQ(Y(I), -positive->Y(I).toDouble());
    }
}

TEST_F(MeridianPoints, CountsBelowOneWriteNoPoint) {
    for (const double NXX : {0.5, -3.0, 0.999}) {
        place(0.2, NXX);
        EXPECT_TRUE(s->FI(1).empty()) << NXX;
    }
}

TEST_F(MeridianPoints, ZeroPointsDivideByZero) {
    try {
        place(0.2, 0);
        FAIL() << "NXX = 0 placed points";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::DivisionByZero);
        EXPECT_NE(e.where().find("NXX"), std::string::npos) << e.where();
    }
    EXPECT_TRUE(s->FI(1).empty());
}

TEST_F(MeridianPoints, Point401IsOutsideTheArrays) {
    try {
        place(0.2, 401);
        FAIL() << "401 points placed";
    } catch (const RunError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::SubscriptOutOfRange);
        EXPECT_NE(e.where().find("point 401"), std::string::npos) << e.where();
    }
    EXPECT_FALSE(s->Y(400).empty());
}

} // namespace
} // namespace solva
