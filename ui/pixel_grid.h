// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <QLineF>

class QImage;

namespace solva {

// The line as drawn on the image, in its device-independent coordinates. A
// horizontal or vertical line moves to the middle of the device pixel row or
// column it falls in, so a pen one device pixel wide covers exactly that row
// or column instead of greying two; any other line is left where it is.
QLineF alignToPixelGrid(const QLineF& line, const QImage& image);

} // namespace solva
