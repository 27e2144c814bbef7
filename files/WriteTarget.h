// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QString>
#include <QStringList>

// The files Zorbin writes (exported lists, the remembered folders) and the rule that keeps every
// such write off the game's data files.
namespace zorbin::writeTarget {

// The file writing to `chosen` replaces: the existing entry of its folder whose name matches
// without regard to letter case, so "GONE.TXT" rewrites "gone.txt" rather than adding a second
// file beside it; `chosen` itself when nothing matches.
[[nodiscard]] QString resolve(const QString& chosen);

// Where writing `path` ends up once every symbolic link is followed. A link that leads nowhere is
// followed as far as it goes, since writing through it would create the file it names.
[[nodiscard]] QString finalTarget(const QString& path);

// Why `target` must not be written, or nothing when it may be. Nothing Zorbin writes may land on a
// game data file: not by name, not through symbolic links leading to one, and not as another name
// (a hard link) of one of `leagueFiles`. Nor may it land on one of `ownFiles`, files Zorbin keeps
// for itself (the remembered folders), by any letter case, link or second name. The failure names
// `target` by its absolute path.
[[nodiscard]] std::optional<FileFailure> refusal(const QString& chosen, const QString& target,
                                                 const QStringList& leagueFiles,
                                                 const QStringList& ownFiles = {});

// The game data files that `folders` hold, whatever letter case they bear on disk.
[[nodiscard]] QStringList gameFilesIn(const QStringList& folders);

} // namespace zorbin::writeTarget
