// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace zorbin::exportTarget {

// The file an export to `chosen` writes: the existing entry of its folder whose name matches
// without regard to letter case, so "GONE.TXT" rewrites "gone.txt" rather than adding a second
// list beside it; `chosen` itself when nothing matches.
[[nodiscard]] QString resolve(const QString& chosen);

// Why `target` must not be written, or nothing when it may be. A list must never land on a game
// data file: not by name, not through symbolic links leading to one, and not as another name (a
// hard link) of one of `leagueFiles`. The failure names `chosen`, the name the user gave.
[[nodiscard]] std::optional<FileFailure> refusal(const QString& chosen, const QString& target,
                                                 const QStringList& leagueFiles);

// The game data files that `folders` hold, whatever letter case they bear on disk.
[[nodiscard]] QStringList gameFilesIn(const QStringList& folders);

} // namespace zorbin::exportTarget
