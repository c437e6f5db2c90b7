// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/ellipsoid.h"

#include "ellipsoid/ellipsoid_error.h"
#include "ellipsoid/flow.h"
#include "spheroid/spheroid.h"
#include "support/number_table.h"
#include "support/quadrature.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace solva::ellipsoid {
namespace {

// Columns a, b, c, A₁…A₃, k₁…k₃, k′₁…k′₃ from Lamb's forms at 80 digits, area,
// k₂ − k₃, k₃ − k₁, k₁ − k₂, including axes 1 part in 1E9 apart; the Munk
// moment in a stream along (1, 1, 1) goes as those differences.
TEST(Ellipsoid, IntegralsAndInertiaAgreeWithTheThirtyDigitTable) {
    const auto rows = test::readNumberTable(SOLVA_BODIES_TABLE);
    ASSERT_GT(rows.size(), 20u);
    for (const auto& row : rows) {
        const Ellipsoid body(row[0], row[1], row[2]);
        EXPECT_NEAR(body.area(), row[12], 2E-15 * row[12]);
        const Vector3 munk = Flow(body, {1, 1, 1}).munkMoment();
        for (int i = 0; i < 3; ++i) {
            const long double dk = row[13 + i];
            EXPECT_NEAR(body.kTranslationDifferences()[i], dk, 2E-15 * std::fabs(dk))
                << row[0] << " " << row[1] << " " << row[2] << " " << i;
            EXPECT_NEAR(munk[i], body.volume() * dk / 3, 4E-15 * std::fabs(body.volume() * dk));
            const long double A = row[3 + i], k = row[6 + i], kr = row[9 + i];
            EXPECT_NEAR(body.shapeIntegrals()[i], A, 4E-16 * A) << row[0] << " " << i;
            EXPECT_NEAR(body.shapeIntegralsAt(0)[i], A, 4E-15 * A) << row[0] << " " << i;
            EXPECT_NEAR(body.kTranslation()[i], k, 1E-15 * k) << row[0] << " " << i;
            EXPECT_NEAR(body.kRotation()[i], kr, 4E-15 * kr)
                << row[0] << " " << row[1] << " " << row[2] << " " << i;
        }
    }
}

// A body with two equal axes against the spheroid library's closed forms.
TEST(Ellipsoid, WithTwoEqualAxesIsTheSpheroid) {
    for (const double lambda : {1E-3, 0.1, 0.5, 0.999, 1.0, 1.001, 2.0, 10.0, 1E3}) {
        const auto spheroid = spheroid::Spheroid::fromAxes(2, 2 * lambda);
        const Ellipsoid body(2, 2 * lambda, 2 * lambda);
        {
            EXPECT_NEAR(body.kTranslation()[0], spheroid.k1(), 1E-13 * spheroid.k1());
            EXPECT_NEAR(body.kTranslation()[1], spheroid.k2(), 1E-13 * spheroid.k2());
            EXPECT_NEAR(body.kTranslation()[2], spheroid.k2(), 1E-13 * spheroid.k2());
            EXPECT_EQ(body.kRotation()[0], 0);
            EXPECT_NEAR(body.kRotation()[1], spheroid.kPrime(), 1E-13 * spheroid.kPrime());
            EXPECT_NEAR(body.kRotation()[2], spheroid.kPrime(), 1E-13 * spheroid.kPrime());
            EXPECT_NEAR(body.volume(), spheroid.volume(), 1E-15 * spheroid.volume());
            EXPECT_NEAR(body.area(), spheroid.area(), 1E-13 * spheroid.area()) << lambda;
            const double s = 0.7;
            const auto I = spheroid.confocalIntegrals(s);
            EXPECT_NEAR(body.shapeIntegralsAt(s)[0], I.alpha, 1E-14 * I.alpha);
            EXPECT_NEAR(body.shapeIntegralsAt(s)[2], I.beta, 1E-14 * I.beta);
        }
    }
}

// The broadside added mass of a thin body tends to the elliptic disc's,
// (4/3) π a b² / E(e), e² = 1 − b²/a², with an error of order c/b.
TEST(Ellipsoid, ThinBodyBroadsideTendsToTheEllipticDisc) {
    const auto rule = test::gaussLegendre(40);
    const double a = 3, b = 2, e2 = 1 - b * b / (a * a);
    long double E = 0; // ∫₀^{π/2} √(1 − e² sin²θ) dθ
    for (std::size_t n = 0; n < rule.x.size(); ++n) {
        const long double theta = std::numbers::pi_v<long double> / 4 * (1 + rule.x[n]);
        const long double s = std::sin(theta);
        E += rule.w[n] * std::sqrt(1 - e2 * s * s) * std::numbers::pi_v<long double> / 4;
    }
    const double disc = 4.0 / 3 * std::numbers::pi * a * b * b / static_cast<double>(E);
    for (const double c : {1E-2, 1E-4, 2E-6}) {
        const Ellipsoid body(a, b, b * c);
        EXPECT_NEAR(body.kTranslation()[2] * body.volume(), disc, 2 * c * disc) << c;
    }
}

TEST(Ellipsoid, CoordinateIsTheRootOfTheConfocalEquation) {
    // Newton's method starts where the sphere of the same weighted radius
    // would have its root: near the body, far off, and for a thin body.
    const struct {
        Ellipsoid body;
        Vector3 p;
    } cases[] = {{{3, 2, 1}, {3, 0, 0}},
                 {{3, 2, 1}, {0, 0, 1}},
                 {{3, 2, 1}, {4, 1, -2}},
                 {{3, 2, 1}, {1E-3, 5, 1E3}},
                 {{3, 2, 1}, {1E50, 0, 1}},
                 {{1, 1E-3, 1E-6}, {0.5, 0.1, 0.01}},
                 {{1, 1E-3, 1E-6}, {0, 0, 1E-6 * (1 + 1E-9)}},
                 {{1, 1E-3, 1E-6}, {0.6, 8E-4, 1E-7}}, // λ ≈ 1.2E-10, far below the axes
                 {{1, 1E-3, 1E-6}, {2, -3, 5}}};
    for (const auto& [body, p] : cases) {
        const long double lambda = body.coordinate(p);
        long double sum = 0;
        for (int i = 0; i < 3; ++i) {
            sum +=
                p[i] * static_cast<long double>(p[i]) / (body.axes()[i] * body.axes()[i] + lambda);
        }
        EXPECT_NEAR(sum, 1.0L, 4E-16L) << p[0] << " " << p[1] << " " << p[2];
    }
    EXPECT_EQ(Ellipsoid(3, 2, 1).coordinate({0, 2, 0}), 0);
}

TEST(Ellipsoid, RefusesWhatNoEllipsoidHas) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Vector3 axes[] = {{0, 1, 1}, {1, -1, 1}, {1, 1, 2E6}, {1, nan, 1}, {1E101, 1E101, 1E101}};
    for (const auto& c : axes) {
        EXPECT_THROW(Ellipsoid(c[0], c[1], c[2]), EllipsoidError) << c[0] << " " << c[1];
    }
    const Ellipsoid body(3, 2, 1);
    EXPECT_THROW(body.coordinate({1, 1, 0.1}), EllipsoidError);
    EXPECT_THROW(body.coordinate({nan, 5, 0}), EllipsoidError);
    EXPECT_THROW(body.coordinate({4E60, 5, 0}), EllipsoidError);
    EXPECT_THROW(body.shapeIntegralsAt(-1E-9), EllipsoidError);
}

} // namespace
} // namespace solva::ellipsoid
