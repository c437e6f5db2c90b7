// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "validation/validation.h"

#include "flow/speed_grid.h"
#include "support/solved_flow.h"

#include <cfloat>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace solva::validation {

std::vector<std::string> tableLines(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    return lines;
}

std::vector<LambRow> readLambTable(const std::string& path) {
    std::vector<LambRow> rows;
    for (const std::string& line : tableLines(path)) {
        LambRow row{};
        std::istringstream(line) >> row.ratio >> row.k1 >> row.k2 >> row.kPrime;
        rows.push_back(row);
    }
    return rows;
}

Coefficients programCoefficients(double lambda) {
    const FlowCoefficients c = test::flowCoefficients(RunParameters{lambda, 1, 1, 0, 0});
    return {c.A0.value(), c.K1.value(), c.K2.value()};
}

std::vector<double> alpha0Table() {
    return {0.01,  0.05,     0.1,      0.2,      0.5,       0.9,       0.99,
            0.999, 1 - 1E-4, 1 - 1E-6, 1 - 1E-8, 1 - 1E-10, 1 - 1E-12, 1};
}

double alpha0ErrorBound(double lambda) {
    if (lambda == 1) {
        return 2E-16; // the sphere's own value, 2/3 rounded once
    }
    const double E = std::sqrt(1 - lambda * lambda);
    return 5E-16 * (1 / (E * E * E) + 1 / (lambda * lambda));
}

SphereDeviation sphereDeviation(double NXX, double NT, double alphaDeg, double betaDeg) {
    const RunParameters p{1, NXX, NT, alphaDeg, betaDeg};
    auto s = std::make_unique<FlowState>();
    const FlowCoefficients c = test::solveFlow(p, *s);

    const long double degree = 3.141592653589793238462643383279503L / 180;
    const long double a = alphaDeg * degree, b = betaDeg * degree;
    const long double U1 = std::cos(a) * std::cos(b), U2 = std::sin(b),
                      U3 = std::sin(a) * std::cos(b);
    SphereDeviation worst{0, 0, 0};
    for (long I = 1; I <= static_cast<long>(NXX); ++I) {
        const long double FI = s->FI(I).toDouble();
        for (long J = 1; J <= static_cast<long>(c.NJ.value()); ++J) {
            const long double T = (J - 1) * 180 / NT * degree;
            const long double Un =
                U1 * std::cos(FI) + std::sin(FI) * (U2 * std::cos(T) + U3 * std::sin(T));
            const long double exact = 2.25L * (1 - Un * Un);
            const long double deviation = std::fabs(s->CU(I, J).toDouble() - exact);
            if (deviation > worst.largest) {
                worst = {static_cast<double>(deviation), I, J};
            }
        }
    }
    return worst;
}

double programAxialCuAt(double lambda, double x) {
    const RunParameters p{lambda, 1, 1, 0, 0};
    const FlowCoefficients c = test::flowCoefficients(p);
    auto s = std::make_unique<FlowState>();
    s->FI(1) = Real(std::acos(2 * x)); // X = 0.5 cos FI
    fillSpeedGrid(p, c, *s);
    return s->CU(1, 1).toDouble();
}

} // namespace solva::validation
