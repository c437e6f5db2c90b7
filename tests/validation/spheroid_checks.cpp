// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "validation/spheroid_checks.h"

#include "support/quadrature.h"
#include "support/solved_flow.h"
#include "validation/validation.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <numbers>
#include <sstream>

namespace solva::validation {

using namespace spheroid;

std::vector<ShapeIntegralRow> readShapeIntegralTable(const std::string& path) {
    std::vector<ShapeIntegralRow> rows;
    for (const std::string& line : tableLines(path)) {
        std::istringstream fields(line);
        std::string lambda, alpha, beta;
        fields >> lambda >> alpha >> beta;
        rows.push_back({std::stod(lambda), std::stod(alpha), std::stod(beta)});
    }
    return rows;
}

long ulpDistance(double u, double v) {
    const auto ordered = [](double x) {
        std::int64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        return bits < 0 ? std::numeric_limits<std::int64_t>::min() - bits : bits;
    };
    return static_cast<long>(std::llabs(ordered(u) - ordered(v)));
}

double largestGridDifference(const RunParameters& p) {
    auto grid = std::make_unique<FlowState>();
    const FlowCoefficients c = test::solveFlow(p, *grid);
    const Flow flow(Spheroid::fromLambda(p.Lamda.value()), p.AlfaD.value(), p.BetaD.value());
    const double DT = c.PI.value() / p.NT.value();
    double worst = 0;
    for (long I = 1; I <= p.NXX.value(); ++I) {
        for (long J = 1; J <= c.NJ.value(); ++J) {
            const SurfacePoint s = flow.onSurface(grid->FI(I).toDouble(), DT * (J - 1));
            worst = std::max(worst, std::fabs(s.cu - grid->CU(I, J).toDouble()));
        }
    }
    return worst;
}

// n dA = (b² sin FI cos FI, a b sin² FI cos θ, a b sin² FI sin θ) dFI dθ.
Loads pressureLoads(const Flow& flow) {
    static const test::QuadratureRule rule = test::gaussLegendre(80);
    const double pi = std::numbers::pi;
    const double a = flow.body().a(), b = flow.body().b();
    const int columns = 64;
    Loads loads{};
    for (std::size_t i = 0; i < rule.x.size(); ++i) {
        const double fi = pi * static_cast<double>(1 + rule.x[i]) / 2;
        const double weight = static_cast<double>(rule.w[i]) * pi / 2 * 2 * pi / columns;
        const double sinFi = std::sin(fi);
        for (int j = 0; j < columns; ++j) {
            const double theta = 2 * pi * j / columns;
            const SurfacePoint s = flow.onSurface(fi, theta);
            const Vector3 ndA{b * b * sinFi * std::cos(fi), a * b * sinFi * sinFi * std::cos(theta),
                              a * b * sinFi * sinFi * std::sin(theta)};
            const Vector3 rxn = cross(s.position, ndA);
            for (int k = 0; k < 3; ++k) {
                loads.force[k] -= weight * s.cp / 2 * ndA[k];
                loads.moment[k] -= weight * s.cp / 2 * rxn[k];
            }
        }
    }
    return loads;
}

double largestNormalVelocity(const Flow& flow) {
    double worst = 0;
    for (int i = 0; i <= 40; ++i) {
        for (int j = 0; j < 12; ++j) {
            const SurfacePoint s =
                flow.onSurface(std::numbers::pi * i / 40, std::numbers::pi * j / 6);
            worst = std::max(worst, std::fabs(dot(flow.at(s.position).velocity, s.normal)));
        }
    }
    return worst / norm(flow.w());
}

} // namespace solva::validation
