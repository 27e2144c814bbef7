// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>
#include <QString>
#include <QStringList>

// Bounded looks into the folders where Wine prefixes are kept, which may be crowded, slow or
// closed.
namespace zorbin::folderEntries {

// Up to `limit` entry names of `folder`, hidden ones too, sorted so that a bounded read is still
// predictable.
[[nodiscard]] QStringList some(const QString& folder, int limit, QDir::Filters filters,
                               const QStringList& nameFilters = {});

// Device and inode of what `path` leads to, as text: one folder reached by two routes (a linked
// Steam root, a library that native and flatpak Steam share, a bind mount) is one folder. Empty
// when it can't be reached.
[[nodiscard]] QString identity(const QString& path);

} // namespace zorbin::folderEntries
