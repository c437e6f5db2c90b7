// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/error_message.h"

namespace solva {

QString errorTitle() {
    return QStringLiteral("Run-time error");
}

QString errorMessage(const RunError& error) {
    const std::string_view description = error.description();
    QString text = QStringLiteral("Run-time error '%1':\n\n").arg(error.number()) +
                   QString::fromUtf8(description.data(), qsizetype(description.size()));
    if (!error.where().empty()) {
        text += QStringLiteral("\nwhile ") + QString::fromStdString(error.where());
    }
    return text;
}

} // namespace solva
