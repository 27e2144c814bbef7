// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "wine/WinePrefixes.h"

#include <optional>
#include <QString>

namespace zorbin {

// A path as a user types it, a remembered-folder file holds it or the report tool is given it:
// native, or a Windows path ("C:\Games\QEL\", written by the original program under Wine). Either
// way every component is matched without regard to letter case, as Windows and Wine do.
namespace userPath {

struct Resolved {
    QString path;      // the path on this machine
    QString driveRoot; // a Windows path's Wine drive root; empty for a native path
    // The Wine prefix a Windows path was read through; empty for a native path.
    QString prefixFolder;
    // Which prefix a Windows path was read through, when that was not ~/.wine, for a user who may
    // keep copies of a league in several: empty otherwise.
    QString note;
};

// True when `text` starts with a drive letter and a colon followed by nothing or a separator.
[[nodiscard]] bool isWindowsPath(const QString& text);

// `text` on this machine. A Windows path goes through $WINEPREFIX when it is set (and fails when
// that is not a prefix); else through ~/.wine when the path is there, else through the first
// prefix that holds it, in the order discovery offers them. The failure says why the text can't
// name anything here: a NUL character, a Windows path that steps with "." or "..", holds "/", or
// that no prefix holds, with where prefixes were looked for.
[[nodiscard]] Result<Resolved> resolve(const QString& text, const WineEnvironment& environment);

// Where a Windows path that resolve() finds in no prefix would be: through $WINEPREFIX, else the
// first prefix in discovery's order (~/.wine before the others) that has its drive letter. For a
// remembered folder that has gone, whose column still rests on its drive.
[[nodiscard]] std::optional<Resolved> onDrive(const QString& text,
                                              const WineEnvironment& environment);

// A Windows path through `prefix`.
[[nodiscard]] Result<Resolved> fromWindows(const QString& text, const WinePrefix& prefix);

// The path to use for `text`: the resolved path, or `text` as given when it can't be resolved, so
// that whatever then fails names what the user wrote.
[[nodiscard]] QString pathOrText(const QString& text, const WineEnvironment& environment);

} // namespace userPath

} // namespace zorbin
