// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// A real number kept as a double mantissa in [½, 1) (or 0) and a binary
// exponent of its own, for dimensional results whose factors lie far apart
// (a density of 1E-300 times the square of a lever arm of 1E160): products,
// quotients and sums never overflow nor lose bits to underflow, and a result
// is checked against the range of a double only once it is complete
// (checkedRepresentable, numeric/checks.h).
//
// Scaling by a power of two is exact, so each operation rounds exactly as
// the same operation on plain doubles does whenever those stay in the normal
// range: formulas written with ScaledNumber give the plain results to the
// last bit there. Terms of a sum more than 2¹⁰²² below the larger one, which
// could not change it, may be dropped.

namespace solva::numeric {

class ScaledNumber {
public:
    ScaledNumber() = default; // 0
    // value, which must be finite.
    ScaledNumber(double value); // NOLINT(google-explicit-constructor): a number, as a double is

    double mantissa() const { return mantissa_; }
    int exponent() const { return exponent_; }

    friend ScaledNumber operator*(const ScaledNumber& x, const ScaledNumber& y);
    friend ScaledNumber operator/(const ScaledNumber& x, const ScaledNumber& y);
    friend ScaledNumber operator+(const ScaledNumber& x, const ScaledNumber& y);
    ScaledNumber operator-() const { return {-mantissa_, exponent_, Normalised{}}; }

private:
    struct Normalised {};
    ScaledNumber(double mantissa, int exponent, Normalised)
        : mantissa_(mantissa), exponent_(exponent) {}
    // mantissa · 2^exponent with the mantissa brought back into [½, 1).
    static ScaledNumber normalised(double mantissa, int exponent);

    double mantissa_ = 0;
    int exponent_ = 0;
};

} // namespace solva::numeric
