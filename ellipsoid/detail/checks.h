// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the ellipsoid library: each returns its value or throws
// EllipsoidError naming the input and the value it was given.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "spheroid/vector3.h"

namespace solva::ellipsoid::detail {

// The shortest text that reads back as value.
std::string text(double value);
// "(x, y, z)" of p, each coordinate as text().
std::string text(const spheroid::Vector3& p);

// value, if finite and within [low, high].
double checkedInRange(std::string_view name, double value, double low, double high);
// value, if finite and positive.
double checkedPositive(std::string_view name, double value);
// value, if finite.
double checkedFinite(std::string_view name, double value);
// v, if each of its coordinates is finite.
const spheroid::Vector3& checkedFinite(std::string_view name, const spheroid::Vector3& v);

// The number of points in xyz (contiguous triples), if its size is a multiple of 3.
std::size_t checkedPointCount(std::span<const double> xyz);
// output, if empty (not wanted) or of exactly size values.
std::span<double> checkedOutput(std::string_view name, std::span<double> output, std::size_t size);

} // namespace solva::ellipsoid::detail
