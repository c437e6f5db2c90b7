// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/added_mass.h"

#include "spheroid/spheroid.h"
#include "spheroid/spheroid_error.h"
#include "support/quadrature.h"
#include "support/shape_integrals.h"
#include "validation/validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace solva::spheroid {
namespace {

TEST(Inertia, LambsTableOfK1K2AndKPrime) {
    const auto rows = validation::readLambTable(SOLVA_LAMB_TABLE);
    ASSERT_EQ(rows.size(), 11u);
    for (const auto& row : rows) {
        const Spheroid body = Spheroid::fromLambda(1 / row.ratio);
        // His table was computed by hand: the last of three decimals is loose.
        EXPECT_NEAR(body.k1(), row.k1, 2.5E-3) << row.ratio;
        EXPECT_NEAR(body.k2(), row.k2, 2.5E-3) << row.ratio;
        EXPECT_NEAR(body.kPrime(), row.kPrime, 2.5E-3) << row.ratio;
    }
}

// k′ from Lamb's form in long double with the shape integrals by quadrature,
// on both sides of where the library turns to its series near the sphere.
TEST(Inertia, KPrimeAgreesWithLambsFormByQuadrature) {
    for (const double lambda : {0.05, 0.6, 0.7, 0.75, 0.95, 1.05, 1.2, 1.25, 1.3, 4.0, 50.0}) {
        const long double alpha = test::alpha0ByQuadrature(lambda);
        const long double beta = test::beta0ByQuadrature(lambda);
        const long double x = static_cast<long double>(lambda) * lambda - 1, sum = 2 + x;
        const long double kPrime = x * x * (alpha - beta) / (sum * (2 * x + sum * (beta - alpha)));
        EXPECT_NEAR(Spheroid::fromLambda(lambda).kPrime(), kPrime, 1E-14 * kPrime) << lambda;
    }
    // Next to the sphere k′ = x² / 6 + O(x³), x = λ² − 1.
    for (const double lambda : {1 - 1E-4, 1 + 1E-4, 1 - 1E-7}) {
        const double x = lambda * lambda - 1;
        EXPECT_NEAR(Spheroid::fromLambda(lambda).kPrime(), x * x / 6, 2 * std::fabs(x) * x * x)
            << lambda;
    }
    EXPECT_EQ(Spheroid::fromLambda(1).kPrime(), 0);
}

TEST(Inertia, TheDiscAndTheSlenderBodyAreTheLimits) {
    // A disc of radius R moving broadside carries 8/3 ρ R³, whatever the thickness.
    const Spheroid disc = Spheroid::fromAxes(1E-6, 1);
    EXPECT_NEAR(disc.k1() * disc.volume(), 8.0 / 3, 1E-5);
    const Spheroid needle = Spheroid::fromLambda(1E-6);
    EXPECT_NEAR(needle.k2(), 1, 1E-10);
    EXPECT_NEAR(needle.k1(), 0, 1E-10);
    EXPECT_NEAR(needle.kPrime(), 1, 1E-10);
    const Spheroid sphere = Spheroid::fromLambda(1);
    EXPECT_EQ(sphere.k1(), 0.5);
    EXPECT_EQ(sphere.k2(), 0.5);
}

// Area 2π ∫ y ds along the meridian, by Gauss–Legendre over 32 pieces of FI.
TEST(Inertia, VolumeAndAreaOfEveryShape) {
    static const test::QuadratureRule rule = test::gaussLegendre(24);
    for (const double lambda : {0.02, 0.2, 1 - 1E-9, 1.0, 1 + 1E-9, 3.0, 50.0}) {
        const Spheroid body = Spheroid::fromAxes(2, 2 * lambda);
        const double a = body.a(), b = body.b(), pieces = 32;
        long double area = 0;
        for (int piece = 0; piece < pieces; ++piece) {
            for (std::size_t i = 0; i < rule.x.size(); ++i) {
                const long double fi =
                    std::numbers::pi_v<long double> * (piece + (1 + rule.x[i]) / 2) / pieces;
                const long double ds = std::hypot(a * std::sin(fi), b * std::cos(fi));
                area += rule.w[i] / 2 * 2 * std::numbers::pi_v<long double> * b * std::sin(fi) *
                        ds * std::numbers::pi_v<long double> / pieces;
            }
        }
        EXPECT_NEAR(body.area(), static_cast<double>(area), 1E-14 * body.area()) << lambda;
        EXPECT_DOUBLE_EQ(body.volume(), 4 * std::numbers::pi * a * b * b / 3);
    }
}

// Slender bodies, where the meridian's quadrature loses its digits at the
// tips: 2π a² (λ² + λ asin(e) / e) at 40 digits (mpmath), a = 2.
TEST(Inertia, AreaOfSlenderBodies) {
    const struct {
        double lambda, area;
    } table[] = {{1E-6, 0.00003947841760437717188091206},
                 {1E-3, 0.03947843732682586767151903},
                 {0.05, 1.976287987710195576487132}};
    for (const auto& [lambda, area] : table) {
        EXPECT_NEAR(Spheroid::fromAxes(2, 2 * lambda).area(), area, 2E-16 * area) << lambda;
    }
}

// The fluid's kinetic energy ½ Vᵀ M V about a reference point r equals that of
// the centre's motion, v + ω × (−r), with ω unchanged.
TEST(AddedMass, TransferToAReferencePointKeepsTheKineticEnergy) {
    const Spheroid body = Spheroid::fromAxes(3, 0.6);
    const Matrix6 centre = addedMassMatrix(body, {0, 0, 0}, 1025);
    const double m = 1025 * body.volume(), J = m * (9 + 0.36) / 5;
    const double diagonal[6] = {body.k1() * m,     body.k2() * m,    body.k2() * m, 0,
                                body.kPrime() * J, body.kPrime() * J};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(centre[i][j], i == j ? diagonal[i] : 0) << i << j;
        }
    }
    const Vector3 references[] = {{1.5, 0, 0}, {-2, 0.3, 0}, {0.4, -0.7, 1.1}};
    const double motion[6] = {0.8, -0.3, 0.5, 0.7, -1.2, 0.4};
    for (const Vector3& r : references) {
        const Matrix6 M = addedMassMatrix(body, r, 1025);
        double energy = 0;
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 6; ++j) {
                energy += motion[i] * M[i][j] * motion[j] / 2;
                EXPECT_EQ(M[i][j], M[j][i]);
            }
        }
        const Vector3 omega{motion[3], motion[4], motion[5]};
        const Vector3 spin = cross(omega, {-r[0], -r[1], -r[2]});
        double expected = 0;
        for (int i = 0; i < 3; ++i) {
            const double v = motion[i] + spin[i];
            expected += (diagonal[i] * v * v + diagonal[3 + i] * omega[i] * omega[i]) / 2;
        }
        EXPECT_NEAR(energy, expected, 1E-12 * expected);
    }
    EXPECT_THROW(addedMassMatrix(body, {0, 0, 0}, 0), SpheroidError);
    EXPECT_THROW(addedMassMatrix(body, {0, NAN, 0}), SpheroidError);
}

// A density of 2⁻¹⁰⁰⁰ with a lever arm of 2⁵³⁰, whose square no double holds:
// M₅₅ = k₂ m x² + k′J is then k₂ m of unit density times 2⁶⁰ (k′J lies 2¹⁰⁶⁰
// below), exactly, as powers of two scale. Beyond a double is an error.
TEST(AddedMass, ExtremeDensitiesAndLeverArmsScaleAsPowersOfTwo) {
    const Spheroid body = Spheroid::fromLambda(0.2);
    const Matrix6 plain = addedMassMatrix(body, {1, 0, 0}, 1);
    const Matrix6 M = addedMassMatrix(body, {std::ldexp(1, 530), 0, 0}, std::ldexp(1, -1000));
    EXPECT_EQ(M[0][0], std::ldexp(plain[0][0], -1000));
    EXPECT_EQ(M[1][5], std::ldexp(plain[1][5], -470));
    EXPECT_EQ(M[4][4], std::ldexp(plain[1][1], 60));
    EXPECT_THROW(addedMassMatrix(body, {1E308, 1E308, 1E308}), ResultOutOfRange);
    EXPECT_THROW(addedMassMatrix(Spheroid::fromLambda(0.2).scaled(1E100), {0, 0, 0}, 1E308),
                 ResultOutOfRange);
}

} // namespace
} // namespace solva::spheroid
