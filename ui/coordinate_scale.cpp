// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/coordinate_scale.h"

#include <algorithm>
#include <cmath>

namespace solva {

namespace {

struct Bounds {
    double left, right, bottom, top;
};

enum Side : unsigned { Left = 1, Right = 2, Below = 4, Above = 8 };

unsigned sidesOutside(double x, double y, const Bounds& b) {
    unsigned code = 0;
    if (x < b.left) {
        code |= Left;
    } else if (x > b.right) {
        code |= Right;
    }
    if (y < b.bottom) {
        code |= Below;
    } else if (y > b.top) {
        code |= Above;
    }
    return code;
}

// Moves the outside end (px, py) onto one edge it lies beyond, along the line
// through (qx, qy). The new point is reckoned from (qx, qy), so an end point
// far out costs no precision as long as the other end is near the bounds.
void moveOntoEdge(double& px, double& py, double qx, double qy, unsigned code, const Bounds& b) {
    if (code & (Left | Right)) {
        const double edge = (code & Left) ? b.left : b.right;
        py = qy + (edge - qx) * ((py - qy) / (px - qx));
        px = edge;
    } else {
        const double edge = (code & Below) ? b.bottom : b.top;
        px = qx + (edge - qy) * ((px - qx) / (py - qy));
        py = edge;
    }
}

} // namespace

bool CoordinateScale::usable() const {
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2) &&
           x1 != x2 && y1 != y2;
}

std::optional<UserSegment> clipToScale(const UserSegment& s, const CoordinateScale& scale) {
    if (!scale.usable() || !std::isfinite(s.x1) || !std::isfinite(s.y1) || !std::isfinite(s.x2) ||
        !std::isfinite(s.y2)) {
        return std::nullopt;
    }
    const Bounds b{std::min(scale.x1, scale.x2), std::max(scale.x1, scale.x2),
                   std::min(scale.y1, scale.y2), std::max(scale.y1, scale.y2)};
    UserSegment c = s;
    // Cohen-Sutherland. A few moves settle any segment; the bound only guards
    // against rounding that keeps an end hopping between two edges.
    for (int move = 0; move < 8; ++move) {
        const unsigned code1 = sidesOutside(c.x1, c.y1, b);
        const unsigned code2 = sidesOutside(c.x2, c.y2, b);
        if ((code1 | code2) == 0) {
            break;
        }
        if ((code1 & code2) != 0) {
            return std::nullopt;
        }
        if (code1 != 0) {
            moveOntoEdge(c.x1, c.y1, c.x2, c.y2, code1, b);
        } else {
            moveOntoEdge(c.x2, c.y2, c.x1, c.y1, code2, b);
        }
    }
    if ((sidesOutside(c.x1, c.y1, b) & sidesOutside(c.x2, c.y2, b)) != 0) {
        return std::nullopt;
    }
    // Both ends far out lose precision in the subtraction; whatever is left
    // over is pulled onto the bounds so no painter ever sees a huge value.
    c.x1 = std::clamp(c.x1, b.left, b.right);
    c.x2 = std::clamp(c.x2, b.left, b.right);
    c.y1 = std::clamp(c.y1, b.bottom, b.top);
    c.y2 = std::clamp(c.y2, b.bottom, b.top);
    return c;
}

} // namespace solva
