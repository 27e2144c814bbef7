// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wine/FolderEntries.h"

#include <cerrno>
#include <QDirIterator>
#include <QFile>
#include <sys/stat.h>

namespace zorbin {

QStringList folderEntries::some(const QString& folder, int limit, QDir::Filters filters,
                                const QStringList& nameFilters) {
    QStringList names;
    QDirIterator entries(folder, nameFilters, filters | QDir::Hidden | QDir::NoDotAndDotDot);
    while (names.size() < limit && entries.hasNext())
        names.append(entries.nextFileInfo().fileName());
    names.sort();
    return names;
}

QString folderEntries::identity(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QStringLiteral("%1:%2")
        .arg(static_cast<qulonglong>(status.st_dev))
        .arg(static_cast<qulonglong>(status.st_ino));
}

std::optional<QString> folderEntries::hiddenReason(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0)
        return std::nullopt;
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
        return std::nullopt;
    return qt_error_string(error);
}

} // namespace zorbin
