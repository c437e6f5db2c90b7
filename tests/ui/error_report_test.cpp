// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#include "window_probe.h"

#include "support/scratch_directory.h"
#include "ui/error_message.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

class ErrorReportTest : public QObject {
    Q_OBJECT

private slots:
    void messageGivesNumberDescriptionAndStep() {
        const solva::RunError error(
            solva::ErrorKind::DivisionByZero,
            "computing the meridian angle step DFI = PI / NXX (NXX must not be 0)");
        QCOMPARE(solva::errorMessage(error),
                 QStringLiteral("Run-time error '11':\n\nDivision by zero\nwhile computing the "
                                "meridian angle step DFI = PI / NXX (NXX must not be 0)"));
        QCOMPARE(solva::errorTitle(), QStringLiteral("Run-time error"));
    }

    void messageWithoutAStepHasNoWhileLine() {
        const solva::RunError error(solva::ErrorKind::FileAccess, "");
        QCOMPARE(solva::errorMessage(error),
                 QStringLiteral("Run-time error '75':\n\nFile access error"));
    }

    void failedRunOpensAModalBoxAndTheWindowGoesOn() {
        const solva::test::ScratchWorkingDirectory dir;
        solva::Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        setTexts(form, {"", "", "", "", ""});

        // The box runs its own event loop inside the click, so whatever closes
        // it has to be armed first; it polls until the box is up.
        QString title, text;
        bool modal = false;
        QWidget* boxParent = nullptr;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            title = box->windowTitle();
            text = box->text();
            modal = box->isModal();
            boxParent = box->parentWidget();
            closer.stop();
            box->accept();
        });
        closer.start();
        QTimer::singleShot(10000, &closer, &QTimer::stop);
        QTest::mouseClick(command1(form), Qt::LeftButton);

        QCOMPARE(title, QStringLiteral("Run-time error"));
        QVERIFY2(
            text.startsWith(QStringLiteral("Run-time error '5':\n\nInvalid operation\nwhile ")),
            qPrintable(text));
        QVERIFY(modal);
        QCOMPARE(boxParent, &form);
        QVERIFY(QApplication::activeModalWidget() == nullptr);

        setTexts(form, {"0.2", "18", "1", "0", "0"});
        QTest::mouseClick(command1(form), Qt::LeftButton);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(plotDataLines(), 18);
    }
};

QTEST_MAIN(ErrorReportTest)
#include "error_report_test.moc"
