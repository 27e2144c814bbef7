// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "wine/WinePrefix.h"

#include <QByteArrayView>
#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// A folder that a launcher's own record names: where the player put a game's prefix, or the
// launcher's folder of prefixes.
struct RecordedPlace {
    enum class Kind {
        Prefix,       // one prefix, or with Proton the folder that holds it as pfx
        Folder,       // each of its entries a prefix (Lutris's game folder, a bottles folder)
        HeroicFolder, // Heroic's folder for new prefixes: game folders, or a folder of them per
                      // Wine
    };
    Kind kind = Kind::Prefix;
    QString folder; // absolute and clean, as recorded: it may lead nowhere
    WineLauncher launcher = WineLauncher::Wine;
    // A prefix's name: the game or bottle the record names it for, else its folder's name.
    QString name{};
    QString record{}; // the file that names it
};

// What the launchers' records name, and what stood in the way of reading them.
struct LauncherRecords {
    QList<RecordedPlace> places; // in the order read
    // Record files or folders of them left unread because the time was up, and those that are there
    // but can't be read: a prefix one names may hold a league.
    QStringList notRead;
    QList<FileFailure> unreadable;
};

// Where Lutris, Heroic, Bottles and Faugus, native or flatpak, record the prefixes a player put
// anywhere, and what those records say. Each record is read bounded: a missing one is passed over,
// and one that is not a file, is larger than any record a launcher writes, can't be read, or is
// not JSON or YAML text is told in `unreadable`, and none is read beyond its first bytes.
namespace launcherRecords {

// The records Zorbin reads, by their format.
enum class Format {
    LutrisSystem,       // system.yml: system → game_path, the folder of new games' prefixes
    LutrisGame,         // games/<game>.yml: game → prefix
    HeroicConfig,       // config.json: defaultSettings → winePrefix, defaultWinePrefixDir
    HeroicGame,         // GamesConfig/<game>.json: <game> → winePrefix
    BottlesData,        // data.yml: custom_bottles_path
    BottlesPlaceholder, // <bottles>/<bottle>/placeholder.yml: Path, where the bottle was moved
    FaugusGames,        // games.json: a list of games, each with its title and prefix
};
inline constexpr int formats = 7;

// The largest record read. The launchers' records are a few kilobytes; a larger file is none of
// theirs, or damaged.
inline constexpr qsizetype largestRecord = 1024 * 1024;

// The places that `text`, a record in `format`, names. "~" and $HOME at the start of a path stand
// for `home`; a path that is then not absolute is passed over. The failure says why `text` is not
// a record of that format.
[[nodiscard]] Result<QList<RecordedPlace>, QString> placesIn(Format format, QByteArrayView text,
                                                             const QString& home);

// Every record of the launchers in `home`, native and flatpak, up to `filesPerFolder` from a
// folder of records, until `deadline`.
[[nodiscard]] LauncherRecords read(const QString& home, int filesPerFolder,
                                   const QDeadlineTimer& deadline);

} // namespace launcherRecords

} // namespace zorbin
