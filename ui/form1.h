// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#pragma once

#include "app/run.h"
#include "ui/message_box_reporter.h"

#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace solva {

class PictureArea;

// The program's one window: five input boxes, a button that runs the
// computation, and the two picture areas the run draws in. Controls sit at
// fixed places; resizing the window moves none of them.
class Form1 : public QWidget, public PlotRoutine {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Where failed runs are reported; null restores the message box. The
    // reporter must outlive its use here.
    void setErrorReporter(ErrorReporter* reporter);

    void GRXYCU(std::string_view Title, Real N, const PointArray& X, const PointArray& Y,
                const PointArray& CU, int IQU) override;

private:
    void createControls();
    void setFocusOrder();
    void Command1_Click();

    QPushButton* Command1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* Text_Lamda = nullptr;
    QLineEdit* Text_NXX = nullptr;
    QLineEdit* Text_NT = nullptr;
    QLineEdit* Text_AlfaD = nullptr;
    QLineEdit* Text_BetaD = nullptr;
    PictureArea* Picture_pressure = nullptr;
    PictureArea* Picture_elipsoid = nullptr;

    // The results are kept from run to run; too large for the stack.
    std::unique_ptr<FlowState> state_;
    MessageBoxReporter messageBox_;
    ErrorReporter* reporter_;
};

} // namespace solva
