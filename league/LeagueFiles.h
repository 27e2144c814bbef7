// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/Result.h"
#include "wine/UserPath.h"
#include "wine/WinePrefixes.h"

#include <QString>

// Where a league's files are, found the same way by the window's picker columns and the report
// tool, so both read the same files from the same folders.
namespace zorbin::leagueFiles {

// A folder as the columns hold it: a full, clean path that ends in "/" only at the root. A relative
// path is taken from the process's working folder.
[[nodiscard]] QString folderString(const QString& path);

// `fileName` in `folder`, spelled as on disk: the exact spelling when it exists, else the first
// match without regard to case in sorted order, else `fileName` as given. Joined with "/" without
// looking at the folder's last character, so the root gives "//", as the path boxes show it.
[[nodiscard]] QString pathIn(const QString& folder, const QString& fileName);

// What a column's path box shows for `folder`: the path of the regular file named `fileName`, the
// exact spelling first, else the first match without regard to case in sorted order; empty when the
// folder holds no such file.
[[nodiscard]] QString pathBoxText(const QString& folder, const QString& fileName);

// A folder a user names, as the columns hold it (in `path`): native or a Windows path read through
// the Wine prefix of `wine` that holds it, every component matched without regard to letter case.
// The failure says why the text can name nothing here (no prefix holds it, a Windows path stepping
// with "..").
[[nodiscard]] Result<userPath::Resolved> userFolder(const QString& text,
                                                    const WineEnvironment& wine);

// The file a typed path box names, found the same way; the text as typed when it names nothing
// here, so that what then fails names what the user wrote.
[[nodiscard]] QString typedFile(const QString& text, const WineEnvironment& wine);

} // namespace zorbin::leagueFiles
