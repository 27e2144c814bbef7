// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/WriteTarget.h"

#include "files/CaseInsensitivePath.h"
#include "files/GameFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zorbin::writeTarget {

namespace {

// The kernel gives up on longer chains of links; so does this.
constexpr int mostLinksFollowed = 40;

bool namesAGameFile(const QString& path) {
    return gameFiles::isGameFileName(QFileInfo(path).fileName());
}

std::optional<struct stat> statusOf(const QString& path) {
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

FileFailure refused(const QString& target, const QString& reason) {
    return FileFailure{QStringLiteral("write"), caseInsensitivePath::absolute(target),
                       reason + QStringLiteral("; Zorbin never changes the game's files")};
}

} // namespace

QString finalTarget(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    QString current = path;
    for (int step = 0; step < mostLinksFollowed && QFileInfo(current).isSymLink(); ++step)
        current = caseInsensitivePath::resolve(QFileInfo(current).symLinkTarget());
    return current;
}

QString resolve(const QString& chosen) {
    return caseInsensitivePath::resolve(chosen);
}

std::optional<FileFailure> refusal(const QString& chosen, const QString& target,
                                   const QStringList& leagueFiles) {
    if (namesAGameFile(chosen) || namesAGameFile(target))
        return refused(target, QStringLiteral("This is a QEL data file"));
    const QString reached = finalTarget(target);
    if (namesAGameFile(reached))
        return refused(target,
                       QStringLiteral("This leads to the QEL data file \"%1\"").arg(reached));

    const auto written = statusOf(target);
    if (!written)
        return std::nullopt;
    for (const QString& gameFile : leagueFiles) {
        const auto game = statusOf(gameFile);
        if (game && game->st_dev == written->st_dev && game->st_ino == written->st_ino)
            return refused(target,
                           QStringLiteral("This is the QEL data file \"%1\" under another name")
                               .arg(gameFile));
    }
    return std::nullopt;
}

QStringList gameFilesIn(const QStringList& folders) {
    QStringList files;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        for (const QString* name : {&gameFiles::player, &gameFiles::team, &gameFiles::master}) {
            const QString found = caseInsensitivePath::resolve(QDir(folder).filePath(*name));
            if (QFileInfo::exists(found))
                files.append(found);
        }
    }
    return files;
}

} // namespace zorbin::writeTarget
