// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/plot_reading.h"

#include "output/number_text.h"
#include "output/output_style.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace solva {

namespace {

QString text(const char* begin, const char* end) {
    return QString::fromUtf8(begin, end - begin);
}

QString decimals(double v, NumberPattern pattern, const std::string& separator) {
    std::array<char, MaxNumberText + 1> out{};
    return text(out.data(), writePattern(out.data(), v, pattern, separator));
}

QString generalForm(double v, const std::string& separator) {
    std::array<char, MaxNumberText + 1> out{};
    char* begin = out.data();
    char* end = begin;
    if (v < 0) {
        *end++ = '-';
    }
    return text(begin, writeGeneralForm(end, v, separator));
}

const PlotPoint* nearest(const PlotReading& plot, const CoordinateScale& scale, QSizeF area,
                         QPointF at) {
    const PlotPoint* best = nullptr;
    double bestDistance = std::numeric_limits<double>::infinity();
    for (const PlotPoint& p : plot.points) {
        const double dx = scale.fractionX(p.x) * area.width() - at.x();
        const double dy = scale.fractionY(p.y) * area.height() - at.y();
        const double distance = std::hypot(dx, dy);
        if (distance < bestDistance) {
            best = &p;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace

QString readingAt(const PlotReading& plot, const CoordinateScale& scale, QSizeF area, QPointF at) {
    if (!scale.usable() || area.isEmpty()) {
        return {};
    }
    const std::string separator = OutputStyle::fromLocale().decimalSeparator;
    const double x = scale.xAt(at.x() / area.width());
    const double y = scale.yAt(at.y() / area.height());
    QString reading = QStringLiteral("%1 = %2\n%3 = %4")
                          .arg(plot.xName, decimals(x, "0.000", separator), plot.yName,
                               decimals(y, "0.000", separator));
    if (!plot.namesNearestPoint) {
        return reading;
    }
    if (const PlotPoint* p = nearest(plot, scale, area, at)) {
        reading +=
            QStringLiteral("\npoint %1: %2 = %3, %4 = %5")
                .arg(QString::number(p->number), plot.xName, decimals(p->x, "0.0000", separator),
                     plot.yName, decimals(p->y, "0.0000", separator));
    }
    return reading;
}

QString valuesText(const PlotReading& plot) {
    const std::string separator = OutputStyle::fromLocale().decimalSeparator;
    QStringList lines{QStringLiteral("point\t%1\t%2").arg(plot.xName, plot.yName)};
    for (const PlotPoint& p : plot.points) {
        lines << QStringLiteral("%1\t%2\t%3")
                     .arg(QString::number(p.number), generalForm(p.x, separator),
                          generalForm(p.y, separator));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace solva
