// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The flows about an ellipsoid as the module holds them: each with what it
// was made from, which __repr__ and pickling need.

#include "ellipsoid/flow.h"
#include "ellipsoid/motion.h"

#include <pybind11/pybind11.h>

#include <array>
#include <optional>
#include <string>

namespace solva::python {

// The stream past the body at rest, made from angles (degrees) or, when
// `direction` is set, from that vector (the angles are then 0).
struct EllipsoidStream {
    ellipsoid::Flow flow;
    double alpha, beta;
    std::optional<ellipsoid::Vector3> direction;
};

// The body moving through still fluid: u, v, w, p, q, r.
struct MovingEllipsoid {
    ellipsoid::Ellipsoid body;
    std::array<double, 6> speeds;
    ellipsoid::Motion motion;
};

// "Ellipsoid(a=…, b=…, c=…)", the body's repr.
std::string ellipsoidRepr(const ellipsoid::Ellipsoid& body);

EllipsoidStream makeEllipsoidStream(const ellipsoid::Ellipsoid& body, double alpha, double beta,
                                    std::optional<ellipsoid::Vector3> direction);
MovingEllipsoid makeMovingEllipsoid(const ellipsoid::Ellipsoid& body,
                                    const std::array<double, 6>& speeds);

// The classes EllipsoidFlow and EllipsoidMotion.
void bindEllipsoidFlows(pybind11::module_& m);

} // namespace solva::python
