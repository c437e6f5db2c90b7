// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the spheroid library (numeric/checks.h): each throws
// SpheroidError naming the input and its value, or returns the value.

#include <string_view>

#include "numeric/checks.h"
#include "numeric/scaled_number.h"
#include "spheroid/spheroid_error.h"

namespace solva::spheroid {

using Check = numeric::Checks<SpheroidError>;
using numeric::ScaledNumber;
using numeric::shortest;

// value as a double: exact, or rounded once when below the normal range.
// Throws ResultOutOfRange naming quantity, its size (to three digits) and the
// inputs it was computed from when its magnitude is beyond the largest double.
inline double checkedRepresentable(std::string_view quantity, const ScaledNumber& value,
                                   std::string_view inputs) {
    return numeric::checkedRepresentable<ResultOutOfRange>(quantity, value, inputs);
}

} // namespace solva::spheroid
