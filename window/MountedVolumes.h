// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

namespace zorbin {

// What the drive lists offer on a platform without drive letters: the mounted volumes that hold
// ordinary files, each named by the folder it is mounted on.
class MountedVolumes {
public:
    // Root paths of the volumes that are valid, ready and real file systems, sorted.
    [[nodiscard]] static QStringList roots();

    // Root path of the volume that holds `path`. A path that no longer exists belongs to the volume
    // of its nearest existing ancestor.
    [[nodiscard]] static QString rootHolding(const QString& path);
};

} // namespace zorbin
