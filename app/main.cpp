// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DesktopDialogs.h"
#include "window/Form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // No display name: the platform would append it to the window's caption.
    QApplication::setApplicationName(QStringLiteral("zorbin"));

    zorbin::DesktopDialogs dialogs;
    zorbin::Form1 window(dialogs);
    window.show();
    return QApplication::exec();
}
