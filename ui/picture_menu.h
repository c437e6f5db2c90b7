// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

class QMenu;

namespace solva {

class PictureArea;

// A new context menu for the area, a child of it: "Copy Picture" puts its pixels on
// the clipboard, "Save Picture As…" asks for a PNG or SVG file to save it
// to, and "Copy Values" puts its plot's points there as tab-separated text
// (only while it has points).
QMenu* createPictureMenu(PictureArea& area);

} // namespace solva
