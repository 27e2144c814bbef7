// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "files/Result.h"

#include <QString>
#include <QStringList>

namespace zorbin {

// One reading of a folder for a picker column: its subfolders and the files that match the
// column's file name.
struct FolderListing {
    QStringList subfolders;    // names, sorted without regard to case; hidden ones last
    QStringList matchingFiles; // names as on disk; the exact spelling of the pattern first

    // Reads `folder`. A folder that can't be read (gone, not a folder, no permission) gives the
    // failure with the system's reason.
    [[nodiscard]] static Result<FolderListing> read(const QString& folder, const QString& pattern);

    // `folder` and every folder above it, from the root down.
    [[nodiscard]] static QStringList ancestorChain(const QString& folder);
};

} // namespace zorbin
