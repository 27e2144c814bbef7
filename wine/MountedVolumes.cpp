// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/MountedVolumes.h"

#include "wine/WinePrefix.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

namespace zorbin {

namespace {

// Kernel and memory file systems: nobody keeps a league there, and listing them would bury the
// disks. The volume of a folder the user is in is shown whatever its type.
bool isSystemFileSystem(const QByteArray& type) {
    static const QSet<QByteArray> systemTypes = {
        "autofs",     "binfmt_misc", "bpf",      "cgroup",   "cgroup2", "configfs",
        "debugfs",    "devpts",      "devtmpfs", "efivarfs", "fusectl", "hugetlbfs",
        "mqueue",     "nsfs",        "proc",     "pstore",   "ramfs",   "rpc_pipefs",
        "securityfs", "selinuxfs",   "squashfs", "sysfs",    "tmpfs",   "tracefs"};
    return systemTypes.contains(type);
}

} // namespace

QStringList mountedVolumes::roots() {
    QStringList roots;
    const auto volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo& volume : volumes) {
        if (!volume.isValid() || !volume.isReady() || isSystemFileSystem(volume.fileSystemType()))
            continue;
        // Files bind-mounted into containers show up as volumes too.
        if (!QFileInfo(volume.rootPath()).isDir())
            continue;
        if (!roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    roots.sort();
    return roots;
}

QList<Drive> mountedVolumes::drives(const QList<WinePrefix>& prefixes) {
    QList<Drive> drives;
    for (const QString& root : roots())
        drives.append({root, root});
    for (const WinePrefix& prefix : prefixes) {
        for (const WineDrive& drive : prefix.drives) {
            // Z: is the whole file system, which "/" already offers.
            if (drive.letter != QLatin1Char('Z'))
                drives.append({drive.label, drive.root});
        }
    }
    return drives;
}

QString mountedVolumes::rootHolding(const QString& path) {
    QString existing = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    while (!QFileInfo::exists(existing) && !QDir(existing).isRoot())
        existing = QFileInfo(existing).path();
    const QStorageInfo volume(existing);
    return volume.isValid() ? volume.rootPath() : QDir::rootPath();
}

} // namespace zorbin
