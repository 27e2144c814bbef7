// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueFiles.h"

#include "files/CaseInsensitivePath.h"
#include "wine/MountedVolumes.h"
#include "wine/UserPath.h"

#include <QDir>
#include <QFileInfo>

namespace zorbin {

QString leagueFiles::folderString(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString leagueFiles::pathIn(const QString& folder, const QString& fileName) {
    const QString exact = folder + QLatin1Char('/') + fileName;
    const QFileInfo exactInfo(exact);
    if (exactInfo.isFile() && exactInfo.size() > 0)
        return exact;
    // Another spelling may be the file where the exact one is a folder, or hold the records where
    // the exact one is empty, as a save that crashed leaves it beside a copy that did not.
    QString empty = exactInfo.isFile() ? exact : QString();
    const QStringList files =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : files) {
        const QString path = folder + QLatin1Char('/') + entry;
        if (entry.compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        const QFileInfo info(path);
        if (info.isFile() && info.size() > 0)
            return path;
        if (info.isFile() && empty.isEmpty())
            empty = path;
    }
    if (!empty.isEmpty())
        return empty;
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

QString leagueFiles::driveHolding(const QString& folder, const QStringList& driveRoots) {
    const QString volume = mountedVolumes::rootHolding(folder);
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty())
        return volume;
    const qsizetype closest = userPath::closestRoot(canonical, driveRoots);
    return closest >= 0 && driveRoots[closest].size() > volume.size() ? driveRoots[closest]
                                                                      : volume;
}

} // namespace zorbin
