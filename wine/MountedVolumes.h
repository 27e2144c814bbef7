// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "wine/Drive.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zorbin {

struct WinePrefix;

// What the drive lists offer on a platform without drive letters: the mounted volumes that hold
// ordinary files, each named by the folder it is mounted on, and the drive letters of the Wine
// prefixes where a Windows game keeps its files.
namespace mountedVolumes {

// Root paths of the volumes that are valid, ready and real file systems, sorted.
[[nodiscard]] QStringList roots();

// The volumes, then the drives of `prefixes` (z:, the whole file system, left out).
[[nodiscard]] QList<Drive> drives(const QList<WinePrefix>& prefixes);

// Root path of the volume that holds `path`. A path that no longer exists belongs to the volume
// of its nearest existing ancestor.
[[nodiscard]] QString rootHolding(const QString& path);

} // namespace mountedVolumes

} // namespace zorbin
