// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/added_mass.h"

#include "spheroid/checks.h"

namespace solva::spheroid {

Matrix6 addedMassMatrix(const Spheroid& body, const Vector3& about, double density) {
    checkedPositive("density", density);
    for (const double coordinate : about) {
        checkedFinite("reference point coordinate", coordinate);
    }
    const double m = density * body.volume();
    const double J = m * (body.a() * body.a() + body.b() * body.b()) / 5;
    const std::array<double, 6> centre{body.k1() * m,     body.k2() * m,    body.k2() * m, 0,
                                       body.kPrime() * J, body.kPrime() * J};
    // T = [[I, [r]ₓ], [0, I]] with [r]ₓ the matrix of r × ·.
    const auto [rx, ry, rz] = about;
    const double skew[3][3] = {{0, -rz, ry}, {rz, 0, -rx}, {-ry, rx, 0}};
    double T[6][6] = {};
    for (int i = 0; i < 6; ++i) {
        T[i][i] = 1;
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            T[i][3 + j] = skew[i][j];
        }
    }
    // Tᵀ diag(centre) T.
    Matrix6 M{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            for (int k = 0; k < 6; ++k) {
                M[i][j] += centre[k] * (T[k][i] * T[k][j]);
            }
        }
    }
    return M;
}

} // namespace solva::spheroid
