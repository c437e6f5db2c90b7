// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "spheroid/detail/checks.h"

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

namespace {

// A number beyond the range of a double in decimal to three digits: 2.07E+620.
std::string decimal(const ScaledNumber& value) {
    const double log10 =
        std::log10(std::fabs(value.mantissa())) + value.exponent() * std::log10(2.0);
    long exponent = std::lround(std::floor(log10));
    double digits = std::round(std::pow(10.0, log10 - static_cast<double>(exponent)) * 100) / 100;
    if (digits >= 10) { // 9.996 rounded up
        digits /= 10;
        ++exponent;
    }
    return (value.mantissa() < 0 ? "-" : "") + shortest(digits) + "E+" + std::to_string(exponent);
}

} // namespace

double checkedRepresentable(std::string_view quantity, const ScaledNumber& value,
                            std::string_view inputs) {
    const double result = std::ldexp(value.mantissa(), value.exponent());
    if (!std::isfinite(result)) {
        throw ResultOutOfRange(std::string(quantity) + " is about " + decimal(value) +
                               ", beyond the largest double (1.8E+308), for " +
                               std::string(inputs));
    }
    return result;
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
