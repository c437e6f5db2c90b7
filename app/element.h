// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// One element of the window's result arrays. It starts out empty, which
// reads as zero in arithmetic and comparisons but prints as nothing, so an
// empty element is kept apart from a written 0.

#include "app/checked_real.h"

namespace solva {

class Element {
public:
    bool empty() const { return !written_; }
    // For further arithmetic: a checked real, zero when empty.
    Real real() const { return Real(v_); }
    // For printing, drawing and handing out: the plain double, zero when empty.
    double toDouble() const { return v_; }

    Element& operator=(Real v) {
        v_ = v.value();
        written_ = true;
        return *this;
    }
    void clear() { *this = Element(); }

private:
    double v_ = 0;
    bool written_ = false;
};

} // namespace solva
