// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueFiles.h"

#include "files/CaseInsensitivePath.h"

#include <QDir>
#include <QFileInfo>

namespace zorbin {

QString leagueFiles::folderString(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString leagueFiles::pathIn(const QString& folder, const QString& fileName) {
    const QString exact = folder + QLatin1Char('/') + fileName;
    if (QFileInfo(exact).isFile())
        return exact;
    // Another spelling may be the file where the exact one is a folder.
    const QStringList files =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : files) {
        const QString path = folder + QLatin1Char('/') + entry;
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0 && QFileInfo(path).isFile())
            return path;
    }
    return folder + QLatin1Char('/') + QFileInfo(caseInsensitivePath::resolve(exact)).fileName();
}

QString leagueFiles::fileNamedBy(const QString& path, const QString& fileName) {
    const QFileInfo info(path);
    if (fileName.isEmpty() || !info.isDir() ||
        info.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
        return path;
    return pathIn(path, fileName);
}

QString leagueFiles::pathBoxText(const QString& folder, const QString& fileName) {
    const QString path = pathIn(folder, fileName);
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace zorbin
