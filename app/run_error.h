// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace solva {

// The kinds of failure that stop a run. The numbers are stable: they are shown
// to the user and may be quoted in bug reports.
enum class ErrorKind {
    InvalidOperation = 5,
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    SquareRootOfNegative = 21,
    LogarithmOfNonPositive = 22,
    FileAccess = 75,
};

// The one error type of a run: what went wrong and, in the user's words, where.
class RunError : public std::runtime_error {
public:
    RunError(ErrorKind kind, std::string where);

    ErrorKind kind() const { return kind_; }
    int number() const { return static_cast<int>(kind_); }
    std::string_view description() const { return describe(kind_); }
    const std::string& where() const { return where_; }

    static std::string_view describe(ErrorKind kind);

private:
    ErrorKind kind_;
    std::string where_;
};

} // namespace solva
