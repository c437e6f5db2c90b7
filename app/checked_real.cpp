#include "app/checked_real.h"

#include "app/run_error.h"

#include <string>

namespace solva {

namespace {
thread_local Step* innermost = nullptr;
}

Step::Step(std::string_view what) : what_(what), outer_(innermost) {
    innermost = this;
}

Step::~Step() {
    innermost = outer_;
}

std::string currentStep() {
    if (innermost == nullptr) {
        return {};
    }
    std::string words;
    words += innermost->what_;
    const long point = innermost->point_;
    const long column = innermost->column_;
    if (point != 0 && column != 0) {
        words += " (point " + std::to_string(point) + ", column " + std::to_string(column) + ")";
    } else if (point != 0) {
        words += " (point " + std::to_string(point) + ")";
    } else if (column != 0) {
        words += " (column " + std::to_string(column) + ")";
    }
    return words;
}

// Sorts a non-finite result of finite operands into its kind, as the
// floating-point unit's exception flags would.
void failOperation(double a, double b, char op) {
    ErrorKind kind = ErrorKind::Overflow;
    if (op == '/' && b == 0) {
        kind = (a == 0) ? ErrorKind::InvalidOperation : ErrorKind::DivisionByZero;
    }
    throw RunError(kind, currentStep());
}

void failSquareRoot() {
    throw RunError(ErrorKind::SquareRootOfNegative, currentStep());
}

void failLogarithm() {
    throw RunError(ErrorKind::LogarithmOfNonPositive, currentStep());
}

} // namespace solva
