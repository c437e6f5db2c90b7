// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/added_mass.h"

#include "ellipsoid/ellipsoid_error.h"
#include "spheroid/added_mass.h"

#include <gtest/gtest.h>

#include <cmath>

namespace solva::ellipsoid {
namespace {

// Each entry within tolerance of the largest entry of its 3 × 3 block.
void expectNear(const Matrix6& actual, const Matrix6& expected, double tolerance) {
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            double largest = 0;
            for (int k = 0; k < 3; ++k) {
                for (int l = 0; l < 3; ++l) {
                    largest =
                        std::fmax(largest, std::fabs(expected[3 * (i / 3) + k][3 * (j / 3) + l]));
                }
            }
            EXPECT_NEAR(actual[i][j], expected[i][j], tolerance * largest) << i << " " << j;
        }
    }
}

TEST(AddedMass, OfTwoEqualAxesIsTheSpheroidsAboutAnyPoint) {
    for (const double lambda : {0.01, 0.2, 0.999, 1.0, 3.0, 100.0}) {
        const Vector3 about{0.3, -1.2, 0.7};
        const auto spheroid = spheroid::Spheroid::fromAxes(1.5, 1.5 * lambda);
        expectNear(addedMassMatrix(Ellipsoid(1.5, 1.5 * lambda, 1.5 * lambda), about, 1.025),
                   spheroid::addedMassMatrix(spheroid, about, 1.025), 1E-13);
    }
}

// Turned so that its axes x, y, z lie along y, z, x, the body of axes 3, 2, 1
// is the body of axes 1, 3, 2 unturned.
TEST(AddedMass, TurnedIsTheBodyWithItsAxesPermuted) {
    const Matrix3 R{{{0, 0, 1}, {1, 0, 0}, {0, 1, 0}}};
    const Vector3 about{0.5, 2, -1};
    expectNear(addedMassMatrix(Ellipsoid(3, 2, 1), about, 2, R),
               addedMassMatrix(Ellipsoid(1, 3, 2), about, 2), 1E-15);
}

// Turning the body about its centre turns the matrix about any point with it:
// Q M_r Qᵀ about R r, for a general rotation.
TEST(AddedMass, ShiftAndTurnCommute) {
    const double c = std::cos(0.7), s = std::sin(0.7), h = std::sqrt(0.5);
    // Rotation by 0.7 rad about (1, 1, 0)/√2.
    const Matrix3 R{{{c + h * h * (1 - c), h * h * (1 - c), h * s},
                     {h * h * (1 - c), c + h * h * (1 - c), -h * s},
                     {-h * s, h * s, c}}};
    const Ellipsoid body(3, 2, 1);
    const Vector3 r{0.4, -0.9, 1.3};
    Vector3 Rr{};
    for (int i = 0; i < 3; ++i) {
        Rr[i] = R[i][0] * r[0] + R[i][1] * r[1] + R[i][2] * r[2];
    }
    const Matrix6 shiftedFirst = addedMassMatrix(body, r);
    Matrix6 expected{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            for (int k = 0; k < 3; ++k) {
                for (int l = 0; l < 3; ++l) {
                    expected[i][j] +=
                        R[i % 3][k] * shiftedFirst[3 * (i / 3) + k][3 * (j / 3) + l] * R[j % 3][l];
                }
            }
        }
    }
    expectNear(addedMassMatrix(body, Rr, 1, R), expected, 1E-14);
}

TEST(AddedMass, RefusesAReflectionOrAMatrixThatIsNoRotation) {
    const Ellipsoid body(3, 2, 1);
    const Matrix3 reflection{{{1, 0, 0}, {0, 1, 0}, {0, 0, -1}}};
    const Matrix3 sheared{{{1, 1E-9, 0}, {0, 1, 0}, {0, 0, 1}}};
    EXPECT_THROW(addedMassMatrix(body, {0, 0, 0}, 1, reflection), EllipsoidError);
    EXPECT_THROW(addedMassMatrix(body, {0, 0, 0}, 1, sheared), EllipsoidError);
    EXPECT_THROW(addedMassMatrix(body, {0, 0, 0}, 0), EllipsoidError);
    EXPECT_THROW(addedMassMatrix(body, {NAN, 0, 0}), EllipsoidError);
}

} // namespace
} // namespace solva::ellipsoid
