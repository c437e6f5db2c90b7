// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "numeric/scaled_number.h"

#include <cmath>

namespace solva::numeric {

ScaledNumber::ScaledNumber(double value) {
    mantissa_ = std::frexp(value, &exponent_);
}

ScaledNumber ScaledNumber::normalised(double mantissa, int exponent) {
    int shift = 0;
    const double m = std::frexp(mantissa, &shift);
    return {m, m == 0 ? 0 : exponent + shift, Normalised{}};
}

ScaledNumber operator*(const ScaledNumber& x, const ScaledNumber& y) {
    return ScaledNumber::normalised(x.mantissa_ * y.mantissa_, x.exponent_ + y.exponent_);
}

ScaledNumber operator/(const ScaledNumber& x, const ScaledNumber& y) {
    return ScaledNumber::normalised(x.mantissa_ / y.mantissa_, x.exponent_ - y.exponent_);
}

ScaledNumber operator+(const ScaledNumber& x, const ScaledNumber& y) {
    // A zero term leaves the other as it is (0 + y = y), and 0 + −0 = 0 as for doubles.
    if (x.mantissa_ == 0 || y.mantissa_ == 0) {
        return x.mantissa_ == 0 && y.mantissa_ == 0 ? ScaledNumber(x.mantissa_ + y.mantissa_)
               : x.mantissa_ == 0                   ? y
                                                    : x;
    }
    if (x.exponent_ < y.exponent_) {
        return y + x;
    }
    // y brought to x's exponent: bits it loses there lie far below x's last bit.
    return ScaledNumber::normalised(
        x.mantissa_ + std::ldexp(y.mantissa_, y.exponent_ - x.exponent_), x.exponent_);
}

} // namespace solva::numeric
