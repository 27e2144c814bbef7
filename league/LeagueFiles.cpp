// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "league/LeagueFiles.h"

#include "files/CaseInsensitivePath.h"
#include "wine/UserPath.h"

#include <QDir>
#include <QFileInfo>

namespace zorbin {

QString leagueFiles::folderString(const QString& path) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

QString leagueFiles::pathIn(const QString& folder, const QString& fileName) {
    const QString joined = folder + QLatin1Char('/') + fileName;
    const QString found = caseInsensitivePath::resolve(joined);
    return folder + QLatin1Char('/') + QFileInfo(found).fileName();
}

QString leagueFiles::pathBoxText(const QString& folder, const QString& fileName) {
    const QString exact = folder + QLatin1Char('/') + fileName;
    if (QFileInfo(exact).isFile())
        return exact;
    // Another spelling may be a file where the exact one is a folder, so only files take part.
    const QStringList entries =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& entry : entries) {
        const QString path = folder + QLatin1Char('/') + entry;
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0 && QFileInfo(path).isFile())
            return path;
    }
    return {};
}

Result<userPath::Resolved> leagueFiles::userFolder(const QString& text,
                                                   const WineEnvironment& wine) {
    Result<userPath::Resolved> resolved = userPath::resolve(text, wine);
    if (resolved)
        resolved.value().path = folderString(resolved->path);
    return resolved;
}

QString leagueFiles::typedFile(const QString& text, const WineEnvironment& wine) {
    return userPath::pathOrText(text, wine);
}

} // namespace zorbin
