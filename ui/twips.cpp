// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/twips.h"

#include <QtNumeric>

namespace solva {

int twipsToPixels(int twips) {
    return qRound(static_cast<double>(twips) / TwipsPerPixel);
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace solva
