// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/checks.h"

#include <charconv>
#include <cmath>
#include <string>

#include "spheroid/spheroid_error.h"

namespace solva::spheroid {

std::string shortest(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

double checkedInRange(std::string_view name, double value, double low, double high) {
    if (!(value >= low && value <= high)) {
        throw SpheroidError(std::string(name) + " must lie in [" + shortest(low) + ", " +
                            shortest(high) + "], not " + shortest(value));
    }
    return value;
}

double checkedPositive(std::string_view name, double value) {
    if (!(std::isfinite(value) && value > 0)) {
        throw SpheroidError(std::string(name) + " must be finite and positive, not " +
                            shortest(value));
    }
    return value;
}

double checkedFinite(std::string_view name, double value) {
    if (!std::isfinite(value)) {
        throw SpheroidError(std::string(name) + " must be finite, not " + shortest(value));
    }
    return value;
}

} // namespace solva::spheroid
