// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "cli/standard_output.h"

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string>

namespace solva::cli {

namespace {

// errno is cleared before each step, so that a reason left from an earlier call is not given.
void check(const std::ostream& out) {
    if (!out) {
        const int error = errno;
        throw OutputLost(std::string("cannot write to standard output") +
                         (error != 0 ? std::string(": ") + std::strerror(error) : ""));
    }
}

} // namespace

void write(std::ostream& out, std::string_view text) {
    errno = 0;
    out << text;
    check(out);
}

void flush(std::ostream& out) {
    errno = 0;
    out.flush();
    check(out);
}

void emit(std::ostream& out, std::string_view text) {
    write(out, text);
    flush(out);
}

} // namespace solva::cli
