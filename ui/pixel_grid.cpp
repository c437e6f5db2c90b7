// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/pixel_grid.h"

#include <QImage>

#include <algorithm>
#include <cmath>

namespace solva {

namespace {

// The middle of the device pixel that the coordinate falls in, counting a
// line on the far edge as in the last pixel so it still shows.
qreal pixelMiddle(qreal coordinate, qreal ratio, int pixels) {
    const qreal pixel = std::clamp(std::floor(coordinate * ratio), 0.0, qreal(pixels - 1));
    return (pixel + 0.5) / ratio;
}

} // namespace

QLineF alignToPixelGrid(const QLineF& line, const QImage& image) {
    const qreal ratio = image.devicePixelRatio();
    QLineF aligned = line;
    if (line.y1() == line.y2()) {
        const qreal y = pixelMiddle(line.y1(), ratio, image.height());
        aligned.setLine(aligned.x1(), y, aligned.x2(), y);
    }
    if (line.x1() == line.x2()) {
        const qreal x = pixelMiddle(line.x1(), ratio, image.width());
        aligned.setLine(x, aligned.y1(), x, aligned.y2());
    }
    return aligned;
}

} // namespace solva
