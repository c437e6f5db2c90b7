// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/added_mass.h"

#include <cmath>
#include <string>

#include "ellipsoid/detail/checks.h"
#include "ellipsoid/ellipsoid_error.h"
#include "numeric/rigid_transfer_terms.h"

namespace solva::ellipsoid {

namespace {

// rotation, if it is a proper rotation to 1E-12.
const Matrix3& checkedRotation(const Matrix3& R) {
    double worst = 0;
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double product = 0; // (RᵀR)_ij
            for (int k = 0; k < 3; ++k) {
                product += R[k][i] * R[k][j];
            }
            worst = std::fmax(worst, std::fabs(product - (i == j ? 1 : 0)));
        }
    }
    if (!(worst <= 1E-12)) { // NaN too
        throw EllipsoidError("the rotation must be orthonormal to 1e-12, but RᵀR differs from "
                             "the identity by " +
                             detail::shortest(worst));
    }
    const double det = R[0][0] * (R[1][1] * R[2][2] - R[1][2] * R[2][1]) -
                       R[0][1] * (R[1][0] * R[2][2] - R[1][2] * R[2][0]) +
                       R[0][2] * (R[1][0] * R[2][1] - R[1][1] * R[2][0]);
    if (!(det > 0)) {
        throw EllipsoidError("the rotation must be proper (determinant +1), not a reflection "
                             "(determinant " +
                             detail::shortest(det) + ")");
    }
    return R;
}

using detail::ScaledNumber;
using ScaledMatrix6 = std::array<std::array<ScaledNumber, 6>, 6>;

// ρ diag(k V, k′ I) in body axes about the centre; scaled numbers, so that
// no product of the density and the body's size overflows on the way.
ScaledMatrix6 aboutCentre(const Ellipsoid& body, double density) {
    const ScaledNumber mass = ScaledNumber(density) * body.volume();
    ScaledMatrix6 M{};
    for (int i = 0; i < 3; ++i) {
        const double aj = body.axes()[(i + 1) % 3], ak = body.axes()[(i + 2) % 3];
        M[i][i] = ScaledNumber(body.kTranslation()[i]) * mass;
        M[3 + i][3 + i] = ScaledNumber(body.kRotation()[i]) * mass * (aj * aj + ak * ak) / 5;
    }
    return M;
}

// Q M Qᵀ, Q = diag(R, R).
ScaledMatrix6 rotated(const ScaledMatrix6& M, const Matrix3& R) {
    ScaledMatrix6 result{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            for (int k = 0; k < 3; ++k) {
                for (int l = 0; l < 3; ++l) {
                    const double q = R[i % 3][k] * R[j % 3][l];
                    result[i][j] = result[i][j] + M[3 * (i / 3) + k][3 * (j / 3) + l] * q;
                }
            }
        }
    }
    return result;
}

std::string inputsOf(const Ellipsoid& body, const Vector3& about, double density) {
    return "density " + detail::shortest(density) + ", semi-axes " + detail::shortest(body.a()) +
           ", " + detail::shortest(body.b()) + ", " + detail::shortest(body.c()) +
           ", reference point " + detail::shortest(about);
}

} // namespace

Matrix6 addedMassMatrix(const Ellipsoid& body, const Vector3& about, double density,
                        const Matrix3& rotation) {
    detail::Check::positive("density", density);
    detail::Check::finite("reference point", about);
    const ScaledMatrix6 scaled = numeric::transferredTerms(
        rotated(aboutCentre(body, density), checkedRotation(rotation)), about);
    const std::string inputs = inputsOf(body, about, density);
    Matrix6 M{};
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            const std::string entry = "M" + std::to_string(i + 1) + std::to_string(j + 1);
            M[i][j] =
                detail::checkedRepresentable("added-mass entry " + entry, scaled[i][j], inputs);
        }
    }
    return M;
}

} // namespace solva::ellipsoid
