// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/motion.h"

#include <cmath>
#include <limits>
#include <string>

#include "ellipsoid/detail/checks.h"
#include "ellipsoid/detail/modes.h"
#include "ellipsoid/detail/parallel.h"
#include "ellipsoid/ellipsoid_error.h"

namespace solva::ellipsoid {

namespace {

// The modes at p in the units of the axes: the scaled ones times L (translation
// potentials, rotation velocities) or L² (rotation potentials).
detail::Modes modesInUnits(const detail::ModeBody& body, double unit, const Vector3& p) {
    detail::Modes modes = detail::modesAt(body, {p[0] / unit, p[1] / unit, p[2] / unit}, true);
    for (int m = 0; m < 6; ++m) {
        const double scale = m < 3 ? 1 : unit;
        modes.potential[m] *= scale * unit;
        for (double& component : modes.velocity[m]) {
            component *= scale;
        }
    }
    return modes;
}

} // namespace

Motion::Motion(const Ellipsoid& body, const Vector3& velocity, const Vector3& angularVelocity)
    : body_(body) {
    detail::Check::finite("velocity", velocity);
    detail::Check::finite("angular velocity", angularVelocity);
    speeds_ = {velocity[0],        velocity[1],        velocity[2],
               angularVelocity[0], angularVelocity[1], angularVelocity[2]};
}

MotionPoint Motion::at(const Vector3& p) const {
    body_.coordinate(p); // throws, naming p, where the fluid is not
    MotionPoint result;
    evaluate(p, {&result.potential, 1}, result.velocity, InsidePoints::Error, 1);
    return result;
}

void Motion::evaluate(std::span<const double> xyz, std::span<double> potential,
                      std::span<double> velocity, InsidePoints inside, unsigned threads) const {
    const std::size_t n = detail::Check::pointCount(xyz);
    detail::Check::output("potential", potential, n);
    detail::Check::output("velocity", velocity, 3 * n);
    struct State {
        detail::ModeBody body;
        std::array<double, 6> speeds;
        double unit;
        std::span<const double> xyz;
        std::span<double> potential, velocity;
    };
    const State shared{detail::modeBody(body_), speeds_, body_.unit(), xyz, potential, velocity};
    const auto range = [](const State& state, std::size_t first, std::size_t last) {
        const auto& [body, speeds, unit, xyz, potential, velocity] = state;
        const double nan = std::numeric_limits<double>::quiet_NaN();
        std::size_t firstRefused = last;
        for (std::size_t i = first; i < last; ++i) {
            const Vector3 p{xyz[3 * i], xyz[3 * i + 1], xyz[3 * i + 2]};
            const bool refused =
                detail::refused(body.shape, {p[0] / unit, p[1] / unit, p[2] / unit});
            firstRefused = refused && firstRefused == last ? i : firstRefused;
            MotionPoint f{refused ? nan : 0,
                          {refused ? nan : 0, refused ? nan : 0, refused ? nan : 0}};
            if (!refused) {
                const detail::Modes modes = modesInUnits(body, unit, p);
                for (int m = 0; m < 6; ++m) {
                    f.potential += speeds[m] * modes.potential[m];
                    for (int c = 0; c < 3; ++c) {
                        f.velocity[c] += speeds[m] * modes.velocity[m][c];
                    }
                }
            }
            if (!potential.empty()) {
                potential[i] = f.potential;
            }
            if (!velocity.empty()) {
                std::copy(f.velocity.begin(), f.velocity.end(), velocity.begin() + 3 * i);
            }
        }
        return firstRefused;
    };
    const std::size_t refused = detail::inParallel(n, threads, shared, range);
    if (inside == InsidePoints::Error && refused < n) {
        detail::throwRefused(body_, xyz, refused);
    }
}

std::array<double, 6> modePotentials(const Ellipsoid& body, const Vector3& p) {
    body.coordinate(p); // throws, naming p, where the fluid is not
    return modesInUnits(detail::modeBody(body), body.unit(), p).potential;
}

std::array<double, 6> modeNormals(const Ellipsoid& body, const Vector3& p) {
    detail::Check::finite("body point", p);
    Vector3 n;
    double level = 0;
    for (int i = 0; i < 3; ++i) {
        const double ratio = p[i] / body.axes()[i];
        level += ratio * ratio;
        n[i] = ratio / body.axes()[i];
    }
    if (!(std::fabs(level - 1) <= 1E-9)) {
        throw EllipsoidError("the point " + detail::shortest(p) + " is not on the body");
    }
    const double length = spheroid::norm(n);
    n = {n[0] / length, n[1] / length, n[2] / length};
    const Vector3 moment = spheroid::cross(p, n);
    return {n[0], n[1], n[2], moment[0], moment[1], moment[2]};
}

} // namespace solva::ellipsoid
