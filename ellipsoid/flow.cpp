// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/flow.h"

#include <cmath>
#include <limits>
#include <string>

#include "ellipsoid/detail/checks.h"
#include "ellipsoid/detail/modes.h"
#include "ellipsoid/detail/parallel.h"
#include "ellipsoid/ellipsoid_error.h"
#include "spheroid/stream_direction.h"

namespace solva::ellipsoid {

namespace {

Vector3 unitDirection(const Vector3& direction) {
    const double length = spheroid::norm(detail::Check::finite("stream direction", direction));
    detail::Check::positive("length of the stream direction", length);
    return {direction[0] / length, direction[1] / length, direction[2] / length};
}

// The flow at scaled point p of a body of unit L; NaN where refused.
FieldPoint flowAt(const detail::ModeBody& body, double unit, const Vector3& d, const Vector3& p) {
    if (detail::refused(body.shape, p)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, {nan, nan, nan}, nan, nan};
    }
    const detail::Modes modes = detail::modesAt(body, p, false);
    FieldPoint result{spheroid::dot(d, p), d, 0, 0};
    for (int i = 0; i < 3; ++i) {
        result.potential -= d[i] * modes.potential[i];
        for (int m = 0; m < 3; ++m) {
            result.velocity[m] -= d[i] * modes.velocity[i][m];
        }
    }
    result.potential *= unit;
    result.cu = spheroid::dot(result.velocity, result.velocity);
    result.cp = 1 - result.cu;
    return result;
}

void store(const FieldPoint& f, std::size_t i, const FieldOutput& out) {
    if (!out.potential.empty()) {
        out.potential[i] = f.potential;
    }
    if (!out.velocity.empty()) {
        std::copy(f.velocity.begin(), f.velocity.end(), out.velocity.begin() + 3 * i);
    }
    if (!out.cu.empty()) {
        out.cu[i] = f.cu;
    }
    if (!out.cp.empty()) {
        out.cp[i] = f.cp;
    }
}

} // namespace

Flow::Flow(const Ellipsoid& body, double alphaDeg, double betaDeg)
    : Flow(body,
           spheroid::streamDirection(
               spheroid::radians(detail::Check::inRange("angle of attack", alphaDeg, -360, 360)),
               spheroid::radians(detail::Check::inRange("yaw angle", betaDeg, -360, 360)))) {}

Flow::Flow(const Ellipsoid& body, const Vector3& direction)
    : body_(body), d_(unitDirection(direction)) {
    for (int i = 0; i < 3; ++i) {
        w_[i] = (1 + body_.kTranslation()[i]) * d_[i];
    }
}

FieldPoint Flow::at(const Vector3& p) const {
    body_.coordinate(p); // throws, naming p, where the flow is not defined
    FieldPoint result;
    evaluate(p, {{&result.potential, 1}, result.velocity, {&result.cu, 1}, {&result.cp, 1}},
             InsidePoints::Error, 1);
    return result;
}

void Flow::evaluate(std::span<const double> xyz, const FieldOutput& out, InsidePoints inside,
                    unsigned threads) const {
    const std::size_t n = detail::Check::pointCount(xyz);
    detail::Check::output("potential", out.potential, n);
    detail::Check::output("velocity", out.velocity, 3 * n);
    detail::Check::output("Cu", out.cu, n);
    detail::Check::output("Cp", out.cp, n);
    struct State {
        detail::ModeBody body;
        Vector3 d;
        double unit;
        std::span<const double> xyz;
        FieldOutput out;
    };
    const State shared{detail::modeBody(body_), d_, body_.unit(), xyz, out};
    const std::size_t refused = detail::inParallel(
        n, threads, shared, [](const State& state, std::size_t first, std::size_t last) {
            const auto& [body, d, unit, xyz, out] = state;
            std::size_t firstRefused = last;
            for (std::size_t i = first; i < last; ++i) {
                const Vector3 p{xyz[3 * i] / unit, xyz[3 * i + 1] / unit, xyz[3 * i + 2] / unit};
                const FieldPoint f = flowAt(body, unit, d, p);
                firstRefused = std::isnan(f.cu) && firstRefused == last ? i : firstRefused;
                store(f, i, out);
            }
            return firstRefused;
        });
    if (inside == InsidePoints::Error && refused < n) {
        detail::throwRefused(body_, xyz, refused);
    }
}

} // namespace solva::ellipsoid
