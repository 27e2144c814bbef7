// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <unistd.h>

namespace zorbin::test {

FakeHome::FakeHome() {
    EXPECT_TRUE(directory_.isValid());
}

WineEnvironment FakeHome::environment() const {
    return {path(), {}};
}

QString FakeHome::makePrefix(const QString& folder, const QList<Link>& links) const {
    const QString prefix = QDir(path()).filePath(folder);
    EXPECT_TRUE(QDir().mkpath(prefix + "/dosdevices"));
    EXPECT_TRUE(QDir().mkpath(prefix + "/drive_c"));
    for (const auto& [name, target] : links)
        EXPECT_EQ(::symlink(QFile::encodeName(target).constData(),
                            QFile::encodeName(prefix + "/dosdevices/" + name).constData()),
                  0)
            << name.toStdString();
    return prefix;
}

} // namespace zorbin::test
