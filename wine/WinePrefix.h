// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <QChar>
#include <QList>
#include <QString>

namespace zorbin {

// One drive letter of a prefix: the folder its dosdevices link leads to.
struct WineDrive {
    QChar letter;  // upper case
    QString root;  // canonical path of the folder the link points to
    QString label; // as the drive lists show it: "C: (~/.wine)", from the prefix's label
};

// A drive letter whose link leads nowhere now: an unplugged disk, an unmounted partition. What it
// holds can't be told, which is not the same as holding nothing.
struct UnreachableDrive {
    QChar letter;   // upper case
    QString target; // where the link points, as it holds it
};

// Which launcher made a prefix, for telling the user where prefixes were looked for.
enum class WineLauncher {
    Wine,
    Steam,
    Lutris,
    Bottles,
    Heroic,
    Winetricks,
    PlayOnLinux,
    Umu,
    Faugus
};

struct WinePrefix {
    QString folder; // canonical path
    // For messages: "~/.wine", "QEL Pro Football 2011", "Steam 22380", "Non-Steam game 3022145790".
    QString name;
    QList<WineDrive> drives; // by letter, z: (the whole file system) included
    QList<UnreachableDrive> unreachable{};
    WineLauncher launcher = WineLauncher::Wine;
    bool installedGame = false; // a Steam prefix whose game's manifest names it
    // The folder its launcher keeps it in: the Steam library, Heroic's folder of prefixes for its
    // Wine, Lutris's ~/Games and the like; empty for a prefix named by its own path.
    QString library{};
    // Named by its launcher's own record of the game or bottle, rather than found in a folder: its
    // label always says the launcher, "QEL Pro, Lutris".
    bool recorded = false;
    // The name as drive lists show it, unique among one discovery's prefixes: where two share a
    // name, the launcher is added, and where that is not enough the library (or else the folder),
    // as in "QEL Pro Football 2011, Steam, ~/sd/SteamLibrary". The name itself elsewhere.
    QString label{};

    // The drive with `letter` (either case), when the prefix has it.
    [[nodiscard]] std::optional<WineDrive> drive(QChar letter) const;
    // The drive with `letter` whose link leads nowhere, when there is one.
    [[nodiscard]] std::optional<UnreachableDrive> unreachableDrive(QChar letter) const;
};

namespace winePrefixes {

// True when `folder` holds drive_c or dosdevices, as a Wine prefix does.
[[nodiscard]] bool isPrefixFolder(const QString& folder);

// `folder` read as a prefix (a folder holding drive_c or dosdevices) named `name` in labels; none
// when it is not one. Without dosdevices, C: is drive_c, as Wine has it.
[[nodiscard]] std::optional<WinePrefix> read(const QString& folder, const QString& name,
                                             int dosdevicesEntries = 128);

} // namespace winePrefixes

} // namespace zorbin
