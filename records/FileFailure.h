// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace zorbin {

// What went wrong with which file, carried up to the one place that tells the user.
struct FileFailure {
    QString action; // what was being done, e.g. "read" or "write"
    QString path;   // the file as the user or the caller named it
    QString reason; // the system's reason

    // One line for a message box or standard error: Could not read "/x/qelteam.dat": Is a directory
    [[nodiscard]] QString message() const {
        return QStringLiteral("Could not %1 \"%2\": %3").arg(action, path, reason);
    }
};

} // namespace zorbin
