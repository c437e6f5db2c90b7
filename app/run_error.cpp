// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/run_error.h"

#include <utility>

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
    constexpr std::pair<ErrorKind, std::string_view> Descriptions[] = {
        {ErrorKind::InvalidOperation, "Invalid operation"},
        {ErrorKind::Overflow, "Overflow"},
        {ErrorKind::SubscriptOutOfRange, "Subscript out of range"},
        {ErrorKind::DivisionByZero, "Division by zero"},
        {ErrorKind::SquareRootOfNegative, "Square root of a negative number"},
        {ErrorKind::LogarithmOfNonPositive, "Logarithm of a non-positive number"},
        {ErrorKind::FileAccess, "File access error"},
    };
    for (const auto& [known, words] : Descriptions) {
        if (known == kind) {
            return words;
        }
    }
    return "Unknown error";
}

} // namespace solva
