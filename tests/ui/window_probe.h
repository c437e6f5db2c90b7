// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "support/files.h"
#include "ui/form1.h"
#include "ui/picture_area.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>

// Reaching into a Form1 the way a user sees it: by its controls' names.
inline QLineEdit* textBox(const solva::Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}
inline QPushButton* command1(const solva::Form1& form) {
    return form.findChild<QPushButton*>(QStringLiteral("Command1"));
}
inline solva::PictureArea* pictureArea(const solva::Form1& form, const char* name) {
    return form.findChild<solva::PictureArea*>(QString::fromLatin1(name));
}

constexpr std::array<const char*, 5> TextBoxNames{"Text_Lamda", "Text_NXX", "Text_NT", "Text_AlfaD",
                                                  "Text_BetaD"};

inline void setTexts(const solva::Form1& form, const std::array<const char*, 5>& texts) {
    for (std::size_t i = 0; i < TextBoxNames.size(); ++i) {
        textBox(form, TextBoxNames[i])->setText(QString::fromUtf8(texts[i]));
    }
}

// What the area shows inside its border, in device pixels.
inline QImage contents(solva::PictureArea& area) {
    return area.grab(area.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The result files the last run left in the current directory.
inline std::string reportFile() {
    return solva::test::readFile(solva::ReportFileName);
}
inline std::ptrdiff_t plotDataLines() {
    return std::ranges::count(solva::test::readFile(solva::PlotDataFileName), '\n');
}
