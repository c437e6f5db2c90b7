// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/flow.h"

#include "spheroid/spheroid_error.h"
#include "validation/spheroid_checks.h"
#include "validation/validation.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <sstream>
#include <vector>

namespace solva::spheroid {
namespace {

// Bodies from the needle through the sphere to the disc, in streams at
// assorted angles.
struct Case {
    double lambda, alphaDeg, betaDeg;
};
constexpr Case cases[] = {{1E-3, 20, 0}, {0.2, 10, 5},      {0.6, -35, 60}, {1 - 1E-9, 30, 0},
                          {1, 20, 10},   {1 + 1E-9, 0, 45}, {2.5, 15, -20}, {1E3, 40, 30}};

Vector3 plus(const Vector3& p, int axis, double h) {
    Vector3 q = p;
    q[axis] += h;
    return q;
}

// Points one and four times the smaller semi-axis out along the normal, all
// round the body.
std::vector<Vector3> pointsOffTheBody(const Flow& flow) {
    std::vector<Vector3> points;
    const double h = std::min(flow.body().a(), flow.body().b());
    for (const double fi : {0.0, 0.3, 1.5, 2.9}) {
        const SurfacePoint s = flow.onSurface(fi, 0.9);
        for (const double offset : {h, 4 * h}) {
            points.push_back({s.position[0] + offset * s.normal[0],
                              s.position[1] + offset * s.normal[1],
                              s.position[2] + offset * s.normal[2]});
        }
    }
    return points;
}

// A 40-digit evaluation from the definition: quadrature of the confocal
// integrals, differentiation of the potential (scripts/field-reference.py).
TEST(Field, AgreesWithTheFortyDigitReferenceToOneE14) {
    const auto rows = validation::tableLines(SOLVA_FIELD_TABLE);
    EXPECT_EQ(rows.size(), 40u);
    for (const std::string& row : rows) {
        std::istringstream fields(row);
        double lambda, alpha, beta, x, y, z, phi, u, v, w;
        fields >> lambda >> alpha >> beta >> x >> y >> z >> phi >> u >> v >> w;
        const Flow flow(Spheroid::fromLambda(lambda), alpha, beta);
        const FieldPoint f = flow.at({x, y, z});
        const double speed = norm(flow.w());
        EXPECT_NEAR(f.potential, phi, 1E-14 * std::fabs(phi)) << row;
        EXPECT_NEAR(f.velocity[0], u, 1E-14 * speed) << row;
        EXPECT_NEAR(f.velocity[1], v, 1E-14 * speed) << row;
        EXPECT_NEAR(f.velocity[2], w, 1E-14 * speed) << row;
    }
}

TEST(Field, OnTheBodyTheNormalVelocityVanishesAndCuIsTheSurfaceValue) {
    for (const Case& c : cases) {
        const Flow flow(Spheroid::fromLambda(c.lambda), c.alphaDeg, c.betaDeg);
        // Relative to the largest surface speed |W|: about a disc it is hundreds of U.
        EXPECT_LT(validation::largestNormalVelocity(flow), 1E-13) << c.lambda;
        const double speed = norm(flow.w());
        double worstCu = 0;
        for (int i = 0; i <= 40; ++i) {
            for (int j = 0; j < 12; ++j) {
                const SurfacePoint s = flow.onSurface(M_PI * i / 40, M_PI * j / 6);
                worstCu = std::max(worstCu, std::fabs(flow.at(s.position).cu - s.cu));
            }
        }
        EXPECT_LT(worstCu, 1E-13 * speed * speed) << c.lambda;
    }
}

// Laplace's equation by a fourth-order stencil, and v = ∇Φ by central
// differences, at points off the body.
TEST(Field, ThePotentialIsHarmonicAndItsGradientIsTheVelocity) {
    for (const Case& c : cases) {
        const Flow flow(Spheroid::fromLambda(c.lambda), c.alphaDeg, c.betaDeg);
        const double h = 0.02 * std::min(flow.body().a(), flow.body().b());
        for (const Vector3& p : pointsOffTheBody(flow)) {
            // The stencils' own rounding: 3 × 64 units of Φ's last digit over 12 h².
            const double rounding = 192 * DBL_EPSILON * std::fabs(flow.potential(p)) / (12 * h * h);
            double laplacian = 0, scale = 0;
            for (int axis = 0; axis < 3; ++axis) {
                const double p1 = flow.potential(plus(p, axis, h)),
                             m1 = flow.potential(plus(p, axis, -h));
                const double p2 = flow.potential(plus(p, axis, 2 * h)),
                             m2 = flow.potential(plus(p, axis, -2 * h));
                const double second =
                    (-p2 + 16 * p1 - 30 * flow.potential(p) + 16 * m1 - m2) / (12 * h * h);
                laplacian += second;
                scale += std::fabs(second);
                const double first = (-p2 + 8 * p1 - 8 * m1 + m2) / (12 * h);
                EXPECT_NEAR(first, flow.velocity(p)[axis], 1E-6) << c.lambda;
            }
            EXPECT_LT(std::fabs(laplacian), 1E-5 * scale + rounding) << c.lambda;
        }
    }
}

TEST(Field, FarAwayTheDisturbanceFallsAsTheCubeOfTheDistance) {
    for (const Case& c : cases) {
        if (c.lambda < 0.1) {
            continue; // the needle's disturbance drowns in the stream's rounding
        }
        const Flow flow(Spheroid::fromLambda(c.lambda), c.alphaDeg, c.betaDeg);
        const Vector3 direction{0.36, 0.48, 0.8};
        const double size = std::max(flow.body().a(), flow.body().b());
        double previous = 0;
        for (const double r : {300 * size, 3000 * size}) {
            const Vector3 v = flow.velocity({r * direction[0], r * direction[1], r * direction[2]});
            const Vector3 disturbance{v[0] - flow.stream()[0], v[1] - flow.stream()[1],
                                      v[2] - flow.stream()[2]};
            const double scaled = norm(disturbance) * r * r * r;
            if (previous != 0) {
                EXPECT_NEAR(scaled, previous, 1E-4 * previous) << c.lambda;
                EXPECT_GT(scaled, 0.01 * size * size * size) << c.lambda;
            }
            previous = scaled;
        }
    }
}

TEST(Field, TheSphereHasItsClassicalPotential) {
    const Flow flow(Spheroid::fromAxes(1.5, 1.5), 25, -40);
    for (const Vector3& p : {Vector3{1.5, 0, 0}, Vector3{0.3, 2, -1}, Vector3{-40, 7, 3}}) {
        const double r = norm(p);
        const double expected = dot(flow.stream(), p) * (1 + 1.5 * 1.5 * 1.5 / (2 * r * r * r));
        EXPECT_NEAR(flow.potential(p), expected, 1E-15 * r) << r;
    }
}

TEST(Field, ArraysAgreeWithSinglePointsAcrossThreadsAndMarkPointsInside) {
    const Flow flow(Spheroid::fromLambda(0.2), 20, 5);
    const std::size_t n = 70000; // enough for two threads
    std::vector<double> xyz(3 * n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = 0.001 * i;
        xyz[3 * i] = 0.7 * std::cos(t);
        xyz[3 * i + 1] = 0.15 * std::sin(1.3 * t);
        xyz[3 * i + 2] = 0.15 * std::cos(0.7 * t);
    }
    const std::size_t inside = 1234;
    xyz[3 * inside] = 0.1, xyz[3 * inside + 1] = 0.01, xyz[3 * inside + 2] = 0;
    std::vector<double> one(4 * n), two(4 * n), cp(n);
    const auto outputs = [&](std::vector<double>& v) {
        return FieldOutput{{v.data(), n}, {v.data() + n, 3 * n}, {}, {}};
    };
    flow.evaluate(xyz, outputs(one), InsidePoints::NaN, 1);
    flow.evaluate(xyz, {{}, {}, {}, cp}, InsidePoints::NaN, 2);
    flow.evaluate(xyz, outputs(two), InsidePoints::NaN, 2);
    EXPECT_EQ(std::memcmp(one.data(), two.data(), one.size() * sizeof(double)), 0);
    for (std::size_t i : {std::size_t{0}, inside - 1, n / 2, n - 1}) {
        const FieldPoint f = flow.at({xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]});
        EXPECT_EQ(two[i], f.potential);
        EXPECT_EQ(two[n + 3 * i + 2], f.velocity[2]);
        EXPECT_EQ(cp[i], f.cp);
    }
    EXPECT_TRUE(std::isnan(two[inside]) && std::isnan(cp[inside]));
    try {
        flow.evaluate(xyz, outputs(two), InsidePoints::Error, 2);
        ADD_FAILURE() << "a point inside the body was taken";
    } catch (const SpheroidError& e) {
        EXPECT_STREQ(e.what(), "point 1234 (0.1, 0.01, 0) lies inside the body");
    }
    EXPECT_THROW(flow.at({0, 0, 0.099}), SpheroidError);
    EXPECT_THROW(flow.at({NAN, 1, 1}), SpheroidError);
    EXPECT_THROW(flow.at({1E61, 0, 0}), SpheroidError);
    EXPECT_THROW(flow.evaluate({xyz.data(), 4}, {}), SpheroidError);
    EXPECT_THROW(flow.evaluate(xyz, {{}, {cp.data(), n}, {}, {}}), SpheroidError);
    EXPECT_THROW(Flow(Spheroid::fromLambda(0.2), 361, 0), SpheroidError);
    EXPECT_THROW(Flow(Spheroid::fromLambda(0.2), 0, NAN), SpheroidError);
}

} // namespace
} // namespace solva::spheroid
