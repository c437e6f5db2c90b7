// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/added_mass.h"

#include <string>

#include "numeric/rigid_transfer_terms.h"
#include "spheroid/detail/checks.h"

namespace solva::spheroid {

namespace {

using ScaledMatrix6 = std::array<std::array<ScaledNumber, 6>, 6>;

std::string inputsOf(const Spheroid& body, const Vector3& about, double density) {
    return "density " + shortest(density) + ", semi-axes a = " + shortest(body.a()) +
           " and b = " + shortest(body.b()) + ", reference point (" + shortest(about[0]) + ", " +
           shortest(about[1]) + ", " + shortest(about[2]) + ")";
}

} // namespace

Matrix6 addedMassMatrix(const Spheroid& body, const Vector3& about, double density) {
    Check::positive("density", density);
    for (const double coordinate : about) {
        Check::finite("reference point coordinate", coordinate);
    }
    const ScaledNumber m = ScaledNumber(density) * body.volume();
    const ScaledNumber J = m * (body.a() * body.a() + body.b() * body.b()) / 5;
    const std::array<ScaledNumber, 6> centre{
        ScaledNumber(body.k1()) * m,     ScaledNumber(body.k2()) * m,
        ScaledNumber(body.k2()) * m,     0.0,
        ScaledNumber(body.kPrime()) * J, ScaledNumber(body.kPrime()) * J};
    ScaledMatrix6 aboutCentre{};
    for (std::size_t i = 0; i < 6; ++i) {
        aboutCentre[i][i] = centre[i];
    }
    const ScaledMatrix6 scaled = numeric::transferredTerms(aboutCentre, about);
    const std::string inputs = inputsOf(body, about, density);
    Matrix6 M{};
    for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) {
            const std::string entry = "M" + std::to_string(i + 1) + std::to_string(j + 1);
            M[i][j] = checkedRepresentable("added-mass entry " + entry, scaled[i][j], inputs);
        }
    }
    return M;
}

} // namespace solva::spheroid
