// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the exact-flow libraries, each library throwing its
// own error type: Checks<Error>::positive("density", ρ) returns ρ or throws
// Error("density must be finite and positive, not -1"). The messages name
// the input and give its value as shortest() writes it.

#include <array>
#include <cmath>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "numeric/scaled_number.h"

namespace solva::numeric {

// The shortest text that reads back as value.
std::string shortest(double value);
// "(x, y, z)", each coordinate as shortest() writes it.
std::string shortest(const std::array<double, 3>& p);

// "QUANTITY is about 2.07E+620, beyond the largest double (1.8E+308), for
// INPUTS": value in decimal to three digits.
std::string beyondDoubleText(std::string_view quantity, const ScaledNumber& value,
                             std::string_view inputs);

// value as a double: exact, or rounded once when below the normal range.
// Throws OutOfRange(beyondDoubleText(...)) when its magnitude is beyond the
// largest double.
template <class OutOfRange>
double checkedRepresentable(std::string_view quantity, const ScaledNumber& value,
                            std::string_view inputs) {
    const double result = std::ldexp(value.mantissa(), value.exponent());
    if (!std::isfinite(result)) {
        throw OutOfRange(beyondDoubleText(quantity, value, inputs));
    }
    return result;
}

template <class Error> struct Checks {
    // value, if finite and in [low, high].
    static double inRange(std::string_view name, double value, double low, double high) {
        if (!(value >= low && value <= high)) {
            throw Error(std::string(name) + " must lie in [" + shortest(low) + ", " +
                        shortest(high) + "], not " + shortest(value));
        }
        return value;
    }

    // value, if finite and positive.
    static double positive(std::string_view name, double value) {
        if (!(std::isfinite(value) && value > 0)) {
            throw Error(std::string(name) + " must be finite and positive, not " + shortest(value));
        }
        return value;
    }

    // value, if finite.
    static double finite(std::string_view name, double value) {
        if (!std::isfinite(value)) {
            throw Error(std::string(name) + " must be finite, not " + shortest(value));
        }
        return value;
    }

    // v, if each of its coordinates is finite.
    static const std::array<double, 3>& finite(std::string_view name,
                                               const std::array<double, 3>& v) {
        if (!(std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]))) {
            throw Error(std::string(name) + " must be finite, not " + shortest(v));
        }
        return v;
    }

    // The number of points in xyz (contiguous triples), if its size is a
    // multiple of 3.
    static std::size_t pointCount(std::span<const double> xyz) {
        if (xyz.size() % 3 != 0) {
            throw Error("the points hold " + std::to_string(xyz.size()) +
                        " coordinates, not a multiple of 3");
        }
        return xyz.size() / 3;
    }

    // output, if empty (not wanted) or of exactly size values.
    static std::span<double> output(std::string_view name, std::span<double> output,
                                    std::size_t size) {
        if (!output.empty() && output.size() != size) {
            throw Error("the " + std::string(name) + " output holds " +
                        std::to_string(output.size()) + " values, not " + std::to_string(size));
        }
        return output;
    }
};

} // namespace solva::numeric
