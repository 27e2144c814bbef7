// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Where a league's files are, found the same way by the window's picker columns and by every run,
// so that the window and the tools read the same files from the same folders.
namespace zorbin::leagueFiles {

// A folder as the columns hold it: a full, clean path that ends in "/" only at the root. A relative
// path is taken from the process's working folder.
[[nodiscard]] QString folderString(const QString& path);

// The file named `fileName` in `folder`: the regular file of that name that holds something, the
// exact spelling first, else the first without regard to case in sorted order; else an empty one,
// in the same order; a folder or other entry of that name is not it. When no regular file has the
// name, the entry that has it (whose reading then fails with its own reason), else `fileName` as
// given. Joined with "/" without looking at the folder's last character, so the root gives "//", as
// the path boxes show it.
[[nodiscard]] QString pathIn(const QString& folder, const QString& fileName);

// The file a path the user named stands for: itself, or the file named `fileName` in the folder it
// names (pathIn()). A folder that bears the file's own name stands in the file's place and is read
// as that, failing for what it is. Without a `fileName`, the path itself.
[[nodiscard]] QString fileNamedBy(const QString& path, const QString& fileName);

// What a column's path box shows for `folder`: pathIn() when that is a regular file; empty when
// the folder holds no such file.
[[nodiscard]] QString pathBoxText(const QString& folder, const QString& fileName);

// The root of the drive a picker column shows for `folder`: of `driveRoots` (a drive list's), the
// one that holds it most closely when that lies inside the volume that holds it, else that volume's
// root. A folder reached through a link (dosdevices/c:/...) belongs where the link leads, and a
// Wine drive inside a volume wins over the volume, the volume over a Wine drive with the same root.
[[nodiscard]] QString driveHolding(const QString& folder, const QStringList& driveRoots);

} // namespace zorbin::leagueFiles
