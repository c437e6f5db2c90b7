// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/flow.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include "spheroid/detail/checks.h"
#include "spheroid/detail/field_kernel.h"
#include "spheroid/spheroid_error.h"
#include "spheroid/stream_direction.h"

namespace solva::spheroid {

namespace {

// Below this many points per thread, starting threads costs more than it
// gains; threads take the points this many at a time.
constexpr std::size_t pointsPerThread = std::size_t{1} << 15;
constexpr std::size_t chunkSize = std::size_t{1} << 13;

// Evaluates points [first, last) block by block into out; returns the index
// of the first refused point, or last.
std::size_t evaluateRange(const FieldKernel& kernel, const double* xyz, std::size_t first,
                          std::size_t last, const FieldOutput& out) {
    BlockOutput block;
    std::size_t firstRefused = last;
    for (std::size_t start = first; start < last; start += blockSize) {
        const std::size_t n = std::min(blockSize, last - start);
        evaluateBlock(kernel, xyz + 3 * start, n, block);
        if (!out.potential.empty()) {
            std::copy_n(block.potential, n, out.potential.begin() + start);
        }
        if (!out.velocity.empty()) {
            std::copy_n(block.velocity, 3 * n, out.velocity.begin() + 3 * start);
        }
        if (!out.cu.empty()) {
            std::copy_n(block.cu, n, out.cu.begin() + start);
        }
        if (!out.cp.empty()) {
            std::transform(block.cu, block.cu + n, out.cp.begin() + start,
                           [](double cu) { return 1 - cu; });
        }
        if (firstRefused == last) {
            const auto refused = std::find(block.refused, block.refused + n, true);
            if (refused != block.refused + n) {
                firstRefused = start + static_cast<std::size_t>(refused - block.refused);
            }
        }
    }
    return firstRefused;
}

// Why the flow is not defined at p.
std::string refusal(const Spheroid& body, const Vector3& p) {
    const bool finite = std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
    return shortest(p) + " " +
           (!finite            ? "is not finite"
            : body.contains(p) ? "lies inside the body"
                               : "lies too far from the body");
}

} // namespace

Flow::Flow(const Spheroid& body, double alphaDeg, double betaDeg) : body_(body) {
    const double alfa = radians(Check::inRange("angle of attack", alphaDeg, -360, 360));
    const double beta = radians(Check::inRange("yaw angle", betaDeg, -360, 360));
    d_ = streamDirection(alfa, beta);
    const double k1 = body_.k1(), k2 = body_.k2();
    w_ = {(1 + k1) * d_[0], (1 + k2) * d_[1], (1 + k2) * d_[2]};
}

FieldPoint Flow::at(const Vector3& p) const {
    FieldPoint result;
    evaluate(p, {{&result.potential, 1}, result.velocity, {&result.cu, 1}, {&result.cp, 1}},
             InsidePoints::NaN, 1);
    if (std::isnan(result.cu)) {
        throw SpheroidError("the point " + refusal(body_, p));
    }
    return result;
}

void Flow::evaluate(std::span<const double> xyz, const FieldOutput& out, InsidePoints inside,
                    unsigned threads) const {
    const std::size_t n = Check::pointCount(xyz);
    Check::output("potential", out.potential, n);
    Check::output("velocity", out.velocity, 3 * n);
    Check::output("Cu", out.cu, n);
    Check::output("Cp", out.cp, n);

    const FieldKernel kernel = fieldKernel(body_, d_);
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    const std::size_t count =
        std::min<std::size_t>(threads, std::max<std::size_t>(1, n / pointsPerThread));
    // The threads take chunks in turn rather than one share each, so that one
    // the system holds back does not hold back the rest.
    std::atomic<std::size_t> nextChunk{0};
    std::vector<std::size_t> firstRefused(count, n);
    const auto work = [&](std::size_t t) {
        for (std::size_t first; (first = chunkSize * nextChunk++) < n;) {
            const std::size_t last = std::min(n, first + chunkSize);
            const std::size_t refused = evaluateRange(kernel, xyz.data(), first, last, out);
            firstRefused[t] = std::min(firstRefused[t], refused == last ? n : refused);
        }
    };
    {
        std::vector<std::jthread> workers;
        for (std::size_t t = 1; t < count; ++t) {
            workers.emplace_back(work, t);
        }
        work(0);
    }
    const std::size_t refused = *std::min_element(firstRefused.begin(), firstRefused.end());
    if (inside == InsidePoints::Error && refused < n) {
        const Vector3 p{xyz[3 * refused], xyz[3 * refused + 1], xyz[3 * refused + 2]};
        throw SpheroidError("point " + std::to_string(refused) + " " + refusal(body_, p));
    }
}

} // namespace solva::spheroid
