// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "ui/form1.h"

#include "plot/grxycu.h"
#include "ui/command_button.h"
#include "ui/picture_area.h"

#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QtNumeric>

#include <limits>
#include <vector>

namespace solva {

namespace {

// The layout is laid down in twips, at 15 to the pixel; each of the four
// values is rounded on its own, to the nearest pixel.
QRect twipsRect(int left, int top, int width, int height) {
    const auto pixels = [](int twips) { return qRound(static_cast<double>(twips) / 15); };
    return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
}

template <class Control>
Control* place(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twipsRect(left, top, width, height));
    return control;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height) {
    auto* control = place<QLabel>(parent, name, left, top, width, height);
    control->setText(text);
    return control;
}

QLineEdit* textBox(QWidget* parent, const char* name, const char* text, int left, int top,
                   int width, int height) {
    auto* control = place<QLineEdit>(parent, name, left, top, width, height);
    // Any text is taken as typed; the run decides what it reads from it.
    control->setMaxLength(std::numeric_limits<int>::max());
    control->setText(QString::fromLatin1(text));
    return control;
}

// Points 1 ... N of the two arrays, as the plot draws them.
std::vector<PlotPoint> plotPoints(Real N, const PointArray& x, const PointArray& y) {
    std::vector<PlotPoint> points;
    for (long I = 1; I <= N; ++I) {
        points.push_back({I, x(I).toDouble(), y(I).toDouble()});
    }
    return points;
}

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256}) {
        icon.addFile(QStringLiteral(":/icons/ellipsoid-flow-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent), state_(std::make_unique<FlowState>()), messageBox_(this),
      reporter_(&messageBox_) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(programIcon());
    resize(470, 480);
    // The controls are sized for an 8-point sans-serif; Liberation Sans has
    // Arial's widths, narrow enough for every caption to fit.
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    createControls();
    setFocusOrder();
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

Form1::~Form1() = default;

void Form1::setErrorReporter(ErrorReporter* reporter) {
    reporter_ = reporter != nullptr ? reporter : &messageBox_;
}

void Form1::createControls() {
    Command1 = place<CommandButton>(this, "Command1", 240, 360, 1575, 495);
    Command1->setText(QStringLiteral("Command1"));
    Command1->setAutoDefault(false);
    Command1->setDefault(false);

    Frame1 = place<QGroupBox>(this, "Frame1", 240, 1200, 1575, 2775);
    Frame1->setTitle(QStringLiteral("Input"));

    Label1 = label(Frame1, "Label1", QStringLiteral("λ ="), 120, 360, 375, 255);
    Label1->setAccessibleName(QStringLiteral("lambda ="));
    Text_Lamda = textBox(Frame1, "Text_Lamda", "0.2", 720, 360, 615, 285);
    Label2 = label(Frame1, "Label2", QStringLiteral("NXX = "), 120, 840, 495, 255);
    Text_NXX = textBox(Frame1, "Text_NXX", "18", 720, 840, 615, 285);
    Label3 = label(Frame1, "Label3", QStringLiteral("NT ="), 120, 1320, 495, 255);
    Label4 = label(Frame1, "Label4", QStringLiteral("α ="), 120, 1800, 375, 255);
    Label4->setAccessibleName(QStringLiteral("alpha ="));
    Label5 = label(Frame1, "Label5", QStringLiteral("β ="), 120, 2280, 375, 255);
    Label5->setAccessibleName(QStringLiteral("beta ="));
    Text_NT = textBox(Frame1, "Text_NT", "1", 720, 1320, 615, 285);
    Text_AlfaD = textBox(Frame1, "Text_AlfaD", "0", 720, 1800, 615, 285);
    Text_BetaD = textBox(Frame1, "Text_BetaD", "0", 720, 2280, 615, 285);

    // Screen readers name each box by its label.
    Label1->setBuddy(Text_Lamda);
    Label2->setBuddy(Text_NXX);
    Label3->setBuddy(Text_NT);
    Label4->setBuddy(Text_AlfaD);
    Label5->setBuddy(Text_BetaD);

    Picture_pressure = place<PictureArea>(this, "Picture_pressure", 2040, 2520, 4000, 2775);
    Picture_elipsoid = place<PictureArea>(this, "Picture_elipsoid", 2040, 360, 4000, 2000);
    Picture_pressure->setAccessibleName(QStringLiteral("surface speed ratio along the meridian"));
    Picture_elipsoid->setAccessibleName(QStringLiteral("body outline"));
    Picture_elipsoid->setReading(
        {QStringLiteral("x"), QStringLiteral("Y"), false, QStringLiteral("body-outline"), {}});
    Picture_pressure->setReading(
        {QStringLiteral("x"), QStringLiteral("Cu"), true, QStringLiteral("surface-speed"), {}});
}

void Form1::setFocusOrder() {
    QWidget::setTabOrder(Command1, Text_Lamda);
    QWidget::setTabOrder(Text_Lamda, Text_NXX);
    QWidget::setTabOrder(Text_NXX, Text_NT);
    QWidget::setTabOrder(Text_NT, Text_AlfaD);
    QWidget::setTabOrder(Text_AlfaD, Text_BetaD);
    QWidget::setTabOrder(Text_BetaD, Picture_pressure);
    QWidget::setTabOrder(Picture_pressure, Picture_elipsoid);
    Command1->setFocus();
}

void Form1::GRXYCU(std::string_view, Real N, const PointArray& X, const PointArray& Y,
                   const PointArray& CU, int) {
    solva::GRXYCU(*Picture_elipsoid, *Picture_pressure, N, X, Y, CU);
    // Only a plot drawn whole can be read off.
    Picture_elipsoid->setPoints(plotPoints(N, X, Y));
    Picture_pressure->setPoints(plotPoints(N, X, CU));
}

void Form1::Command1_Click() {
    InputTexts texts;
    texts.Lamda = Text_Lamda->text().toStdString();
    texts.NXX = Text_NXX->text().toStdString();
    texts.NT = Text_NT->text().toStdString();
    texts.AlfaD = Text_AlfaD->text().toStdString();
    texts.BetaD = Text_BetaD->text().toStdString();
    try {
        run(texts, WorkingDirectory, *state_, *this);
    } catch (const RunError& error) {
        // The run stopped where it failed: the files keep what was written
        // and the areas still show the last run that got to its drawing.
        reporter_->report(error);
    }
}

} // namespace solva
