// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/error_reporter.h"

class QWidget;

namespace solva {

// Reports a failed run in a modal message box over the given window.
class MessageBoxReporter : public ErrorReporter {
public:
    explicit MessageBoxReporter(QWidget* window) : window_(window) {}
    void report(const RunError& error) override;

private:
    QWidget* window_;
};

} // namespace solva
