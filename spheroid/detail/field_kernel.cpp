// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/detail/field_kernel.h"

#include <cmath>
#include <limits>

namespace solva::spheroid {

namespace {

// Per-point values the three passes hand on.
struct Scratch {
    double x[blockSize], y[blockSize], z[blockSize];
    double A[blockSize], sqrtA[blockSize], inverseA[blockSize], inverseB[blockSize];
    double ell[blockSize]; // first the argument of ℓ, then ℓ
};

// A point the flow is not defined at is replaced by one it is, (2a, 0, 0),
// so that every pass stays finite; its outputs become NaN at the end.
template <confocal::Kind kind>
[[gnu::always_inline]] inline void evaluate(const FieldKernel& k, const double* xyz, std::size_t n,
                                            BlockOutput& out) {
    Scratch w;
    const double inverseA = 1 / k.a, inverseLambda2 = 1 / k.shape.lambda2;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = xyz[3 * i] * inverseA, y = xyz[3 * i + 1] * inverseA,
                     z = xyz[3 * i + 2] * inverseA;
        const double x2 = x * x, rho2 = y * y + z * z;
        // NaN fails every comparison, so a non-finite point is refused too.
        const bool accepted = x2 + rho2 * inverseLambda2 >= 1 - confocal::surfaceTolerance &&
                              x2 + rho2 <= confocal::farthest * confocal::farthest;
        out.refused[i] = !accepted;
        w.x[i] = accepted ? x : 2;
        w.y[i] = accepted ? y : 0;
        w.z[i] = accepted ? z : 0;
        const double s =
            confocal::parameter(k.shape, w.x[i] * w.x[i], w.y[i] * w.y[i] + w.z[i] * w.z[i]);
        const confocal::Confocal c = confocal::confocalAt(k.shape, s);
        w.A[i] = c.A, w.sqrtA[i] = c.sqrtA, w.inverseA[i] = c.inverseA, w.inverseB[i] = c.inverseB;
        w.ell[i] = confocal::transcendentalArgument<kind>(k.shape, c);
    }
    for (std::size_t i = 0; i < n; ++i) {
        w.ell[i] = confocal::transcendental<kind>(w.ell[i]);
    }
    const auto [d1, d2, d3] = k.d;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (std::size_t i = 0; i < n; ++i) {
        const double x = w.x[i], y = w.y[i], z = w.z[i];
        const confocal::Confocal c{w.A[i], w.sqrtA[i], w.inverseA[i], w.inverseB[i]};
        const ShapeIntegrals I = confocal::integrals<kind>(k.shape, c, w.ell[i]);
        const double axial = 1 + k.factorA * I.alpha, transverse = 1 + k.factorB * I.beta;
        const double crossStream = d2 * y + d3 * z;
        const double inverseSqrtA = c.sqrtA * c.inverseA;
        const double dIa = -k.shape.lambda2 * c.inverseA * inverseSqrtA * c.inverseB;
        const double dIb = -k.shape.lambda2 * inverseSqrtA * c.inverseB * c.inverseB;
        const double D = k.factorA * d1 * x * dIa + k.factorB * crossStream * dIb;
        const double xA = x * c.inverseA, yB = y * c.inverseB, zB = z * c.inverseB;
        const double gradientScale = 2 * D / (xA * xA + yB * yB + zB * zB);
        const double u = d1 * axial + gradientScale * xA;
        const double v = d2 * transverse + gradientScale * yB;
        const double wz = d3 * transverse + gradientScale * zB;
        out.potential[i] = k.a * (d1 * x * axial + crossStream * transverse);
        out.velocity[3 * i] = u;
        out.velocity[3 * i + 1] = v;
        out.velocity[3 * i + 2] = wz;
        out.cu[i] = u * u + v * v + wz * wz;
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (out.refused[i]) {
            out.potential[i] = out.velocity[3 * i] = out.velocity[3 * i + 1] =
                out.velocity[3 * i + 2] = out.cu[i] = nan;
        }
    }
}

} // namespace

FieldKernel fieldKernel(const Spheroid& body, const Vector3& d) {
    // 2 − α₀ = 2 β₀ and 2 − β₀ = 1 + α₀ / 2 keep their digits for every shape.
    return {body.a(), confocal::shapeOf(body.lambda()), d, 1 / (2 * body.beta0()),
            1 / (1 + body.alpha0() / 2)};
}

// Compiled twice, for the architecture's baseline and for AVX2, the better
// chosen when the program starts: the same operations in the same order, so
// the same results, on twice the points at a time.
[[gnu::target_clones("avx2", "default")]] void
evaluateBlock(const FieldKernel& kernel, const double* xyz, std::size_t n, BlockOutput& out) {
    if (kernel.shape.focal2 < 0) {
        evaluate<confocal::Kind::Prolate>(kernel, xyz, n, out);
    } else {
        evaluate<confocal::Kind::Oblate>(kernel, xyz, n, out);
    }
}

} // namespace solva::spheroid
