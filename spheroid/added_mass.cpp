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
    Matrix6 aboutCentre{};
    for (int i = 0; i < 6; ++i) {
        aboutCentre[i][i] = centre[i];
    }
    return transferred(aboutCentre, about);
}

} // namespace solva::spheroid
