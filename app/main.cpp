// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT

#include "app/version.h"
#include "ui/form1.h"

#include <QApplication>
#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr const char* Help = R"(Usage: ellipsoid-flow [--help | --version]

Opens the window "Form1", which computes the potential flow about an ellipsoid
of revolution in a uniform stream at an angle of attack and a yaw angle. Each
click on Command1 writes solva11.txt and solva12.txt into the current folder
and draws the body and its surface speed. The window needs a graphical
session; ellipsoid-flow-cli makes the same runs from the command line.

  --help     show this help and exit
  --version  show the version and exit

Qt's own options, such as -platform NAME, are taken as by any Qt program.
See ellipsoid-flow(1).
)";

constexpr const char* Version = "ellipsoid-flow " SOLVA_VERSION R"(
Copyright (C) 2026 Ellipsoid Flow developers
License MIT <https://opensource.org/licenses/MIT>.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
)";

constexpr const char* NoDisplay = "ellipsoid-flow: the window needs a graphical session; "
                                  "ellipsoid-flow-cli makes the same runs without one\n";

// Qt's messages while it connects to the display are held back. Failing to
// connect is a fatal one, which would abort after several lines meant for
// Qt's developers: one line of ours says it instead, with status 1.
struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};
std::vector<HeldMessage> heldMessages;
QtMessageHandler qtHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs(NoDisplay, stderr);
        std::_Exit(1);
    }
    heldMessages.push_back({type, QByteArray(context.category), text});
}

// Once connected, the held messages go where Qt would have sent them.
void passOnHeldMessages() {
    qInstallMessageHandler(qtHandler);
    for (const HeldMessage& m : heldMessages) {
        const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
        qtHandler(m.type, context, m.text);
    }
    heldMessages.clear();
}

} // namespace

int main(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "--version") {
            std::fputs(arg == "--help" ? Help : Version, stdout);
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                std::fputs("ellipsoid-flow: cannot write to standard output\n", stderr);
                return 1;
            }
            return 0;
        }
    }

    qtHandler = qInstallMessageHandler(holdMessage);
    QApplication app(argc, argv);
    passOnHeldMessages();

    QApplication::setApplicationVersion(QStringLiteral(SOLVA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(SOLVA_APP_ID));
    solva::Form1 form;
    form.show();
    return app.exec();
}
