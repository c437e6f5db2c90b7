// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace solva {

class PictureArea;

// Saves what the area shows to `path`: as an SVG drawing of its lines if the
// name ends in ".svg" (in any case), otherwise as a PNG image of exactly its
// pixels. The file is written under a temporary name beside it and renamed
// into place when complete, so a failure leaves any earlier file of that
// name as it was. Returns why saving failed, or an empty text.
QString savePicture(const PictureArea& area, const QString& path);

} // namespace solva
