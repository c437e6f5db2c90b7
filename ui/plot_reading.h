// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/coordinate_scale.h"

#include <QPointF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace solva {

// One computed point of a plot: its number and where it lies, in the plot's
// own units.
struct PlotPoint {
    long number = 0;
    double x = 0;
    double y = 0;
};

// What a plot on a picture area means, for reading it off: the names of its
// two coordinates and the computed points it was drawn through.
struct PlotReading {
    QString xName;
    QString yName;
    // Whether a reading at the pointer also names the nearest computed point.
    bool namesNearestPoint = false;
    // The name offered for a saved picture, without its suffix.
    QString fileStem;
    std::vector<PlotPoint> points;
};

// What lies under the point `at` (device-independent pixels from the top
// left of an area of size `area` drawn in `scale`): its two coordinates to
// three decimals, about the width of a pixel in the window's plots, and, if
// the plot asks, the computed point nearest to it on the screen, with its
// number and coordinates to four decimals, as the report prints them.
// Numbers take the result files' decimal separator. Empty if the scale
// places no point.
QString readingAt(const PlotReading& plot, const CoordinateScale& scale, QSizeF area, QPointF at);

// The points as tab-separated text: a heading line, then per point its
// number and its two coordinates, to 15 digits as the plot data file has them.
QString valuesText(const PlotReading& plot);

} // namespace solva
