// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/flow.h"

#include "ellipsoid/ellipsoid_error.h"
#include "support/quadrature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace solva::ellipsoid {
namespace {

const Ellipsoid body(3, 2, 1);
const Flow flow(body, Vector3{0.6, -0.48, 0.64});

Vector3 surfacePoint(double u, double v) {
    return {3 * std::cos(u), 2 * std::sin(u) * std::cos(v), std::sin(u) * std::sin(v)};
}

TEST(Flow, NoFlowThroughTheBodyAndTheSurfaceValuesAreTheFieldsThere) {
    for (double u = 0.1; u < 3.1; u += 0.5) {
        for (double v = 0; v < 6.2; v += 0.7) {
            const SurfacePoint s = flow.onSurface(u, v);
            const FieldPoint f = flow.at(s.position);
            EXPECT_NEAR(spheroid::dot(f.velocity, s.normal), 0, 1E-14);
            for (int m = 0; m < 3; ++m) {
                EXPECT_NEAR(f.velocity[m], s.velocity[m], 1E-14);
            }
            EXPECT_NEAR(f.cp, s.cp, 1E-14);
            EXPECT_GE(s.cp, flow.cpMin() - 1E-15);
        }
    }
    for (const Vector3& p : {flow.stagnationPoints().front, flow.stagnationPoints().rear}) {
        EXPECT_NEAR(flow.at(p).cu, 0, 1E-28);
    }
    for (const double t : {0.0, 1.0, 2.5, 4.0}) {
        EXPECT_NEAR(flow.at(flow.cpMinCurve(t)).cp, flow.cpMin(), 1E-14) << t;
    }
}

// The velocity is the potential's gradient and the potential is harmonic
// (central differences of step h, truncation h²).
TEST(Flow, VelocityIsTheGradientAndThePotentialHarmonic) {
    const double h = 1E-3;
    for (const Vector3& p :
         {Vector3{3.5, 0.3, -0.2}, Vector3{-1, 2.2, 0.8}, Vector3{0.2, 0.1, 1.3}}) {
        const FieldPoint f = flow.at(p);
        double laplacian = 0;
        for (int m = 0; m < 3; ++m) {
            Vector3 plus = p, minus = p;
            plus[m] += h, minus[m] -= h;
            const double up = flow.at(plus).potential, down = flow.at(minus).potential;
            EXPECT_NEAR((up - down) / (2 * h), f.velocity[m], 1E-6);
            laplacian += (up - 2 * f.potential + down) / (h * h);
        }
        EXPECT_NEAR(laplacian, 0, 1E-5);
    }
}

// Far away the disturbance is a dipole: Φ − d · x = O(r⁻²), v − d = O(r⁻³).
TEST(Flow, FarAwayTheStreamIsUndisturbed) {
    for (const double r : {1E2, 1E4}) {
        const Vector3 p{0.48 * r, 0.6 * r, -0.64 * r};
        const FieldPoint f = flow.at(p);
        EXPECT_LT(std::fabs(f.potential - spheroid::dot(flow.stream(), p)), 20 / (r * r));
        EXPECT_NEAR(f.velocity[0], flow.stream()[0], 20 / (r * r * r));
    }
}

// Past a sphere of radius a: Φ = d · x (1 + a³ / (2 r³)).
TEST(Flow, PastTheSphereIsTheClosedForm) {
    const Flow sphere(Ellipsoid(2, 2, 2), 15, -20);
    const Vector3 p{1.1, -2.3, 0.7};
    const double r = spheroid::norm(p);
    EXPECT_NEAR(sphere.at(p).potential,
                spheroid::dot(sphere.stream(), p) * (1 + 8 / (2 * r * r * r)), 1E-14);
}

TEST(Flow, OfTwoEqualAxesIsTheSpheroidsEverywhere) {
    for (const double lambda : {0.05, 0.9, 1.0, 1.2, 8.0}) {
        const auto spheroid = spheroid::Spheroid::fromAxes(1, lambda);
        const spheroid::Flow expected(spheroid, 12, -35);
        const Flow actual(Ellipsoid(1, lambda, lambda), 12, -35);
        std::vector<double> xyz{1.2, 0.3, -0.4, 0.1, lambda, 0, -3, 2, 5, 0, 0, lambda * 1.01};
        for (std::size_t i = 0; i < xyz.size(); i += 3) {
            const Vector3 p{xyz[i], xyz[i + 1], xyz[i + 2]};
            EXPECT_NEAR(actual.at(p).potential, expected.at(p).potential, 1E-13) << lambda;
            for (int m = 0; m < 3; ++m) {
                EXPECT_NEAR(actual.at(p).velocity[m], expected.at(p).velocity[m], 1E-13);
            }
        }
        for (int m = 0; m < 3; ++m) {
            EXPECT_NEAR(actual.munkMoment(2)[m], expected.munkMoment(2)[m],
                        1E-13 * 2 * spheroid.volume()); // of ρ V: zero for the sphere
        }
    }
}

// The surface pressure ½ Cp integrated over the body: no force (d'Alembert)
// and the Munk moment, Gauss–Legendre in u, trapezium rule in v.
TEST(Flow, SurfacePressureGivesNoForceAndTheMunkMoment) {
    const auto rule = test::gaussLegendre(60);
    const int turns = 120;
    Vector3 force{}, moment{};
    for (std::size_t n = 0; n < rule.x.size(); ++n) {
        const double u = std::numbers::pi / 2 * (1 + static_cast<double>(rule.x[n]));
        for (int k = 0; k < turns; ++k) {
            const double v = 2 * std::numbers::pi * k / turns;
            const double su = std::sin(u), cu = std::cos(u);
            // (∂P/∂u × ∂P/∂v) du dv, outward.
            const Vector3 area{2 * su * cu, 3 * su * su * std::cos(v), 6 * su * su * std::sin(v)};
            const double weight = static_cast<double>(rule.w[n]) * std::numbers::pi / 2 *
                                  (2 * std::numbers::pi / turns) * 0.5 * flow.onSurface(u, v).cp;
            const Vector3 arm = spheroid::cross(surfacePoint(u, v), area);
            for (int m = 0; m < 3; ++m) {
                force[m] -= weight * area[m];
                moment[m] -= weight * arm[m];
            }
        }
    }
    const Vector3 munk = flow.munkMoment();
    for (int m = 0; m < 3; ++m) {
        EXPECT_NEAR(force[m], 0, 1E-10);
        EXPECT_NEAR(moment[m], munk[m], 1E-10 * spheroid::norm(munk)) << m;
    }
}

TEST(Flow, ArraysGiveWhatPointsGiveOnAnyNumberOfThreads) {
    std::vector<double> xyz;
    for (int i = 0; i < 70000; ++i) {
        xyz.insert(xyz.end(), {3.0 + i * 1E-4, std::sin(i * 1.0), std::cos(i * 1.0)});
    }
    xyz[3 * 50000] = 0; // inside
    std::vector<double> cp(xyz.size() / 3), velocity(xyz.size());
    flow.evaluate(xyz, {{}, velocity, {}, cp}, InsidePoints::NaN, 2);
    EXPECT_TRUE(std::isnan(cp[50000]));
    for (const std::size_t i : {0, 12345, 69999}) {
        EXPECT_EQ(cp[i], flow.at({xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]}).cp);
    }
    EXPECT_THROW(flow.evaluate(xyz, {{}, velocity, {}, cp}), EllipsoidError);
    EXPECT_THROW(flow.evaluate(xyz, {{}, {}, {}, velocity}), EllipsoidError);
    EXPECT_THROW(Flow(body, Vector3{0, 0, 0}), EllipsoidError);
    EXPECT_THROW(Flow(body, 400, 0), EllipsoidError);
}

} // namespace
} // namespace solva::ellipsoid
