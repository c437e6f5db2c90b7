// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The 6 × 6 added-mass matrix of a rigid body moved to another reference
// point, for any number type with +, * and a Number made from a double:
// plain doubles, or ScaledNumber where the products of a density and a lever
// arm would leave the range of a double. With rows and columns (u, v, w, p,
// q, r) and the reference point at r from the one M is given about,
//   M_r = Tᵀ M T,  T = [[I, [r]ₓ], [0, I]],  [r]ₓ ω = r × ω
// (the standard rigid-body transfer). One home for the formula: the
// spheroid's public transferred() and both bodies' overflow-free matrices
// call it.

#include <array>

#include "numeric/scaled_number.h"

namespace solva::numeric {

inline bool isZero(double x) {
    return x == 0;
}
inline bool isZero(const ScaledNumber& x) {
    return x.mantissa() == 0;
}

// M about the point at r. Zero entries of M are skipped, so that a product
// of r's coordinates that overflows a double meets no zero (inf · 0); the
// sum of the other terms, taken in the order k, l, is unchanged by that.
template <class Number>
std::array<std::array<Number, 6>, 6> transferredTerms(const std::array<std::array<Number, 6>, 6>& M,
                                                      const std::array<double, 3>& r) {
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
    std::array<std::array<Number, 6>, 6> result{};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            for (int k = 0; k < 6; ++k) {
                for (int l = 0; l < 6; ++l) {
                    if (!isZero(M[k][l])) {
                        result[i][j] = result[i][j] + M[k][l] * (Number(T[k][i]) * T[l][j]);
                    }
                }
            }
        }
    }
    return result;
}

} // namespace solva::numeric
