// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "wine/WineEnvironment.h"
#include "wine/WinePrefix.h"

#include <chrono>
#include <QList>
#include <QStringList>

namespace zorbin {

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

// What a discovery found, and what it could not look at: a prefix there may hold a league too.
struct WineDiscovery {
    QList<WinePrefix> prefixes;
    bool cutShort = false; // it stopped at a bound before the end
    // The folders it did not search to the end because it stopped, and the launchers' records it
    // did not read, as a user writes them ("~/.local/share/Steam/steamapps/compatdata").
    QStringList notSearched;
    // Folders that may hold prefixes, and launchers' records that may name some, that could not be
    // read.
    QList<FileFailure> unreadable;
};

namespace winePrefixes {

// The prefixes of `environment`, each once (by device and inode), in this order: $WINEPREFIX, the
// prefixes holding `foldersInUse` (the folders the user is known to use: found whatever the
// bounds), ~/.wine, then those of installed Steam games, then the rest (Steam prefixes without a
// game, Lutris, Heroic, Bottles, umu, Faugus, winetricks, PlayOnLinux, ~/.wine-* siblings), each
// group sorted by name without regard to case; no two show the same label. The prefixes and
// folders that the launchers' own records name come first, wherever the player put them; then the
// launchers' few folders are searched before Steam's, and Steam's installed games before its other
// prefixes, so that the bounds cut the long tail. Steam prefixes are looked for in every library
// that a Steam root's libraryfolders.vdf names. A dangling or looping link, or anything that is not
// a prefix, is passed over without a word; a folder or launcher's record that can't be read is told
// in `unreadable`.
[[nodiscard]] WineDiscovery discoverAll(const WineEnvironment& environment,
                                        const WineDiscoveryLimits& limits = {},
                                        const QStringList& foldersInUse = {});
[[nodiscard]] QList<WinePrefix> discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits = {},
                                         const QStringList& foldersInUse = {});

} // namespace winePrefixes

} // namespace zorbin
