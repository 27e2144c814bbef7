// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DesktopDialogs.h"
#include "window/MainWindow.h"
#include "wine/WineEnvironment.h"
#include "ZorbinVersion.h"

#include <cstdio>
#include <cstring>
#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace {

constexpr char usage[] =
    "Usage: zorbin [--help | --version] [QT_OPTION...]\n"
    "\n"
    "Opens Zorbin's window, which lists the players of the prior QEL season missing from the\n"
    "current one and the players of the current season missing from the prior one. The folders\n"
    "used on \"Process\" are remembered in MissDir.txt and QELMDir.txt in the working folder.\n"
    "zorbin-report prints the same lists without a window.\n"
    "\n"
    "  --help     show this text\n"
    "  --version  show the program's name and version\n"
    "\n"
    "Qt's own options, such as -platform NAME or -style NAME, are accepted too.\n";

// The exit status after printing on standard output: 0 when all of it got there, else 1.
int printedStatus() {
    return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // Answered before QApplication exists, which needs a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("zorbin %s\n", zorbin::programVersion);
            return printedStatus();
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(usage, stdout);
            return printedStatus();
        }
    }

    QApplication application(argc, argv);
    // No display name: the platform would append it to the window's caption.
    QApplication::setApplicationName(QStringLiteral("zorbin"));
    // The desktop file's name is the application's id on Wayland, with which docks and task bars
    // find Zorbin's menu entry and icon.
    const QString applicationId = QStringLiteral("io.github.zorbin.Zorbin");
    QGuiApplication::setDesktopFileName(applicationId);

    zorbin::DesktopDialogs::keepQtSettingsUnwritten();
    zorbin::DesktopDialogs dialogs;
    zorbin::MainWindow window(dialogs, zorbin::WineEnvironment::ofProcess());
    window.show();
    // The window's own icon, which X's task bars show: the icon theme's, else the built-in one.
    // Looking it up in the theme takes longer than the rest of showing the window, so the window
    // takes it as soon as it is up.
    QTimer::singleShot(0, &window, [&applicationId] {
        QApplication::setWindowIcon(QIcon::fromTheme(
            applicationId, QIcon(QStringLiteral(":/icons/io.github.zorbin.Zorbin.svg"))));
    });
    return QApplication::exec();
}
