// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "window_probe.h"

#include "support/scratch_directory.h"
#include "ui/error_reporter.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using solva::Form1;

namespace {

class CapturingReporter : public solva::ErrorReporter {
public:
    void report(const solva::RunError& error) override { reports.push_back(error); }
    std::vector<solva::RunError> reports;
};

const std::array<const char*, 14> ControlNames{
    "Command1",   "Frame1",     "Label1",           "Text_Lamda",      "Label2",
    "Text_NXX",   "Label3",     "Label4",           "Label5",          "Text_NT",
    "Text_AlfaD", "Text_BetaD", "Picture_pressure", "Picture_elipsoid"};

std::vector<QRect> geometries(const Form1& form) {
    std::vector<QRect> result;
    for (const char* name : ControlNames) {
        result.push_back(form.findChild<QWidget*>(QString::fromLatin1(name))->geometry());
    }
    return result;
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<solva::test::ScratchWorkingDirectory>();
        form_ = std::make_unique<Form1>();
        form_->setErrorReporter(&reporter_);
        form_->show();
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    void cleanup() {
        form_.reset();
        dir_.reset();
        reporter_.reports.clear();
    }

    void startsWithTheDefaultTexts() {
        const std::array<const char*, 5> expected{"0.2", "18", "1", "0", "0"};
        for (std::size_t i = 0; i < TextBoxNames.size(); ++i) {
            QLineEdit* box = textBox(*form_, TextBoxNames[i]);
            QVERIFY(box);
            QCOMPARE(box->text(), QString::fromLatin1(expected[i]));
            QVERIFY(box->validator() == nullptr);
            QCOMPARE(box->maxLength(), std::numeric_limits<int>::max());
        }
        QCOMPARE(form_->windowTitle(), QStringLiteral("Form1"));
        QCOMPARE(form_->size(), QSize(470, 480));
        for (const int size : {16, 32, 48, 256}) {
            const QPixmap icon = form_->windowIcon().pixmap(QSize(size, size), 1.0);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.size(), QSize(size, size));
        }
    }

    void hasExactlyTheFourteenControls() {
        const QList<QWidget*> children = form_->findChildren<QWidget*>();
        QStringList names;
        for (const QWidget* child : children) {
            names << child->objectName();
        }
        names.sort();
        QStringList expected;
        for (const char* name : ControlNames) {
            expected << QString::fromLatin1(name);
        }
        expected.sort();
        QCOMPARE(names, expected);
        QVERIFY(form_->findChild<QMenuBar*>() == nullptr);
        QVERIFY(form_->findChild<QToolBar*>() == nullptr);
        QVERIFY(form_->findChild<QStatusBar*>() == nullptr);
    }

    // Each control's rectangle in pixels (left, top, width, height), the
    // labels and boxes within Frame1.
    void controlsSitAtTheirPixels_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* parent, QRect pixels, QString text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                                << pixels << text;
        };
        row("Command1", "Form1", {16, 24, 105, 33}, QStringLiteral("Command1"));
        row("Frame1", "Form1", {16, 80, 105, 185}, QStringLiteral("Input"));
        row("Label1", "Frame1", {8, 24, 25, 17}, QStringLiteral("λ ="));
        row("Text_Lamda", "Frame1", {48, 24, 41, 19}, QStringLiteral("0.2"));
        row("Label2", "Frame1", {8, 56, 33, 17}, QStringLiteral("NXX = "));
        row("Text_NXX", "Frame1", {48, 56, 41, 19}, QStringLiteral("18"));
        row("Label3", "Frame1", {8, 88, 33, 17}, QStringLiteral("NT ="));
        row("Label4", "Frame1", {8, 120, 25, 17}, QStringLiteral("α ="));
        row("Label5", "Frame1", {8, 152, 25, 17}, QStringLiteral("β ="));
        row("Text_NT", "Frame1", {48, 88, 41, 19}, QStringLiteral("1"));
        row("Text_AlfaD", "Frame1", {48, 120, 41, 19}, QStringLiteral("0"));
        row("Text_BetaD", "Frame1", {48, 152, 41, 19}, QStringLiteral("0"));
        row("Picture_pressure", "Form1", {136, 168, 267, 185}, QString());
        row("Picture_elipsoid", "Form1", {136, 24, 267, 133}, QString());
    }
    void controlsSitAtTheirPixels() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, pixels);
        QFETCH(QString, text);
        const QWidget* control = form_->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(), pixels);
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            QCOMPARE(label->text(), text);
        } else if (const auto* button = qobject_cast<const QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
            QCOMPARE(frame->title(), text);
        } else if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
            QCOMPARE(box->text(), text);
        } else {
            QVERIFY(qobject_cast<const solva::PictureArea*>(control));
        }
    }

    void labelsNameTheirBoxes() {
        const std::array<const char*, 5> labels{"Label1", "Label2", "Label3", "Label4", "Label5"};
        for (std::size_t i = 0; i < labels.size(); ++i) {
            QCOMPARE(form_->findChild<QLabel*>(labels[i])->buddy(),
                     textBox(*form_, TextBoxNames[i]));
        }
    }

    void greekLabelsHaveSpokenNames() {
        QCOMPARE(form_->findChild<QLabel*>("Label1")->accessibleName(), QStringLiteral("lambda ="));
        QCOMPARE(form_->findChild<QLabel*>("Label4")->accessibleName(), QStringLiteral("alpha ="));
        QCOMPARE(form_->findChild<QLabel*>("Label5")->accessibleName(), QStringLiteral("beta ="));
    }

    void picturesHaveSpokenNames() {
        QCOMPARE(pictureArea(*form_, "Picture_elipsoid")->accessibleName(),
                 QStringLiteral("body outline"));
        QCOMPARE(pictureArea(*form_, "Picture_pressure")->accessibleName(),
                 QStringLiteral("surface speed ratio along the meridian"));
    }

    void tabCyclesFromTheButtonThroughBoxesAndAreas() {
        QCOMPARE(QApplication::focusWidget(), command1(*form_));
        const std::array<const char*, 8> cycle{"Text_Lamda",       "Text_NXX",   "Text_NT",
                                               "Text_AlfaD",       "Text_BetaD", "Picture_pressure",
                                               "Picture_elipsoid", "Command1"};
        for (const char* expected : cycle) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(QApplication::focusWidget());
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(expected));
        }
        for (const char* name : {"Frame1", "Label1", "Label2", "Label3", "Label4", "Label5"}) {
            QCOMPARE(form_->findChild<QWidget*>(name)->focusPolicy(), Qt::NoFocus);
        }
    }

    void buttonIsNoDefaultButton() {
        QVERIFY(!command1(*form_)->isDefault());
        QVERIFY(!command1(*form_)->autoDefault());
    }

    void clickWritesBothFilesAndDraws() {
        QTest::mouseClick(command1(*form_), Qt::LeftButton);

        QVERIFY(reporter_.reports.empty());
        QVERIFY(reportFile().find("\r\n01   174.62   -0.4978   0.0094   0.2037    \r\n") !=
                std::string::npos);
        QCOMPARE(plotDataLines(), 18);
        QVERIFY(solva::test::readFile(solva::PlotDataFileName).ends_with("\r\n"));
        QCOMPARE(pictureArea(*form_, "Picture_elipsoid")->segments().size(), std::size_t(2 + 34));
        QCOMPARE(pictureArea(*form_, "Picture_pressure")->segments().size(), std::size_t(2 + 17));
    }

    void keysStartARunOnlyFromTheButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("runs");
        QTest::newRow("Space on the button") << "Command1" << int(Qt::Key_Space) << true;
        QTest::newRow("Return on the button") << "Command1" << int(Qt::Key_Return) << true;
        QTest::newRow("Enter on the button") << "Command1" << int(Qt::Key_Enter) << true;
        QTest::newRow("Escape on the button") << "Command1" << int(Qt::Key_Escape) << false;
        QTest::newRow("Return in a box") << "Text_NXX" << int(Qt::Key_Return) << false;
        QTest::newRow("Enter in a box") << "Text_BetaD" << int(Qt::Key_Enter) << false;
        QTest::newRow("Escape in a box") << "Text_Lamda" << int(Qt::Key_Escape) << false;
        QTest::newRow("Space in a picture") << "Picture_pressure" << int(Qt::Key_Space) << false;
    }
    void keysStartARunOnlyFromTheButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, runs);
        QWidget* target = form_->findChild<QWidget*>(focus);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), target);
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(std::filesystem::exists(solva::ReportFileName), runs);
        QCOMPARE(pictureArea(*form_, "Picture_elipsoid")->segments().empty(), !runs);
    }

    void runChangesNoControl() {
        setTexts(*form_, {" 0.25", "12 ", "2", "10", "5"});
        const std::vector<QRect> before = geometries(*form_);
        QTest::mouseClick(command1(*form_), Qt::LeftButton);

        QVERIFY(reporter_.reports.empty());
        QVERIFY(std::filesystem::exists(solva::PlotDataFileName));
        const std::array<const char*, 5> expected{" 0.25", "12 ", "2", "10", "5"};
        for (std::size_t i = 0; i < TextBoxNames.size(); ++i) {
            QCOMPARE(textBox(*form_, TextBoxNames[i])->text(), QString::fromLatin1(expected[i]));
        }
        QCOMPARE(geometries(*form_), before);
        for (const QWidget* child : form_->findChildren<QWidget*>()) {
            QVERIFY2(child->isEnabled(), qPrintable(child->objectName()));
        }
        QCOMPARE(command1(*form_)->text(), QStringLiteral("Command1"));
    }

    void secondRunWithFewerPointsReplacesTheDrawing() {
        QTest::mouseClick(command1(*form_), Qt::LeftButton);
        textBox(*form_, "Text_NXX")->setText("10");
        QTest::mouseClick(command1(*form_), Qt::LeftButton);

        QVERIFY(reporter_.reports.empty());
        QCOMPARE(pictureArea(*form_, "Picture_elipsoid")->segments().size(), std::size_t(2 + 18));
        QCOMPARE(pictureArea(*form_, "Picture_pressure")->segments().size(), std::size_t(2 + 9));
        QCOMPARE(plotDataLines(), 10);

        // What shows is what a window that only ever ran with 10 points shows.
        Form1 fresh;
        fresh.setErrorReporter(&reporter_);
        textBox(fresh, "Text_NXX")->setText("10");
        fresh.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fresh));
        QTest::mouseClick(command1(fresh), Qt::LeftButton);
        QVERIFY(reporter_.reports.empty());
        for (const char* name : {"Picture_elipsoid", "Picture_pressure"}) {
            QCOMPARE(contents(*pictureArea(*form_, name)), contents(*pictureArea(fresh, name)));
        }
    }

    void resizingTheWindowMovesNoControl() {
        const std::vector<QRect> before = geometries(*form_);
        for (const QSize size : {QSize(900, 800), QSize(200, 150), QSize(470, 480)}) {
            form_->resize(size);
            QCoreApplication::processEvents();
            QCOMPARE(geometries(*form_), before);
        }
    }

    void failedRunIsReportedAndTheWindowCarriesOn() {
        QTest::mouseClick(command1(*form_), Qt::LeftButton);
        auto* profile = pictureArea(*form_, "Picture_elipsoid");
        auto* speeds = pictureArea(*form_, "Picture_pressure");
        const QImage goodProfile = contents(*profile);
        const QImage goodSpeeds = contents(*speeds);

        setTexts(*form_, {"", "", "", "", ""});
        QTest::mouseClick(command1(*form_), Qt::LeftButton);

        QCOMPARE(reporter_.reports.size(), std::size_t(1));
        const solva::RunError& error = reporter_.reports.front();
        QCOMPARE(error.kind(), solva::ErrorKind::InvalidOperation);
        QVERIFY2(error.where().find("column angles") != std::string::npos, error.where().c_str());
        QCOMPARE(contents(*profile), goodProfile);
        QCOMPARE(contents(*speeds), goodSpeeds);
        QCOMPARE(profile->segments().size(), std::size_t(2 + 34));
        QCOMPARE(textBox(*form_, "Text_Lamda")->text(), QString());
        QVERIFY(form_->isEnabled());

        setTexts(*form_, {"0.2", "18", "1", "0", "0"});
        QTest::mouseClick(command1(*form_), Qt::LeftButton);
        QCOMPARE(reporter_.reports.size(), std::size_t(1));
        QVERIFY(reportFile().find("\r\n01   174.62   -0.4978   0.0094   0.2037    \r\n") !=
                std::string::npos);
        QCOMPARE(plotDataLines(), 18);
    }

    void fileFaultIsReportedAndTheWindowCarriesOn() {
        QVERIFY(QDir().mkdir(QString::fromLatin1(solva::ReportFileName)));
        QTest::mouseClick(command1(*form_), Qt::LeftButton);
        QCOMPARE(reporter_.reports.size(), std::size_t(1));
        const solva::RunError& error = reporter_.reports.front();
        QCOMPARE(error.kind(), solva::ErrorKind::FileAccess);
        const std::string path = (std::filesystem::current_path() / solva::ReportFileName).string();
        QVERIFY2(error.where().find('"' + path + '"') != std::string::npos, error.where().c_str());
        QVERIFY(pictureArea(*form_, "Picture_elipsoid")->segments().empty());

        QVERIFY(QDir().rmdir(QString::fromLatin1(solva::ReportFileName)));
        QTest::mouseClick(command1(*form_), Qt::LeftButton);
        QCOMPARE(reporter_.reports.size(), std::size_t(1));
        QCOMPARE(plotDataLines(), 18);
        QCOMPARE(pictureArea(*form_, "Picture_elipsoid")->segments().size(), std::size_t(2 + 34));
    }

private:
    std::unique_ptr<solva::test::ScratchWorkingDirectory> dir_;
    std::unique_ptr<Form1> form_;
    CapturingReporter reporter_;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
