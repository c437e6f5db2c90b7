// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/flow.h"

#include "spheroid/spheroid_error.h"
#include "validation/spheroid_checks.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solva::spheroid {
namespace {

// The window's speed grid, point by point and column by column.
TEST(Surface, CuIsTheWindowsGridAtItsPoints) {
    const RunParameters runs[] = {
        {0.1, 41, 6, 10, 5}, {0.2, 400, 18, 0, 0}, {0.5, 37, 9, -30, 60}, {1, 25, 4, 89, -89}};
    for (const RunParameters& p : runs) {
        EXPECT_LT(validation::largestGridDifference(p), 1E-13) << p.Lamda.value();
    }
}

struct Case {
    double lambda, alphaDeg, betaDeg;
};
constexpr Case cases[] = {{0.2, 20, 10}, {0.5, -35, 0}, {1, 30, 20}, {2.5, 15, -40}};

// ρ U² = 2⁻¹⁰⁰⁰ · (2⁶⁰⁰)² = 2²⁰⁰ although U² is beyond a double: the moment
// of unit density and speed times 2²⁰⁰, exactly; none at α = β = 0.
TEST(Surface, TheMunkMomentOfExtremeDensitiesAndSpeeds) {
    const Flow flow(Spheroid::fromLambda(0.2), 20, 30);
    const Vector3 plain = flow.munkMoment();
    const Vector3 moment = flow.munkMoment(std::ldexp(1, -1000), std::ldexp(1, 600));
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(moment[k], std::ldexp(plain[k], 200)) << k;
        EXPECT_EQ(Flow(flow.body(), 0, 0).munkMoment(1E300, 1E200)[k], 0) << k;
    }
    EXPECT_THROW(flow.munkMoment(1E300, 1E200), ResultOutOfRange);
}

TEST(Surface, ThePressureGivesNoForceAndTheMunkMoment) {
    for (const Case& c : cases) {
        const Flow flow(Spheroid::fromLambda(c.lambda), c.alphaDeg, c.betaDeg);
        const validation::Loads loads = validation::pressureLoads(flow);
        const Vector3 munk = flow.munkMoment();
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(loads.force[k], 0, 1E-8) << c.lambda;
            EXPECT_NEAR(loads.moment[k], munk[k], 1E-8) << c.lambda;
        }
        // Turning the axis by M dt moves it by (M × eₓ) dt: away from the
        // stream, (M × eₓ) · d < 0, for the prolate body, towards it for the oblate.
        const double towardsStream = dot(cross(munk, {1, 0, 0}), flow.stream());
        if (c.lambda < 1) {
            EXPECT_LT(towardsStream, 0) << c.lambda;
        } else if (c.lambda > 1) {
            EXPECT_GT(towardsStream, 0) << c.lambda;
        }
    }
}

TEST(Surface, StagnationPointsAndTheSuctionPeak) {
    for (const Case& c : cases) {
        const Flow flow(Spheroid::fromLambda(c.lambda), c.alphaDeg, c.betaDeg);
        const StagnationPoints stagnation = flow.stagnationPoints();
        EXPECT_LT(flow.at(stagnation.front).cu, 1E-26) << c.lambda;
        EXPECT_LT(flow.at(stagnation.rear).cu, 1E-26) << c.lambda;
        EXPECT_LT(dot(stagnation.front, flow.stream()), 0) << c.lambda;
        // Nowhere on the body is Cp below Cp_min, and the curve reaches it.
        double least = 2;
        for (int i = 0; i <= 200; ++i) {
            for (int j = 0; j < 72; ++j) {
                least = std::min(least, flow.onSurface(M_PI * i / 200, M_PI * j / 36).cp);
            }
        }
        EXPECT_GE(least, flow.cpMin() - 1E-14) << c.lambda;
        EXPECT_NEAR(least, flow.cpMin(), 1E-3) << c.lambda;
        for (int k = 0; k < 12; ++k) {
            const Vector3 p = flow.cpMinCurve(k * M_PI / 6);
            EXPECT_NEAR(flow.at(p).cp, flow.cpMin(), 1E-13) << c.lambda << " " << k;
            EXPECT_FALSE(flow.body().contains(p));
        }
    }
}

} // namespace
} // namespace solva::spheroid
