// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "records/FileFailure.h"

#include <QString>
#include <QStringList>
#include <variant>

namespace zorbin {

// One reading of a folder for a picker column: its subfolders and the files that match the
// column's file name.
struct FolderListing {
    QStringList subfolders;    // names, sorted without regard to case; hidden ones last
    QStringList matchingFiles; // names as on disk; the exact spelling of the pattern first

    // Reads `folder`. A folder that can't be read (gone, not a folder, no permission) gives the
    // failure with the system's reason.
    [[nodiscard]] static std::variant<FolderListing, FileFailure> read(const QString& folder,
                                                                       const QString& pattern);

    // A folder as the columns hold it: a full, clean path that ends in "/" only at the root.
    [[nodiscard]] static QString folderString(const QString& path);

    // `folder` and every folder above it, from the root down.
    [[nodiscard]] static QStringList ancestorChain(const QString& folder);
};

} // namespace zorbin
