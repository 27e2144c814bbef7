// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/FakeHome.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

void FakeHome::write(const QString& file, const QByteArray& content) const {
    const QString full = QDir(path()).filePath(file);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(full).path()));
    QFile out(full);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly)) << full.toStdString();
    EXPECT_EQ(out.write(content), content.size());
}

QString FakeHome::makeSteamPrefix(const QString& library, const QString& appid, const QString& game,
                                  const QList<Link>& links) const {
    if (!game.isEmpty())
        writeAppManifest(library, appid, game);
    return makePrefix(QStringLiteral("%1/steamapps/compatdata/%2/pfx").arg(library, appid), links);
}

void FakeHome::writeAppManifest(const QString& library, const QString& appid,
                                const QString& game) const {
    write(QStringLiteral("%1/steamapps/appmanifest_%2.acf").arg(library, appid),
          QStringLiteral("\"AppState\"\n{\n\t\"appid\"\t\t\"%1\"\n\t\"Universe\"\t\t\"1\"\n"
                         "\t\"name\"\t\t\"%2\"\n\t\"StateFlags\"\t\t\"4\"\n"
                         "\t\"installdir\"\t\t\"%2\"\n}\n")
              .arg(appid, game)
              .toUtf8());
}

void FakeHome::writeLibraryFolders(const QString& root, const QStringList& libraries) const {
    QByteArray vdf = "\"libraryfolders\"\n{\n";
    for (qsizetype i = 0; i < libraries.size(); ++i)
        vdf += QStringLiteral("\t\"%1\"\n\t{\n\t\t\"path\"\t\t\"%2\"\n\t\t\"label\"\t\t\"\"\n"
                              "\t\t\"apps\"\n\t\t{\n\t\t\t\"228980\"\t\t\"0\"\n\t\t}\n\t}\n")
                   .arg(i)
                   .arg(libraries[i])
                   .toUtf8();
    vdf += "}\n";
    write(root + QStringLiteral("/steamapps/libraryfolders.vdf"), vdf);
}

} // namespace zorbin::test
