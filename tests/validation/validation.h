// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The figures of docs/validation.md: the program's own values, from the
// core's functions, and the independent values they are set against.

#include <string>
#include <vector>

namespace solva::validation {

// The lines of a table file that are neither empty nor comments (#).
std::vector<std::string> tableLines(const std::string& path);

// One line of Lamb's table of inertia coefficients (Hydrodynamics, §373):
// the ratio c/a of the axes and his axial k1, transverse k2 and rotational k'.
struct LambRow {
    double ratio, k1, k2, kPrime;
};
std::vector<LambRow> readLambTable(const std::string& path);

// The program's shape integral and inertia coefficients for thickness ratio lambda.
struct Coefficients {
    double A0, K1, K2;
};
Coefficients programCoefficients(double lambda);

// The thickness ratios of the page's table of the shape integral: slender
// bodies, and bodies ever closer to the sphere, where the closed form cancels.
std::vector<double> alpha0Table();

// The independent alpha0 is solva::test::alpha0ByQuadrature (support/shape_integrals.h).

// How far the program's A0 may stray from alpha0, relative: the logarithm's
// rounding, about 1E-16, over the difference the closed form cancels,
// L − 2E ≈ 2E³/3 near the sphere, and over 1 − E ≈ lambda²/2 for slender bodies.
double alpha0ErrorBound(double lambda);

// The largest difference between the program's Cu on the sphere (lambda = 1)
// and the exact 2.25 (1 − (U · n)²), U the stream's direction and n the unit
// normal, over every point and column of a run; where it lies.
struct SphereDeviation {
    double largest;
    long point, column;
};
SphereDeviation sphereDeviation(double NXX, double NT, double alphaDeg, double betaDeg);

// The two runs on the sphere the page shows: an axial stream, and the
// largest grid in an inclined one.
struct SphereRun {
    double NXX, NT, alphaDeg, betaDeg;
};
constexpr SphereRun sphereRuns[] = {{400, 1, 0, 0}, {400, 18, 10, 5}};

// The program's Cu in an axial stream at the body station x (length 1, nose
// at −0.5): its speed formula evaluated at the point whose X is x.
double programAxialCuAt(double lambda, double x);

// The stations x/L of the panel-method cross-check on the lambda = 0.2 body,
// with the exact Cu at zero incidence it quotes to six decimals.
struct PanelStation {
    double x, quotedCu;
};
constexpr PanelStation panelStations[] = {{-0.4, 1.047265}, {-0.2, 1.113256}, {0, 1.121738}};

} // namespace solva::validation
