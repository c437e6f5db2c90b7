// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The flow at a block of points (docs/mathematics.md, "The flow anywhere"),
// in the frame scaled to a = 1:
//   Φ = d₁ x (1 + I_a / (2 − α₀)) + (d₂ y + d₃ z)(1 + I_b / (2 − β₀)),
//   v = (d₁ (1 + I_a / (2 − α₀)), d₂ (1 + I_b / (2 − β₀)), d₃ (1 + I_b / (2 − β₀))) + D ∇s,
//   D = d₁ x I_a′ / (2 − α₀) + (d₂ y + d₃ z) I_b′ / (2 − β₀),
//   I_a′ = −λ² / (A^(3/2) B),  I_b′ = −λ² / (A^(1/2) B²),
//   ∇s = 2 (x / A, y / B, z / B) / (x² / A² + (y² + z²) / B²).
// The loops hold no branch the compiler cannot vectorise; the logarithm or
// arc tangent has a loop of its own.

#include <cstddef>

#include "spheroid/detail/confocal.h"
#include "spheroid/spheroid.h"
#include "spheroid/vector3.h"

namespace solva::spheroid {

inline constexpr std::size_t blockSize = 256;

struct FieldKernel {
    double a;                // semi-axis along the axis, the unit of the scaled frame
    confocal::Shape shape;   // of the scaled body, a = 1
    Vector3 d;               // stream direction
    double factorA, factorB; // 1 / (2 − α₀), 1 / (2 − β₀)
};

FieldKernel fieldKernel(const Spheroid& body, const Vector3& d);

// Outputs of one block, each blockSize long; velocity interleaved u, v, w.
struct BlockOutput {
    double potential[blockSize];
    double velocity[3 * blockSize];
    double cu[blockSize];
    bool refused[blockSize]; // inside the body, not finite or too far; outputs NaN
};

// The flow at the n ≤ blockSize points of xyz (contiguous triples).
void evaluateBlock(const FieldKernel& kernel, const double* xyz, std::size_t n, BlockOutput& out);

} // namespace solva::spheroid
