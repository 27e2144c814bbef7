// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/DesktopDialogs.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // Must be set before the application exists; test discovery runs this binary at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // A home of its own, so the tests can see whatever a session writes there and the developer's
    // own is never touched.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QDir homeFolder(home.path());
    for (const auto& [variable, folder] :
         {std::pair{"XDG_CONFIG_HOME", ".config"}, std::pair{"XDG_DATA_HOME", ".local/share"},
          std::pair{"XDG_CACHE_HOME", ".cache"}, std::pair{"XDG_STATE_HOME", ".local/state"},
          std::pair{"XDG_RUNTIME_DIR", "runtime"}}) {
        const QString path = homeFolder.filePath(QString::fromLatin1(folder));
        homeFolder.mkpath(path);
        qputenv(variable, QFile::encodeName(path));
    }
    QFile::setPermissions(homeFolder.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", QFile::encodeName(home.path()));

    QApplication application(argc, argv);
    zorbin::DesktopDialogs::keepQtSettingsUnwritten();
    QApplication::setApplicationName(QStringLiteral("zorbin"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
