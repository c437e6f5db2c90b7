// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/message_box_reporter.h"

#include "ui/error_message.h"

#include <QMessageBox>

namespace solva {

void MessageBoxReporter::report(const RunError& error) {
    QMessageBox box(QMessageBox::Critical, errorTitle(), errorMessage(error), QMessageBox::Ok,
                    window_);
    // The step's words may hold '<' or '&'; they are shown as written.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace solva
