// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QApplication>

int main(int argc, char** argv) {
    // Must be set before the application exists; test discovery runs this binary at build time.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorbin"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
