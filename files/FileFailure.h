// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// What went wrong with which file, carried up to the one place that tells the user. Actions return
// std::optional<FileFailure>; queries return Result<T>, a value or this.
struct FileFailure {
    QString action; // what was being done, e.g. "read" or "write"
    QString path;   // the file by its absolute path, spelled as on disk where it exists; a text
                    // that names no file here (a Windows path) as the user gave it
    QString reason; // the system's reason
    // Nothing of that name exists; callers that treat a missing file as empty, or name it in a
    // message of their own, tell this apart from a file that is there but unusable.
    bool missing = false;
    // Where a Windows path in `path` was looked for on this machine; empty otherwise.
    QString readAs = {};

    // One line for a message box or standard error: Could not read "/x/qelteam.dat": Is a directory
    [[nodiscard]] QString message() const {
        if (!readAs.isEmpty())
            return QStringLiteral("Could not %1 \"%2\" (read as \"%3\"): %4")
                .arg(action, path, readAs, reason);
        return QStringLiteral("Could not %1 \"%2\": %3").arg(action, path, reason);
    }
};

} // namespace zorbin
