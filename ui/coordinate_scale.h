// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <optional>

namespace solva {

// A picture area's user coordinates: x1 lies on the left edge, x2 on the
// right, y1 on the top edge and y2 on the bottom; either pair may be reversed.
struct CoordinateScale {
    double x1 = 0, y1 = 0; // the left and top edges
    double x2 = 1, y2 = 1; // the right and bottom edges

    // A scale of zero width or height, or with a non-finite corner, shows
    // nothing: no point can be placed in it.
    bool usable() const;
    // Where x and y fall, as fractions of the width from the left edge and of
    // the height from the top.
    double fractionX(double x) const { return (x - x1) / (x2 - x1); }
    double fractionY(double y) const { return (y - y1) / (y2 - y1); }
    // The other way round: the x and y at those fractions.
    double xAt(double fraction) const { return x1 + fraction * (x2 - x1); }
    double yAt(double fraction) const { return y1 + fraction * (y2 - y1); }
};

// A line between two points given in user coordinates.
struct UserSegment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// The part of the segment that lies within the scale's corners, in its user
// coordinates, or nothing if no part does. End points may lie as far out as
// the float range allows; the result always lies within the corners.
std::optional<UserSegment> clipToScale(const UserSegment& s, const CoordinateScale& scale);

} // namespace solva
