// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
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

// Why `path` can't be looked at when something is in the way (a folder on the way that can't be
// entered, an I/O error, a loop of links); nothing when it is there or simply absent. Hidden is
// not absent: what is behind may be the very record or prefix looked for.
[[nodiscard]] std::optional<QString> hiddenReason(const QString& path);

} // namespace zorbin::folderEntries
