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

// Whether writing `target` would write `own`: one file where both exist (reached in another letter
// case, through a link or by a second name), else one place once links are followed.
bool writes(const QString& target, const QString& own) {
    const auto written = statusOf(target);
    const auto kept = statusOf(own);
    if (written || kept)
        return written && kept && written->st_dev == kept->st_dev &&
               written->st_ino == kept->st_ino;
    const QFileInfo reached(finalTarget(target));
    const QFileInfo ownPlace(finalTarget(own));
    const QString folder = QFileInfo(reached.absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && folder == QFileInfo(ownPlace.absolutePath()).canonicalFilePath() &&
           reached.fileName().compare(ownPlace.fileName(), Qt::CaseInsensitive) == 0;
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
                                   const QStringList& leagueFiles, const QStringList& ownFiles) {
    if (namesAGameFile(chosen) || namesAGameFile(target))
        return refused(target, QStringLiteral("This is a QEL data file"));
    const QString reached = finalTarget(target);
    if (namesAGameFile(reached))
        return refused(target,
                       QStringLiteral("This leads to the QEL data file \"%1\"").arg(reached));

    for (const QString& own : ownFiles) {
        const QString kept = caseInsensitivePath::absolute(caseInsensitivePath::resolve(own));
        if (!writes(target, kept))
            continue;
        const QString named = caseInsensitivePath::absolute(target);
        const QString which =
            named == kept ? QStringLiteral("This is the file")
                          : QStringLiteral("This is \"%1\" under another name, the file").arg(kept);
        return FileFailure{QStringLiteral("write"), named,
                           which + QStringLiteral(" where Zorbin remembers its folders; Zorbin "
                                                  "never writes a list over it")};
    }

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
