// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include <QPushButton>

namespace solva {

// A push button that Enter or Return clicks while it has the focus, as Space
// does, without being the window's default button: Enter in a text box does
// not reach it.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace solva
