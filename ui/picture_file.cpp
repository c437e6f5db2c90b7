// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/picture_file.h"

#include "ui/picture_area.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace solva {

namespace {

QString writeSvg(const PictureArea& area, QSaveFile& file) {
    const QSize size = area.contentsRect().size();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    // A pixel of the area is a CSS pixel, 1/96 inch.
    svg.setResolution(96);
    svg.setTitle(area.accessibleName());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return file.errorString();
    }
    area.paintPicture(painter);
    painter.end();
    return {};
}

QString writePng(const PictureArea& area, QSaveFile& file) {
    QImageWriter writer(&file, "png");
    if (!writer.write(area.picture())) {
        return writer.errorString();
    }
    return {};
}

} // namespace

QString savePicture(const PictureArea& area, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    QString error = svg ? writeSvg(area, file) : writePng(area, file);
    if (error.isEmpty() && file.error() != QFileDevice::NoError) {
        error = file.errorString();
    }
    if (!error.isEmpty()) {
        file.cancelWriting();
        return error;
    }
    return file.commit() ? QString() : file.errorString();
}

} // namespace solva
