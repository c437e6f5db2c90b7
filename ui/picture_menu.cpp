// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/picture_menu.h"

#include "ui/picture_area.h"
#include "ui/picture_file.h"
#include "ui/plot_reading.h"

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>

namespace solva {

namespace {

const QString PngFilter = QStringLiteral("PNG image (*.png)");
const QString SvgFilter = QStringLiteral("SVG drawing (*.svg)");

void askAndSave(PictureArea& area) {
    const QString title = QStringLiteral("Save Picture As");
    QString filter = PngFilter;
    QString path = QFileDialog::getSaveFileName(
        &area, title, QDir::current().filePath(area.reading().fileStem + QStringLiteral(".png")),
        PngFilter + QStringLiteral(";;") + SvgFilter, &filter);
    if (path.isEmpty()) {
        return;
    }
    // A name typed without a known suffix takes that of the chosen type.
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        path += filter == SvgFilter ? QStringLiteral(".svg") : QStringLiteral(".png");
    }
    const QString error = savePicture(area, path);
    if (!error.isEmpty()) {
        QMessageBox::warning(&area, title,
                             QStringLiteral("The picture could not be saved to %1: %2")
                                 .arg(QDir::toNativeSeparators(path), error));
    }
}

} // namespace

QMenu* createPictureMenu(PictureArea& area) {
    auto* menu = new QMenu(&area);
    QObject::connect(menu->addAction(QStringLiteral("Copy Picture")), &QAction::triggered, &area,
                     [&area] { QGuiApplication::clipboard()->setImage(area.picture()); });
    QObject::connect(menu->addAction(QStringLiteral("Save Picture As…")), &QAction::triggered,
                     &area, [&area] { askAndSave(area); });
    QAction* copyValues = menu->addAction(QStringLiteral("Copy Values"));
    QObject::connect(copyValues, &QAction::triggered, &area, [&area] {
        QGuiApplication::clipboard()->setText(valuesText(area.reading()));
    });
    QObject::connect(menu, &QMenu::aboutToShow, &area, [&area, copyValues] {
        copyValues->setEnabled(!area.reading().points.empty());
    });
    return menu;
}

} // namespace solva
