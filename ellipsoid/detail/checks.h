// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the ellipsoid library: each returns its value or throws
// EllipsoidError naming the input and the value it was given.

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
// v, if each of its coordinates is finite.
const spheroid::Vector3& checkedFinite(std::string_view name, const spheroid::Vector3& v);

} // namespace solva::ellipsoid::detail
