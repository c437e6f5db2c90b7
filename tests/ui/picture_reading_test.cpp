// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
// Reading the plots off: the tooltip over each picture, and what its context
// menu copies and saves, checked against the plot data file of the run and
// the areas' own pixels. Run once per QT_SCALE_FACTOR.
#include "ui/picture_file.h"
#include "window_probe.h"

#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <QToolTip>

#include <array>
#include <cmath>
#include <tuple>

using solva::PictureArea;

namespace {

// The plot data file's lines, split at their blanks: number, X, Y, Cu.
QList<QStringList> plotDataRows() {
    QList<QStringList> rows;
    const auto text = QString::fromStdString(solva::test::readFile(solva::PlotDataFileName));
    for (const QString& line : text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        rows << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    }
    return rows;
}

// The reading at the pixel that holds (x, y) of a plot with the corners
// (x1, y1) - (x2, y2) agrees with it to half a pixel and the last decimal
// shown, and names the point `number` if one is given.
void verifyReading(const PictureArea& area, std::array<double, 4> corners, double x, double y,
                   const QString& number = {}) {
    const auto [x1, y1, x2, y2] = corners;
    const QSize size = area.contentsRect().size();
    const QPoint at(int((x - x1) / (x2 - x1) * size.width()),
                    int((y - y1) / (y2 - y1) * size.height()));
    const QString reading = area.readingAt(area.contentsRect().topLeft() + at);
    auto values = QRegularExpression(QStringLiteral(" = (-?[0-9.]+)")).globalMatch(reading);
    const std::array<double, 2> expected{x, y};
    const std::array<double, 2> halfPixel{std::abs(x2 - x1) / size.width() / 2,
                                          std::abs(y2 - y1) / size.height() / 2};
    for (std::size_t i = 0; i < 2; ++i) {
        QVERIFY2(values.hasNext(), qPrintable(reading));
        QVERIFY2(std::abs(values.next().captured(1).toDouble() - expected[i]) <=
                     halfPixel[i] + 5e-4,
                 qPrintable(reading));
    }
    QCOMPARE(reading.contains(QStringLiteral("\npoint ") + number + ':'), !number.isEmpty());
}

// How many pixels of the two images differ by more than half the grey range.
int pixelsApart(const QImage& a, const QImage& b) {
    int apart = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            apart += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 128;
        }
    }
    return apart;
}

QMenu* openMenu(PictureArea* area) {
    area->setFocus();
    QTest::keyClick(area, Qt::Key_Menu);
    auto* menu = area->findChild<QMenu*>();
    return menu != nullptr && menu->isVisible() ? menu : nullptr;
}

// Escape closes the menu, which then goes.
void closeMenu(PictureArea* area) {
    QTest::keyClick(area->findChild<QMenu*>(), Qt::Key_Escape);
    QTRY_VERIFY(area->findChild<QMenu*>() == nullptr);
}

} // namespace

class PictureReadingTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(window_.start()); }
    void cleanup() { window_.stop(); }

    // The outline's corners are fixed; the speed plot reaches from 10 % above
    // the largest Cu of the file down to -0.1. The tooltip follows the mouse.
    void readingsAreInThePlotsUnits() {
        QVERIFY(window_.profile()->readingAt(window_.profile()->contentsRect().center()).isEmpty());
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        for (const auto& [x, y] : {std::pair{0.0, 0.0}, {-0.5, 0.0}, {0.25, 0.1}, {0.55, -0.28}}) {
            verifyReading(*window_.profile(), {-0.6, 0.3, 0.6, -0.3}, x, y);
        }
        QVERIFY(window_.profile()->readingAt(QPoint(0, 0)).isEmpty()); // on the border
        const auto rows = plotDataRows();
        double top = 0;
        for (const QStringList& row : rows) {
            top = std::max(top, 1.1 * row[3].toDouble());
        }
        for (const int i : {4, 8, 12}) {
            verifyReading(*window_.speeds(), {-0.6, top, 0.6, -0.1}, rows[i][1].toDouble(),
                          rows[i][3].toDouble(), rows[i][0]);
        }
        const QPoint at = window_.speeds()->contentsRect().center();
        QHelpEvent help(QEvent::ToolTip, at, window_.speeds()->mapToGlobal(at));
        QApplication::sendEvent(window_.speeds(), &help);
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), window_.speeds()->readingAt(at));
        QTest::mouseMove(window_.speeds(), at + QPoint(40, -20));
        QTRY_COMPARE(QToolTip::text(), window_.speeds()->readingAt(at + QPoint(40, -20)));
    }

    // The PNG holds the area's pixels; the SVG, drawn at their size, the same
    // lines, however it smooths their edges.
    void savedPictureShowsWhatTheAreaShows() {
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        for (PictureArea* area : {window_.profile(), window_.speeds()}) {
            QCOMPARE(solva::savePicture(*area, QStringLiteral("picture.png")), QString());
            QImage png(QStringLiteral("picture.png"));
            png.setDevicePixelRatio(area->devicePixelRatioF());
            QCOMPARE(png.convertToFormat(QImage::Format_RGB32), contents(*area));

            QCOMPARE(solva::savePicture(*area, QStringLiteral("picture.SVG")), QString());
            QSvgRenderer svg(QStringLiteral("picture.SVG"));
            QCOMPARE(svg.viewBox(), QRect(QPoint(), area->contentsRect().size()));
            QImage drawn(area->picture().size(), QImage::Format_RGB32);
            drawn.fill(Qt::white);
            QPainter painter(&drawn);
            svg.render(&painter);
            painter.end();
            QCOMPARE(pixelsApart(drawn, area->picture()), 0);
        }
        QVERIFY(!solva::savePicture(*window_.profile(), QStringLiteral("missing/picture.png"))
                     .isEmpty());
    }

    // Each area's menu, opened from the keyboard, copies its picture and the
    // points of its plot as the plot data file has them, once there are any.
    void menuKeyOpensTheMenuThatCopies() {
        QVERIFY(!openMenu(window_.profile())->actions()[2]->isEnabled());
        closeMenu(window_.profile());
        QTest::mouseClick(command1(window_.form()), Qt::LeftButton);
        const auto rows = plotDataRows();
        for (const auto& [area, column, name] :
             {std::tuple{window_.profile(), 2, "Y"}, {window_.speeds(), 3, "Cu"}}) {
            QMenu* menu = openMenu(area);
            QVERIFY(menu != nullptr);
            const auto actions = menu->actions();
            QStringList texts;
            for (const QAction* action : actions) {
                texts << action->text();
            }
            QCOMPARE(texts, QStringList({"Copy Picture", "Save Picture As…", "Copy Values"}));
            actions[0]->trigger();
            QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
                     area->picture());
            actions[2]->trigger();
            QString expected = QStringLiteral("point\tx\t") + QLatin1String(name) + '\n';
            for (const QStringList& row : rows) {
                expected += row[0] + '\t' + row[1] + '\t' + row[column] + '\n';
            }
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
            closeMenu(area);
        }
    }

private:
    ShownForm window_;
};

QTEST_MAIN(PictureReadingTest)
#include "picture_reading_test.moc"
