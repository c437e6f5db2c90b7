// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/checked_real.h"

#include "app/run_error.h"
#include "app/run_step.h"

namespace solva {

// Sorts a non-finite result of finite operands into its kind, as the
// floating-point unit's exception flags would.
void failOperation(double a, double b, char op) {
    ErrorKind kind = ErrorKind::Overflow;
    if (op == '/' && b == 0) {
        kind = (a == 0) ? ErrorKind::InvalidOperation : ErrorKind::DivisionByZero;
    }
    throw RunError(kind, RunStep::describeCurrent());
}

void failSquareRoot() {
    throw RunError(ErrorKind::SquareRootOfNegative, RunStep::describeCurrent());
}

void failLogarithm() {
    throw RunError(ErrorKind::LogarithmOfNonPositive, RunStep::describeCurrent());
}

} // namespace solva
