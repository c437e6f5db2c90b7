// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// The input checks of the ellipsoid library (numeric/checks.h): each returns
// its value or throws EllipsoidError naming the input and the value it was
// given. A result beyond the range of a double is the spheroid library's
// ResultOutOfRange, the one kind callers of both tell apart.

#include <string_view>

#include "ellipsoid/ellipsoid_error.h"
#include "numeric/checks.h"
#include "numeric/scaled_number.h"
#include "spheroid/spheroid_error.h"

namespace solva::ellipsoid::detail {

using Check = numeric::Checks<EllipsoidError>;
using numeric::ScaledNumber;

// The shortest text that reads back as value, or "(x, y, z)" of a point.
using numeric::shortest;

// value as a double; throws spheroid::ResultOutOfRange naming quantity, its
// size and the inputs when its magnitude is beyond the largest double.
inline double checkedRepresentable(std::string_view quantity, const ScaledNumber& value,
                                   std::string_view inputs) {
    return numeric::checkedRepresentable<spheroid::ResultOutOfRange>(quantity, value, inputs);
}

} // namespace solva::ellipsoid::detail
