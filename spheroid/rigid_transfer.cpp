// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/rigid_transfer.h"

namespace solva::spheroid {

Matrix6 transferred(const Matrix6& M, const Vector3& r) {
    // T = [[I, [r]ₓ], [0, I]] with [r]ₓ the matrix of r × ·.
    const auto [rx, ry, rz] = r;
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
    // Tᵀ M T, each term M_kl (T_ki T_lj).
    Matrix6 result{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            for (int k = 0; k < 6; ++k) {
                for (int l = 0; l < 6; ++l) {
                    if (M[k][l] != 0) {
                        result[i][j] += M[k][l] * (T[k][i] * T[l][j]);
                    }
                }
            }
        }
    }
    return result;
}

} // namespace solva::spheroid
