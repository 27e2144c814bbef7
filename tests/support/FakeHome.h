// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wine/WineEnvironment.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <utility>

namespace zorbin::test {

// A temporary home folder that stands in for the user's while the object lives: code under test is
// handed its environment(), without $WINEPREFIX, so nothing reads the real home. Wine prefixes are
// made in it with their dosdevices links.
class FakeHome {
public:
    FakeHome();
    FakeHome(const FakeHome&) = delete;
    FakeHome& operator=(const FakeHome&) = delete;

    [[nodiscard]] QString path() const { return directory_.path(); }
    [[nodiscard]] WineEnvironment environment() const;

    // A drive link in dosdevices: its name ("c:") and where it points, as the link holds it.
    using Link = std::pair<QString, QString>;
    static inline const QList<Link> driveC = {{QStringLiteral("c:"), QStringLiteral("../drive_c")},
                                              {QStringLiteral("z:"), QStringLiteral("/")}};

    // Makes a prefix at `folder` below the home (dosdevices/ and drive_c/, then `links`) and
    // returns its full path.
    QString makePrefix(const QString& folder, const QList<Link>& links = driveC) const;

    // Writes `content` to `file` below the home, making its folders.
    void write(const QString& file, const QByteArray& content) const;

    // A Proton prefix for `appid` in the Steam library `library` below the home, as Steam lays it
    // out: compatdata/<appid>/pfx, and the game's appmanifest_<appid>.acf when `game` names it.
    // Returns the prefix's full path.
    QString makeSteamPrefix(const QString& library, const QString& appid, const QString& game = {},
                            const QList<Link>& links = driveC) const;

    // The appmanifest_<appid>.acf naming `game` in the Steam library `library` below the home.
    void writeAppManifest(const QString& library, const QString& appid, const QString& game) const;

    // The Steam root `root`'s steamapps/libraryfolders.vdf naming `libraries` (full paths), the
    // root's own library first, as Steam writes it.
    void writeLibraryFolders(const QString& root, const QStringList& libraries) const;

private:
    QTemporaryDir directory_;
};

} // namespace zorbin::test
