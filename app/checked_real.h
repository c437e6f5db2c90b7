// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// A double-precision real whose every operation is checked: a result that
// would be infinite or not a number stops the run with the kind of failure
// that produced it, so no non-finite value is ever stored or written.
//
// The operations are the plain IEEE ones, one rounding each, in the order
// the expression writes them; only the checks are added.

#include <cmath>
#include <compare>

namespace solva {

// Stop the run with the kind of failure a non-finite result, a negative
// root or a non-positive logarithm stands for, naming the step under way.
[[noreturn]] void failOperation(double a, double b, char op);
[[noreturn]] void failSquareRoot();
[[noreturn]] void failLogarithm();

class Real {
public:
    constexpr Real(double v = 0) : v_(v) {}
    constexpr double value() const { return v_; }

    friend Real operator+(Real a, Real b) { return checked(a.v_ + b.v_, a.v_, b.v_, '+'); }
    friend Real operator-(Real a, Real b) { return checked(a.v_ - b.v_, a.v_, b.v_, '-'); }
    friend Real operator*(Real a, Real b) { return checked(a.v_ * b.v_, a.v_, b.v_, '*'); }
    friend Real operator/(Real a, Real b) {
        if (b.v_ == 0) {
            failOperation(a.v_, b.v_, '/');
        }
        return checked(a.v_ / b.v_, a.v_, b.v_, '/');
    }
    friend Real operator-(Real a) { return Real(-a.v_); }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr std::partial_ordering operator<=>(Real a, Real b) { return a.v_ <=> b.v_; }

private:
    static Real checked(double r, double a, double b, char op) {
        if (!std::isfinite(r)) {
            failOperation(a, b, op);
        }
        return Real(r);
    }
    double v_;
};

inline Real abs(Real x) {
    return Real(std::fabs(x.value()));
}

inline Real sqrt(Real x) {
    if (x.value() < 0) {
        failSquareRoot();
    }
    return Real(std::sqrt(x.value()));
}

inline Real log(Real x) {
    if (!(x.value() > 0)) {
        failLogarithm();
    }
    return Real(std::log(x.value()));
}

// x raised to a whole power by std::pow: one rounding, where E * E * E would
// round twice; the printed digits of A0 follow this form.
inline Real pow(Real x, int n) {
    const double r = std::pow(x.value(), n);
    if (!std::isfinite(r)) {
        failOperation(x.value(), n, '^');
    }
    return Real(r);
}

// Sine, cosine and arctangent of a finite value are always finite.
inline Real sin(Real x) {
    return Real(std::sin(x.value()));
}
inline Real cos(Real x) {
    return Real(std::cos(x.value()));
}
inline Real atan(Real x) {
    return Real(std::atan(x.value()));
}

} // namespace solva
