// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// Run once per QT_SCALE_FACTOR: the areas must draw at the screen's pixel
// ratio, not at 1 and scaled up.
#include "window_probe.h"

#include <QScreen>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <utility>
#include <vector>

using solva::Form1;
using solva::PictureArea;

namespace {

// Dark enough for a 1-pixel black line, even antialiased across two pixels.
constexpr int Dark = 160;
constexpr int White = 255;

// The darkest pixel within 2 device pixels of the point given as fractions
// of the image's width and height.
int darkestNear(const QImage& image, double fx, double fy) {
    const int cx = int(fx * image.width());
    const int cy = int(fy * image.height());
    int darkest = 255;
    for (int y = cy - 2; y <= cy + 2; ++y) {
        for (int x = cx - 2; x <= cx + 2; ++x) {
            if (image.rect().contains(x, y)) {
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
        }
    }
    return darkest;
}

bool allWhite(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) != White) {
                return false;
            }
        }
    }
    return true;
}

// The axes of both areas after a default run, away from the body and curve:
// the horizontal axis beyond the nose and tail, the vertical one above and
// below the body.
void verifyAxesShow(PictureArea& profile, PictureArea& speeds) {
    const QImage p = contents(profile);
    QVERIFY(!p.isNull());
    QCOMPARE(p.devicePixelRatio(), profile.devicePixelRatioF());
    QCOMPARE(p.size(), (QSizeF(profile.contentsRect().size()) * p.devicePixelRatio()).toSize());
    QVERIFY(darkestNear(p, 0.03, 0.5) < Dark);
    QVERIFY(darkestNear(p, 0.97, 0.5) < Dark);
    QVERIFY(darkestNear(p, 0.5, 0.05) < Dark);
    QVERIFY(darkestNear(p, 0.5, 0.95) < Dark);
    QCOMPARE(darkestNear(p, 0.25, 0.1), White);
    QCOMPARE(darkestNear(p, 0.75, 0.9), White);

    // The speed axis lies at y = 0 in the scale (-0.6, top) - (0.6, -0.1).
    const auto& scale = speeds.segments().front().scale;
    const double axisY = scale.fractionY(0.0);
    QVERIFY(axisY > 0.5 && axisY < 1.0);
    const QImage s = contents(speeds);
    QVERIFY(darkestNear(s, 0.03, axisY) < Dark);
    QVERIFY(darkestNear(s, 0.97, axisY) < Dark);
    QVERIFY(darkestNear(s, 0.5, 0.02) < Dark);
    QCOMPARE(darkestNear(s, 0.03, 0.03), White);
    QCOMPARE(darkestNear(s, 0.97, 0.03), White);
}

// The line of device pixels across the image at the fraction of its width
// (a column, for a horizontal axis) or height (a row, for a vertical one):
// where along it each pixel that is not white lies, and its grey.
std::vector<std::pair<int, int>> inkAcross(const QImage& image, Qt::Orientation axis,
                                           double fraction) {
    const bool column = axis == Qt::Horizontal;
    const int at = int(fraction * (column ? image.width() : image.height()));
    std::vector<std::pair<int, int>> ink;
    for (int i = 0; i < (column ? image.height() : image.width()); ++i) {
        const int grey = qGray(column ? image.pixel(at, i) : image.pixel(i, at));
        if (grey != White) {
            ink.emplace_back(i, grey);
        }
    }
    return ink;
}

// Met at the fraction `across` of its length, the axis is one pure black
// device pixel, within a pixel of the fraction `where` across the image.
void verifyCrispAxis(const QImage& image, Qt::Orientation axis, double across, double where) {
    const auto ink = inkAcross(image, axis, across);
    QCOMPARE(ink.size(), std::size_t(1));
    QCOMPARE(ink.front().second, 0);
    const int extent = axis == Qt::Horizontal ? image.height() : image.width();
    QVERIFY(std::abs(ink.front().first + 0.5 - where * extent) <= 1);
}

// The part of the area's rectangle that the window shows, in device pixels.
QImage onScreen(PictureArea& area, const QRect& part) {
    QWidget* window = area.window();
    const QRectF place(part.translated(area.mapTo(window, QPoint())));
    const qreal ratio = area.devicePixelRatioF();
    const QRectF device(place.topLeft() * ratio, place.size() * ratio);
    return window->screen()->grabWindow(window->winId()).toImage().copy(device.toAlignedRect());
}

} // namespace

class PicturePixelsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(window_.start()); }
    void cleanup() { window_.stop(); }

    void runsAtTheRequestedScale() {
        const double requested = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(window_.profile()->devicePixelRatioF(), requested);
    }

    void areasAreWhiteUntilTheFirstRun() {
        QVERIFY(allWhite(contents(*window_.profile())));
        QVERIFY(allWhite(contents(*window_.speeds())));
    }

    void runDrawsTheAxes() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        verifyAxesShow(*window_.profile(), *window_.speeds());
    }

    // Beyond the body and the curve each axis crosses only white, near both
    // of its ends.
    void axesAreBlackAndOneDevicePixelWide() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        const double speedAxis = window_.speeds()->segments().front().scale.fractionY(0.0);
        for (const double end : {0.03, 0.97}) {
            verifyCrispAxis(contents(*window_.profile()), Qt::Horizontal, end, 0.5);
            verifyCrispAxis(contents(*window_.profile()), Qt::Vertical, end, 0.5);
            verifyCrispAxis(contents(*window_.speeds()), Qt::Horizontal, end, speedAxis);
            verifyCrispAxis(contents(*window_.speeds()), Qt::Vertical, end, 0.5);
        }
    }

    void drawingSurvivesResizeAndHiding() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        window_.profile()->resize(400, 150);
        window_.speeds()->resize(120, 300);
        QCoreApplication::processEvents();
        verifyAxesShow(*window_.profile(), *window_.speeds());

        window_.form().hide();
        window_.form().show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_.form()));
        verifyAxesShow(*window_.profile(), *window_.speeds());
    }

    void linesAreCutAtTheEdgeWhateverTheirLength() {
        PictureArea area;
        area.resize(100, 60);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.SetScale(0, 1, 1, 0);
        area.DrawLine(-FLT_MAX, 0.5f, FLT_MAX, 0.5f);
        area.DrawLine(0.25f, FLT_MAX, 0.25f, -FLT_MAX);
        area.DrawLine(2, 2, FLT_MAX, FLT_MAX);
        const QImage image = contents(area);
        QVERIFY(darkestNear(image, 0.01, 0.5) < Dark);
        QVERIFY(darkestNear(image, 0.99, 0.5) < Dark);
        QVERIFY(darkestNear(image, 0.25, 0.01) < Dark);
        QVERIFY(darkestNear(image, 0.25, 0.99) < Dark);
        QCOMPARE(darkestNear(image, 0.9, 0.1), White);
    }

    void lineIsOneDevicePixelWide() {
        PictureArea area;
        area.resize(100, 60);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        const QImage blank = contents(area);
        // A horizontal line through the middle of device row 10.
        const double y = (10 + 0.5) / blank.height();
        area.SetScale(0, 0, 1, 1);
        area.DrawLine(0.f, float(y), 1.f, float(y));
        const QImage image = contents(area);
        const int x = image.width() / 2;
        QVERIFY(qGray(image.pixel(x, 10)) < 64);
        QVERIFY(qGray(image.pixel(x, 9)) > 200);
        QVERIFY(qGray(image.pixel(x, 11)) > 200);
    }

    void linesOnTheFarEdgesShowInTheLastPixels() {
        PictureArea area;
        area.resize(100, 60);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        area.SetScale(0, 1, 1, 0);
        area.DrawLine(0, 0, 1, 0);
        area.DrawLine(1, 0, 1, 1);
        const QImage image = contents(area);
        QCOMPARE(qGray(image.pixel(image.width() / 2, image.height() - 1)), 0);
        QCOMPARE(qGray(image.pixel(image.width() - 1, image.height() / 2)), 0);
    }

    void focusFrameShowsOnTheBorderOnly() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        window_.form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window_.form()));
        QCoreApplication::processEvents();
        const QImage border = onScreen(*window_.speeds(), window_.speeds()->rect());
        const QRect inside = window_.speeds()->contentsRect().adjusted(1, 1, -1, -1);
        const QImage picture = onScreen(*window_.speeds(), inside);

        textBox(window_.form(), "Text_BetaD")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window_.speeds());
        QCoreApplication::processEvents();
        QVERIFY(onScreen(*window_.speeds(), window_.speeds()->rect()) != border);
        QCOMPARE(onScreen(*window_.speeds(), inside), picture);

        QTest::keyClick(window_.speeds(), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(onScreen(*window_.speeds(), window_.speeds()->rect()), border);
    }

    void clearErasesToWhite() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        window_.profile()->Clear();
        QVERIFY(window_.profile()->segments().empty());
        QVERIFY(allWhite(contents(*window_.profile())));
    }

private:
    ShownForm window_;
};

QTEST_MAIN(PicturePixelsTest)
#include "picture_pixels_test.moc"
