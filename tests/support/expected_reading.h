// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// What the numeric reader must make of a box's text, predicted without its
// scanner: the grammar is written out as regular expressions and the number
// found is converted by the C library.

#include <string_view>

namespace solva::property {

struct Reading {
    enum Kind {
        Exact,    // exactly `value`
        Tiny,     // `value` or zero: a nonzero number below the smallest normal double
        Overflow, // too large for a double
        Finite,   // some finite value, or an overflow; not predicted closer
    } kind = Exact;
    double value = 0;
};

Reading expectedReading(std::string_view text);

} // namespace solva::property
