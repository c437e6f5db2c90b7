// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/run_error.h"

namespace solva {

namespace {

std::string message(ErrorKind kind, const std::string& where) {
    std::string text(RunError::describe(kind));
    if (!where.empty()) {
        text += " while ";
        text += where;
    }
    return text;
}

} // namespace

RunError::RunError(ErrorKind kind, std::string where)
    : std::runtime_error(message(kind, where)), kind_(kind), where_(std::move(where)) {}

std::string_view RunError::describe(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::InvalidOperation:
        return "Invalid operation";
    case ErrorKind::Overflow:
        return "Overflow";
    case ErrorKind::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorKind::DivisionByZero:
        return "Division by zero";
    case ErrorKind::SquareRootOfNegative:
        return "Square root of a negative number";
    case ErrorKind::LogarithmOfNonPositive:
        return "Logarithm of a non-positive number";
    case ErrorKind::FileAccess:
        return "File access error";
    }
    return "Unknown error";
}

} // namespace solva
