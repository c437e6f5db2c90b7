// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/motion.h"

#include "ellipsoid/added_mass.h"
#include "ellipsoid/ellipsoid_error.h"
#include "support/quadrature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace solva::ellipsoid {
namespace {

// The fluid of each unit mode m alone.
MotionPoint modeAt(const Ellipsoid& body, int m, const Vector3& p) {
    Vector3 velocity{}, angular{};
    (m < 3 ? velocity : angular)[m % 3] = 1;
    return Motion(body, velocity, angular).at(p);
}

// ∂φ_m/∂n = N_m on the body, for every mode, including axes 1 part in 1E9 apart.
TEST(Motion, EachModeMeetsItsBodyCondition) {
    for (const Ellipsoid& body : {Ellipsoid(3, 2, 1), Ellipsoid(1, 1 + 1E-9, 0.2),
                                  Ellipsoid(0.5, 4, 4), Ellipsoid(1, 1, 1)}) {
        for (double u = 0.2; u < 3; u += 0.6) {
            for (double v = 0.1; v < 6.2; v += 0.9) {
                const Vector3 p{body.a() * std::cos(u), body.b() * std::sin(u) * std::cos(v),
                                body.c() * std::sin(u) * std::sin(v)};
                const auto N = modeNormals(body, p);
                const Vector3 n{N[0], N[1], N[2]};
                for (int m = 0; m < 6; ++m) {
                    EXPECT_NEAR(spheroid::dot(modeAt(body, m, p).velocity, n), N[m], 1E-14 * 4)
                        << body.b() << " " << m << " " << u << " " << v;
                }
            }
        }
    }
}

TEST(Motion, VelocityIsTheGradientAndThePotentialHarmonic) {
    const Ellipsoid body(3, 2, 1);
    const Motion motion(body, {0.3, -1, 0.5}, {0.7, 0.2, -0.4});
    const double h = 1E-3;
    for (const Vector3& p : {Vector3{3.5, 0.3, -0.2}, Vector3{-1, 2.2, 0.8}}) {
        const MotionPoint f = motion.at(p);
        double laplacian = 0;
        for (int m = 0; m < 3; ++m) {
            Vector3 plus = p, minus = p;
            plus[m] += h, minus[m] -= h;
            const double up = motion.at(plus).potential, down = motion.at(minus).potential;
            EXPECT_NEAR((up - down) / (2 * h), f.velocity[m], 1E-6);
            laplacian += (up - 2 * f.potential + down) / (h * h);
        }
        EXPECT_NEAR(laplacian, 0, 2E-5);
    }
}

// M_mn = −ρ ∮ φ_m N_n dS by quadrature (Gauss–Legendre in u, trapezium in v)
// equals the added-mass matrix of k and k′, couplings included.
TEST(Motion, ModePotentialsIntegrateToTheAddedMassMatrix) {
    const Ellipsoid body(3, 2, 1);
    const auto rule = test::gaussLegendre(60);
    const int turns = 120;
    double M[6][6] = {};
    for (std::size_t i = 0; i < rule.x.size(); ++i) {
        const double u = std::numbers::pi / 2 * (1 + static_cast<double>(rule.x[i]));
        for (int k = 0; k < turns; ++k) {
            const double v = 2 * std::numbers::pi * k / turns, su = std::sin(u);
            const Vector3 p{3 * std::cos(u), 2 * su * std::cos(v), su * std::sin(v)};
            const Vector3 area{2 * su * std::cos(u), 3 * su * su * std::cos(v),
                               6 * su * su * std::sin(v)}; // n dS / (du dv)
            const double weight = static_cast<double>(rule.w[i]) * std::numbers::pi / 2 * 2 *
                                  std::numbers::pi / turns;
            const auto phi = modePotentials(body, p);
            const auto N = modeNormals(body, p);
            for (int m = 0; m < 6; ++m) {
                for (int n = 0; n < 6; ++n) {
                    M[m][n] -= weight * phi[m] * N[n] * spheroid::norm(area);
                }
            }
        }
    }
    const Matrix6 expected = addedMassMatrix(body);
    for (int m = 0; m < 6; ++m) {
        for (int n = 0; n < 6; ++n) {
            EXPECT_NEAR(M[m][n], expected[m][n], 1E-9 * expected[3][3]) << m << " " << n;
        }
    }
}

// Far away translation is a dipole (φ = O(r⁻²)) and rotation a quadrupole (O(r⁻³)).
TEST(Motion, FarAwayTheFluidIsAtRest) {
    const Ellipsoid body(3, 2, 1);
    for (int m = 0; m < 6; ++m) {
        const double r = 1E3;
        const double phi = modePotentials(body, {0.6 * r, 0.48 * r, 0.64 * r})[m];
        EXPECT_LT(std::fabs(phi), (m < 3 ? 20 / (r * r) : 50 / (r * r * r))) << m;
    }
}

// Sphere of radius a moving with unit speed along x: φ = −a³ x / (2 r³); no
// rotation mode stirs the fluid.
TEST(Motion, AboutTheSphereIsTheClosedForm) {
    const Ellipsoid sphere(2, 2, 2);
    const Vector3 p{1.1, -2.3, 0.7};
    const double r = spheroid::norm(p);
    const auto phi = modePotentials(sphere, p);
    EXPECT_NEAR(phi[0], -8 * p[0] / (2 * r * r * r), 1E-15);
    EXPECT_EQ(phi[3], 0);
    EXPECT_THROW(modePotentials(sphere, {1, 1, 1}), EllipsoidError);
    EXPECT_THROW(modeNormals(sphere, {2, 1, 0}), EllipsoidError);
    EXPECT_THROW(Motion(sphere, {NAN, 0, 0}, {0, 0, 0}), EllipsoidError);
}

} // namespace
} // namespace solva::ellipsoid
