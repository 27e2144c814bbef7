// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/FileFailure.h"
#include "files/Result.h"
#include "wine/WineDiscovery.h"

#include <optional>
#include <QString>
#include <QStringList>

namespace zorbin {

// A path as a user types it, a remembered-folder file holds it or the report tool is given it:
// native, or a Windows path ("C:\Games\QEL\", written by the original program under Wine). Either
// way every component is matched without regard to letter case, as Windows and Wine do. Which
// prefix a Windows path is read through is the caller's choice; these are the steps it takes.
namespace userPath {

struct Resolved {
    QString path;      // the path on this machine
    QString driveRoot; // a Windows path's Wine drive root; empty for a native path
    // The Wine prefix a Windows path was read through; empty for a native path.
    QString prefixFolder;
};

// Why `text` can name nothing anywhere: a NUL character; for a Windows path, a "." or ".." step or
// a "/". Nothing when it may name something.
[[nodiscard]] std::optional<FileFailure> unusable(const QString& text);

// `text` as a path of this machine when it names one without a prefix's own drive: a native path
// (made absolute), or a Windows path through Z:, Wine's whole file system; empty otherwise.
[[nodiscard]] QString onThisMachine(const QString& text);

// A native `text` matched to the disk without regard to case.
[[nodiscard]] Resolved native(const QString& text);

// A Windows path through `prefix`; the failure when the prefix has no such drive or the path is
// unusable. The path need not exist.
[[nodiscard]] Result<Resolved> fromWindows(const QString& text, const WinePrefix& prefix);

// `native`, a path on this machine, as a Windows path of `prefix`: through the drive whose root
// holds it most closely (Z:, the whole file system, last). Nothing when no drive holds it.
[[nodiscard]] std::optional<QString> toWindows(const QString& native, const WinePrefix& prefix);

// True when `path` is `root` or lies below it; both clean and absolute, `root` possibly ending in
// "/".
[[nodiscard]] bool isWithin(const QString& path, const QString& root);

// Which of `roots` holds `path` most closely: the longest that it lies within, so that a drive
// whose folder is inside another drive's is the one; -1 when none holds it. Every answer to
// "which drive, prefix or volume holds this folder" is this one.
[[nodiscard]] qsizetype closestRoot(const QString& path, const QStringList& roots);

// A drive whose root is the whole file system reads the same through every prefix.
[[nodiscard]] bool isWholeFileSystem(const WineDrive& drive);

// Why no prefix of `discovery` holds `text`, where prefixes were looked for, and whether setting
// WINEPREFIX could help.
[[nodiscard]] FileFailure heldByNone(const QString& text, const WineDiscovery& discovery);

} // namespace userPath

} // namespace zorbin
