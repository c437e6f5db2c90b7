// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

// The window's arrays of results, kept from one run to the next: each run
// overwrites the elements it uses and leaves the rest as an earlier run left
// them. Every element starts out empty (see Element).

#include "app/element.h"

#include <algorithm>
#include <array>
#include <vector>

namespace solva {

// An array of elements with the fixed bounds 0 ... Last; an index outside
// them stops the run with a subscript-out-of-range error.
template <long Last> class Bounded {
public:
    Element& operator()(long i) { return cells_[checkedIndex(i)]; }
    const Element& operator()(long i) const { return cells_[checkedIndex(i)]; }
    // Every element empty again.
    void clear() { cells_.fill(Element()); }

private:
    static std::size_t checkedIndex(long i);
    std::array<Element, Last + 1> cells_{};
};

// Stops the run: index lies outside 0 ... last.
[[noreturn]] void failSubscript(long index, long last);

template <long Last> inline std::size_t Bounded<Last>::checkedIndex(long i) {
    if (i < 0 || i > Last) {
        failSubscript(i, Last);
    }
    return static_cast<std::size_t>(i);
}

constexpr long MaxPoint = 400; // meridian points of one run
constexpr long MaxColumn = 36; // circumferential columns of one run

// How many times a loop from 1 to `limit` goes round, at most `most`: the
// whole part of a limit of 1 or more, none below 1. A loop over the arrays
// passes `most` one beyond their last index to reach the subscript error.
constexpr long loopCount(double limit, long most) {
    return limit < 1 ? 0 : limit >= most ? most : static_cast<long>(limit);
}

using PointArray = Bounded<MaxPoint>;

// CU(0 ... 400, 0 ... 36), the first index varying fastest in storage.
class SpeedGrid {
public:
    SpeedGrid() : cells_((MaxPoint + 1) * (MaxColumn + 1)) {}
    Element& operator()(long i, long j) { return cells_[checkedIndex(i, j)]; }
    const Element& operator()(long i, long j) const { return cells_[checkedIndex(i, j)]; }

    // CU(i, 1 ... columns) = values[1 ... columns], the bounds checked once.
    void setRow(long i, const double* values, long columns) {
        Element* cell = &cells_[checkedIndex(i, columns)];
        for (long j = columns; j >= 1; --j, cell -= MaxPoint + 1) {
            *cell = Real(values[j]);
        }
    }
    // Every element empty again.
    void clear() { std::fill(cells_.begin(), cells_.end(), Element()); }

private:
    static std::size_t checkedIndex(long i, long j);
    std::vector<Element> cells_;
};

inline std::size_t SpeedGrid::checkedIndex(long i, long j) {
    if (i < 0 || i > MaxPoint) {
        failSubscript(i, MaxPoint);
    }
    if (j < 0 || j > MaxColumn) {
        failSubscript(j, MaxColumn);
    }
    return static_cast<std::size_t>(i + (MaxPoint + 1) * j);
}

// Element 0 of every array is never used.
struct FlowState {
    PointArray FI;  // eccentric angle of each meridian point, radians, in (0, pi)
    PointArray X;   // axial coordinate on a body of length 1, nose at -0.5, tail at 0.5
    PointArray Y;   // radius at that point, same unit
    SpeedGrid CU;   // squared surface speed ratio (speed / free-stream speed)^2 by point and column
    PointArray CU1; // the column of angle 0 of CU, handed to the plot

    // Every element empty again, as a newly started window's arrays are.
    void clear() {
        for (PointArray* points : {&FI, &X, &Y, &CU1}) {
            points->clear();
        }
        CU.clear();
    }
};

} // namespace solva
