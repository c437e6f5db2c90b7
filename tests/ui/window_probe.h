#pragma once

#include "ui/form1.h"
#include "ui/picture_area.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

#include <array>

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

inline QByteArray fileBytes(const char* name) {
    QFile file(QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
