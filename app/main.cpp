// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/version.h"
#include "ui/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(SOLVA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SOLVA_APP_ID));
    solva::Form1 form;
    form.show();
    return app.exec();
}
