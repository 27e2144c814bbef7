// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"

#include <optional>
#include <QString>

// QEL and its users name files without regard to letter case ("MissDir.Txt" and "MissDir.txt" are
// one file), while this platform's file names are case-sensitive.
namespace zorbin::caseInsensitivePath {

// The path of the entry in the folder of `path` whose name matches the last component of `path`
// without regard to case: the exact spelling when it exists, else the first match in sorted order.
// `path` itself when nothing matches, so a file to be created keeps the caller's name and a file
// that exists in another case is rewritten rather than doubled.
[[nodiscard]] QString resolve(const QString& path);

// Windows, and Wine for the programs it runs, match every component of a path that way, and a path
// a user types or an old remembered file holds relies on it. `path` with each component replaced,
// from the root down, by the entry of its folder that matches it: the exact spelling when it is
// there, else the first match in sorted order. A component that matches nothing ends the search,
// and it and the rest stay as given. `path` itself, unchanged, when it exists as spelled or nothing
// was replaced; a relative path is matched below the working folder and stays relative. At most one
// folder read per component.
[[nodiscard]] QString resolveWholePath(const QString& path);

// `path` as a message names it: absolute (a relative path is joined to the working folder), clean,
// and spelled as on disk as far as it exists.
[[nodiscard]] QString absolute(const QString& path);

// Why a path names an entry that is there: its name is not valid UTF-8, so a path can't spell it.
inline const QString unspellableReason = QStringLiteral("Its name is not valid UTF-8");

// Why `path`, found as resolveWholePath finds it, can't be looked at: nothing when it can. The
// failure, for `action`, names the absolute path and carries the system's reason; it is marked
// missing only when nothing of that name is there. A folder on the way that can't be entered, or
// can't be read for the case-blind search, gives its own reason ("Permission denied"), never "No
// such file or directory"; so does an entry whose name is not valid UTF-8, which the path could
// only spell with U+FFFD (unspellableReason).
[[nodiscard]] std::optional<FileFailure> lookupFailure(const QString& path, const QString& action);

} // namespace zorbin::caseInsensitivePath
