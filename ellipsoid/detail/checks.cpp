// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "ellipsoid/detail/checks.h"

#include <charconv>
#include <cmath>

#include "ellipsoid/ellipsoid_error.h"

namespace solva::ellipsoid::detail {

std::string text(double value) {
    char buffer[32];
    return {buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr};
}

std::string text(const spheroid::Vector3& p) {
    return "(" + text(p[0]) + ", " + text(p[1]) + ", " + text(p[2]) + ")";
}

double checkedInRange(std::string_view name, double value, double low, double high) {
    if (value >= low && value <= high) {
        return value;
    }
    throw EllipsoidError(std::string(name) + " must lie in [" + text(low) + ", " + text(high) +
                         "], not " + text(value));
}

double checkedPositive(std::string_view name, double value) {
    if (std::isfinite(value) && value > 0) {
        return value;
    }
    throw EllipsoidError(std::string(name) + " must be finite and positive, not " + text(value));
}

double checkedFinite(std::string_view name, double value) {
    if (std::isfinite(value)) {
        return value;
    }
    throw EllipsoidError(std::string(name) + " must be finite, not " + text(value));
}

const spheroid::Vector3& checkedFinite(std::string_view name, const spheroid::Vector3& v) {
    if (std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2])) {
        return v;
    }
    throw EllipsoidError(std::string(name) + " must be finite, not " + text(v));
}

std::size_t checkedPointCount(std::span<const double> xyz) {
    if (xyz.size() % 3 == 0) {
        return xyz.size() / 3;
    }
    throw EllipsoidError("the points hold " + std::to_string(xyz.size()) +
                         " coordinates, not a multiple of 3");
}

std::span<double> checkedOutput(std::string_view name, std::span<double> output, std::size_t size) {
    if (output.empty() || output.size() == size) {
        return output;
    }
    throw EllipsoidError("the " + std::string(name) + " output holds " +
                         std::to_string(output.size()) + " values, not " + std::to_string(size));
}

} // namespace solva::ellipsoid::detail
