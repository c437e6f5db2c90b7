// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// Run once per QT_SCALE_FACTOR: the captions are measured in the font as the
// window resolves it for its screen, at each pixel ratio.
#include "window_probe.h"

#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>

namespace {

// What a caption shows: trailing blanks take no visible room.
QString visible(QString caption) {
    while (caption.endsWith(QLatin1Char(' '))) {
        caption.chop(1);
    }
    return caption;
}

void verifyFits(const QWidget& control, const QString& caption, int room) {
    const int needed = QFontMetrics(control.font(), &control).horizontalAdvance(visible(caption));
    QVERIFY2(needed <= room, qPrintable(QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                                            .arg(control.objectName(), caption)
                                            .arg(needed)
                                            .arg(room)));
}

} // namespace

class CaptionFitTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        form_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form_));
    }

    void windowFontIsLiberationSansAtEightPoints() {
        const QFontInfo used(form_.font());
        QVERIFY2(used.family() == QStringLiteral("Liberation Sans"),
                 qPrintable(QStringLiteral("the window's font is %1, not Liberation Sans: is "
                                           "the Debian package fonts-liberation2 installed?")
                                .arg(used.family())));
        // 8 points at 96 pixels per inch.
        QCOMPARE(used.pixelSize(), 11);
    }

    void labelsFit() {
        const auto labels = form_.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 5);
        for (const QLabel* label : labels) {
            verifyFits(*label, label->text(), label->contentsRect().width() - 2 * label->margin());
        }
    }

    void buttonCaptionFits() {
        const QPushButton& button = *command1(form_);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.text = button.text();
        const QRect room =
            button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
        verifyFits(button, button.text(), room.width());
    }

    void frameCaptionFits() {
        const QGroupBox& frame = *form_.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QStyleOptionGroupBox option;
        option.initFrom(&frame);
        option.text = frame.title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                          QStyle::SC_GroupBoxLabel, &frame);
        // From where the style sets the title to the frame's right edge.
        verifyFits(frame, frame.title(), frame.width() - label.left());
    }

private:
    solva::Form1 form_;
};

QTEST_MAIN(CaptionFitTest)
#include "caption_fit_test.moc"
