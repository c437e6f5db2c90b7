// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "validation/validation.h"

#include "flow/coefficients.h"
#include "flow/meridian_points.h"
#include "flow/speed_grid.h"

#include <cfloat>
#include <cmath>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace solva::validation {

std::vector<LambRow> readLambTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::vector<LambRow> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        LambRow row{};
        std::istringstream(line) >> row.ratio >> row.k1 >> row.k2;
        rows.push_back(row);
    }
    return rows;
}

namespace {

FlowCoefficients coefficientsOf(const RunParameters& p) {
    FlowCoefficients c{};
    c.PI = computePI();
    c.NJ = computeNJ(p);
    computeFlowCoefficients(p, c);
    return c;
}

// Gauss–Legendre rule of n points on [−1, 1], found by Newton's method on the
// Legendre polynomial P_n.
struct Rule {
    std::vector<long double> x, w;
};

Rule gaussLegendre(int n) {
    const long double pi = 3.141592653589793238462643383279503L;
    Rule rule;
    for (int i = 1; i <= n; ++i) {
        long double x = std::cos(pi * (i - 0.25L) / (n + 0.5L));
        long double derivative = 0;
        for (int iteration = 0; iteration < 100; ++iteration) {
            long double p0 = 1, p1 = x;
            for (int k = 2; k <= n; ++k) {
                const long double p2 = ((2 * k - 1) * x * p1 - (k - 1) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            derivative = n * (x * p1 - p0) / (x * x - 1);
            const long double step = p1 / derivative;
            x -= step;
            if (std::fabs(step) < 1E-19L) {
                break;
            }
        }
        rule.x.push_back(x);
        rule.w.push_back(2 / ((1 - x * x) * derivative * derivative));
    }
    return rule;
}

long double applyRule(const Rule& rule, const std::function<long double(long double)>& f,
                      long double a, long double b) {
    const long double half = (b - a) / 2, middle = (a + b) / 2;
    long double sum = 0;
    for (std::size_t i = 0; i < rule.x.size(); ++i) {
        sum += rule.w[i] * f(middle + half * rule.x[i]);
    }
    return sum * half;
}

// Halves an interval until its two halves add up to the whole within the
// tolerance, an absolute one: a few units of long double's rounding of the
// whole integral, so that each piece stops once its change drowns in that.
long double adaptive(const Rule& rule, const std::function<long double(long double)>& f,
                     long double a, long double b, long double whole, long double tolerance) {
    const long double middle = (a + b) / 2;
    const long double left = applyRule(rule, f, a, middle);
    const long double right = applyRule(rule, f, middle, b);
    if (std::fabs(left + right - whole) <= tolerance) {
        return left + right;
    }
    return adaptive(rule, f, a, middle, left, tolerance) +
           adaptive(rule, f, middle, b, right, tolerance);
}

} // namespace

Coefficients programCoefficients(double lambda) {
    const FlowCoefficients c = coefficientsOf(RunParameters{lambda, 1, 1, 0, 0});
    return {c.A0.value(), c.K1.value(), c.K2.value()};
}

std::vector<double> alpha0Table() {
    return {0.01,  0.05,     0.1,      0.2,      0.5,       0.9,       0.99,
            0.999, 1 - 1E-4, 1 - 1E-6, 1 - 1E-8, 1 - 1E-10, 1 - 1E-12, 1};
}

long double alpha0ByQuadrature(double lambda) {
    // With u = (1 + t)^(−1/2) the integral over t in [0, ∞) becomes one over
    // u in [0, 1] with a smooth integrand: alpha0 = b² ∫0^1 2u² / (1 − e² u²) du,
    // e² = 1 − b², b = lambda.
    static const Rule rule = gaussLegendre(20);
    const long double b2 = static_cast<long double>(lambda) * lambda;
    const long double e2 = 1 - b2;
    const auto f = [&](long double u) { return b2 * 2 * u * u / (1 - e2 * u * u); };
    const long double whole = applyRule(rule, f, 0, 1);
    return adaptive(rule, f, 0, 1, whole, 4 * LDBL_EPSILON * whole);
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
    const FlowCoefficients c = coefficientsOf(p);
    auto s = std::make_unique<FlowState>();
    generateMeridianPoints(p.Lamda, p.NXX, c.PI, *s);
    fillSpeedGrid(p, c, *s);

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
    const FlowCoefficients c = coefficientsOf(p);
    auto s = std::make_unique<FlowState>();
    s->FI(1) = Real(std::acos(2 * x)); // X = 0.5 cos FI
    fillSpeedGrid(p, c, *s);
    return s->CU(1, 1).toDouble();
}

} // namespace solva::validation
