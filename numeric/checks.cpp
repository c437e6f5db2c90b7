// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "numeric/checks.h"

#include <charconv>

namespace solva::numeric {

std::string shortest(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

std::string shortest(const std::array<double, 3>& p) {
    return "(" + shortest(p[0]) + ", " + shortest(p[1]) + ", " + shortest(p[2]) + ")";
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

std::string beyondDoubleText(std::string_view quantity, const ScaledNumber& value,
                             std::string_view inputs) {
    return std::string(quantity) + " is about " + decimal(value) +
           ", beyond the largest double (1.8E+308), for " + std::string(inputs);
}

} // namespace solva::numeric
