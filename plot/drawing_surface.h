// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

namespace solva {

// One picture area with a user coordinate window. A point (x, y) lies at the
// fraction (x - x1) / (x2 - x1) of the width from the left edge and at
// (y - y1) / (y2 - y1) of the height from the top, so y1 > y2 makes y grow
// upward. Lines are cut off at the area's edge.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;
    virtual void SetScale(double x1, double y1, double x2, double y2) = 0;
    virtual void Clear() = 0;
    // One segment between two absolute points, in the area's own pen.
    virtual void DrawLine(float x1, float y1, float x2, float y2) = 0;
};

} // namespace solva
