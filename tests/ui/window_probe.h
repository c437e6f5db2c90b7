// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

#include "output/plot_data_file.h"
#include "output/report_file.h"
#include "support/files.h"
#include "support/scratch_directory.h"
#include "ui/form1.h"
#include "ui/picture_area.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory>
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

// A newly started window, shown and working in a scratch directory of its
// own, with its two picture areas: the set-up of the tests on the pictures.
class ShownForm {
public:
    // Starts a window; true once it shows on the screen.
    bool start() {
        dir_ = std::make_unique<solva::test::ScratchWorkingDirectory>();
        form_ = std::make_unique<solva::Form1>();
        form_->show();
        return QTest::qWaitForWindowExposed(form_.get());
    }
    // Closes the window, then removes its directory.
    void stop() {
        form_.reset();
        dir_.reset();
    }

    solva::Form1& form() const { return *form_; }
    solva::PictureArea* profile() const { return pictureArea(*form_, "Picture_elipsoid"); }
    solva::PictureArea* speeds() const { return pictureArea(*form_, "Picture_pressure"); }

private:
    std::unique_ptr<solva::test::ScratchWorkingDirectory> dir_;
    std::unique_ptr<solva::Form1> form_;
};
