// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The checks of the spheroid library that docs/validation.md tabulates and
// tests/spheroid asserts: the same functions for both.

#include "flow/run_parameters.h"
#include "spheroid/flow.h"

#include <string>
#include <vector>

namespace solva::validation {

// One row of the 30-digit mpmath table of α₀ and β₀
// (tests/spheroid/shape_integrals.tsv, scripts/shape-integrals-reference.py),
// each rounded to the nearest double.
struct ShapeIntegralRow {
    double lambda, alpha0, beta0;
};
std::vector<ShapeIntegralRow> readShapeIntegralTable(const std::string& path);

// Doubles apart, counting every representable value in between.
long ulpDistance(double u, double v);

// The largest difference between the library's surface Cu and the window's
// speed grid over every point and column of the run p.
double largestGridDifference(const RunParameters& p);

// Force −∫ p n dA and moment −∫ r × p n dA about the centre of the surface
// pressure p = ½ Cp (ρ = U = 1), by Gauss–Legendre in FI and the trapezium
// rule (exact for the periodic θ) round the body.
struct Loads {
    spheroid::Vector3 force, moment;
};
Loads pressureLoads(const spheroid::Flow& flow);

// The largest normal velocity, over |W|, of the field at the body's surface,
// on a grid of 41 eccentric by 12 circumferential angles.
double largestNormalVelocity(const spheroid::Flow& flow);

} // namespace solva::validation
