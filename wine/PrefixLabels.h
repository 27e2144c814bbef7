// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wine/WinePrefix.h"

#include <QChar>
#include <QList>
#include <QString>

// How prefixes are named to the user: in drive lists, where no two may read alike, and in messages.
namespace zorbin::winePrefixes {

// The launcher as the user knows it: "Steam", "Lutris", "winetricks".
[[nodiscard]] QString launcherName(WineLauncher launcher);

// A drive as a drive list shows it: "C: (~/.wine)".
[[nodiscard]] QString driveLabel(QChar letter, const QString& label);

// Gives each of `prefixes` a label that no other shows, so that no two drives in a list read
// alike: the name alone, where it is unique and no launcher's record names the prefix; else with
// the launcher, "QEL Pro, Lutris"; where that still collides (one game in two Steam libraries),
// with the library too, or the prefix's own folder when the library does not tell them apart. The
// name is left as it is, for messages.
void labelApart(QList<WinePrefix>& prefixes, const QString& home);

// `path` as a user writes it in a label: the home folder as "~".
[[nodiscard]] QString shortened(const QString& path, const QString& home);

// A prefix as a message names it: "~/.wine", or "QEL Pro Football 2011" (~/.local/share/...).
[[nodiscard]] QString described(const WinePrefix& prefix, const QString& home);

// Where `prefixes` were found, for a message: "~/.wine and 3 Steam prefixes".
[[nodiscard]] QString whereFound(const QList<WinePrefix>& prefixes);

} // namespace zorbin::winePrefixes
