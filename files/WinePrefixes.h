// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <optional>
#include <QList>
#include <QString>

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
    QString label; // as the drive lists show it: "C: (~/.wine)"
};

struct WinePrefix {
    QString folder;          // canonical path
    QString name;            // short, for labels: "~/.wine", "Steam 22380", "Bottles Games"
    QList<WineDrive> drives; // by letter; z: (the whole file system) left out

    // The drive with `letter` (either case), when the prefix has it.
    [[nodiscard]] std::optional<WineDrive> drive(QChar letter) const;
};

// Discovery runs at start-up and each time a drive list opens, and launcher folders can hold
// thousands of entries or sit on slow disks: it stops at whichever bound it meets first.
struct WineDiscoveryLimits {
    int prefixes = 64;                  // prefixes returned
    int entriesPerLauncherFolder = 512; // entries read from one launcher folder
    int entriesPerDosdevices = 128;     // entries read from one dosdevices folder
    std::chrono::milliseconds time{100};
};

namespace winePrefixes {

// The prefixes of `environment`, each once, in this order: $WINEPREFIX, ~/.wine, then those of
// Steam (compatdata/*/pfx), Bottles, Lutris (~/Games/*) and PlayOnLinux, each launcher's sorted by
// name. A folder that can't be read, a dangling or looping link, or anything that is not a prefix
// is passed over without a word.
[[nodiscard]] QList<WinePrefix> discover(const WineEnvironment& environment,
                                         const WineDiscoveryLimits& limits = {});

// The prefix Windows paths are read through: $WINEPREFIX, else ~/.wine, else the only prefix found.
[[nodiscard]] std::optional<WinePrefix> defaultPrefix(const WineEnvironment& environment,
                                                      const WineDiscoveryLimits& limits = {});

// `folder` read as a prefix (a folder holding dosdevices/ and drive_c/) named `name` in labels;
// none when it is not one.
[[nodiscard]] std::optional<WinePrefix> read(const QString& folder, const QString& name,
                                             int dosdevicesEntries = 128);

} // namespace winePrefixes

} // namespace zorbin
