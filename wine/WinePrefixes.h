// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"

#include <chrono>
#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

// Where Wine prefixes are looked for. Given rather than read inside, so a made-up home can stand in
// for the user's.
struct WineEnvironment {
    QString home;       // the home folder; empty means none is searched
    QString winePrefix; // $WINEPREFIX; empty when unset

    // $HOME and $WINEPREFIX of this process.
    [[nodiscard]] static WineEnvironment ofProcess();
};

// One drive letter of a prefix: the folder its dosdevices link leads to.
struct WineDrive {
    QChar letter;  // upper case
    QString root;  // canonical path of the folder the link points to
    QString label; // as the drive lists show it: "C: (~/.wine)", from the prefix's label
};

// Which launcher made a prefix, for telling the user where prefixes were looked for.
enum class WineLauncher { Wine, Steam, Lutris, Bottles, Heroic, Winetricks, PlayOnLinux };

struct WinePrefix {
    QString folder; // canonical path
    // For messages: "~/.wine", "QEL Pro Football 2011", "Steam 22380", "Non-Steam game 3022145790".
    QString name;
    QList<WineDrive> drives; // by letter, z: (the whole file system) included
    WineLauncher launcher = WineLauncher::Wine;
    bool installedGame = false; // a Steam prefix whose game's manifest names it
    // The folder its launcher keeps it in: the Steam library, Heroic's folder of prefixes for its
    // Wine, Lutris's ~/Games and the like; empty for a prefix named by its own path.
    QString library{};
    // The name as drive lists show it, unique among one discovery's prefixes: where two share a
    // name, the launcher is added, and where that is not enough the library (or else the folder),
    // as in "QEL Pro Football 2011, Steam, ~/sd/SteamLibrary". The name itself elsewhere.
    QString label{};

    // The drive with `letter` (either case), when the prefix has it.
    [[nodiscard]] std::optional<WineDrive> drive(QChar letter) const;
};

// Discovery runs at start-up and each time a drive list opens, and launcher folders can hold
// thousands of entries or sit on slow disks: it stops at whichever bound it meets first. The
// counts leave room for a large Steam library on several disks; the time is what a user notices.
struct WineDiscoveryLimits {
    int prefixes = 512;                  // prefixes returned, besides the pinned ones
    int entriesPerLauncherFolder = 2048; // entries read from one launcher folder
    int entriesPerDosdevices = 128;      // entries read from one dosdevices folder
    int steamLibraries = 32;             // libraries read from one libraryfolders.vdf
    std::chrono::milliseconds time{100};
};

// What a discovery found, and whether it stopped at a bound before the end.
struct WineDiscovery {
    QList<WinePrefix> prefixes;
    bool cutShort = false;
};

namespace winePrefixes {

// The prefixes of `environment`, each once (by device and inode), in this order: $WINEPREFIX, the
// prefixes holding `foldersInUse` (the folders the user is known to use: found whatever the
// bounds), ~/.wine, then those of installed Steam games, then the rest (Steam prefixes without a
// game, Lutris, Heroic, Bottles, winetricks, PlayOnLinux, ~/.wine-* siblings), each group sorted by
// name without regard to case; no two show the same label. Steam prefixes are looked for in every
// library that a Steam root's libraryfolders.vdf names. A folder that can't be read, a dangling or
// looping link, or anything that is not a prefix is passed over without a word.
[[nodiscard]] WineDiscovery discoverAll(const WineEnvironment& environment,
                                        const WineDiscoveryLimits& limits = {},
                                        const QStringList& foldersInUse = {});
[[nodiscard]] QList<WinePrefix> discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits = {},
                                         const QStringList& foldersInUse = {});

// The prefix $WINEPREFIX names, when it is set. It must be one (a folder holding drive_c or
// dosdevices); the failure names the variable and its value, since reading through another prefix
// instead could give another copy of the league.
[[nodiscard]] Result<WinePrefix> fromEnvironment(const WineEnvironment& environment);

// The failure of fromEnvironment when $WINEPREFIX is set and not a prefix; none otherwise.
[[nodiscard]] std::optional<FileFailure> environmentFailure(const WineEnvironment& environment);

// ~/.wine, when it is a prefix.
[[nodiscard]] std::optional<WinePrefix> homeWine(const WineEnvironment& environment);

// `path` as a user writes it in a label: the home folder as "~".
[[nodiscard]] QString shortened(const QString& path, const QString& home);

// A prefix as a message names it: "~/.wine", or "QEL Pro Football 2011" (~/.local/share/...).
[[nodiscard]] QString described(const WinePrefix& prefix, const QString& home);

// Where `prefixes` were found, for a message: "~/.wine and 3 Steam prefixes".
[[nodiscard]] QString whereFound(const QList<WinePrefix>& prefixes);

// `folder` read as a prefix (a folder holding drive_c or dosdevices) named `name` in labels; none
// when it is not one. Without dosdevices, C: is drive_c, as Wine has it.
[[nodiscard]] std::optional<WinePrefix> read(const QString& folder, const QString& name,
                                             int dosdevicesEntries = 128);

} // namespace winePrefixes

} // namespace zorbin
