// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>

namespace solva {

// The window's layout is laid down in twips, at 15 to the pixel.
constexpr int TwipsPerPixel = 15;

int twipsToPixels(int twips);

// Each of the four values is rounded on its own, to the nearest pixel.
QRect twipsRect(int left, int top, int width, int height);

} // namespace solva
