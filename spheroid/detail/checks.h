// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the spheroid library: each throws SpheroidError naming
// the input and its value, or returns the value.

#include <string>
#include <string_view>

#include "spheroid/detail/scaled_number.h"

namespace solva::spheroid {

// value, if finite and in [low, high].
double checkedInRange(std::string_view name, double value, double low, double high);

// value, if finite and positive.
double checkedPositive(std::string_view name, double value);

// value, if finite.
double checkedFinite(std::string_view name, double value);

// value as a double: exact, or rounded once when below the normal range.
// Throws ResultOutOfRange naming quantity, its size (to three digits) and the
// inputs it was computed from when its magnitude is beyond the largest double.
double checkedRepresentable(std::string_view quantity, const ScaledNumber& value,
                            std::string_view inputs);

// The shortest text that reads back as value.
std::string shortest(double value);

} // namespace solva::spheroid
