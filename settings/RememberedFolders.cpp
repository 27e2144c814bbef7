// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/RememberedFolders.h"

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "files/FileReplacer.h"
#include "files/UserPath.h"
#include "files/WriteTarget.h"
#include "records/Windows1252.h"
#include "settings/RememberedFieldReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zorbin {

namespace {
// Entries are folder paths; anything beyond this cannot be one, and a runaway file must not be
// loaded whole at start-up.
constexpr qint64 largestReadBytes = 1024 * 1024;

// An entry runs from quote to quote on one line, so a folder holding any of these would be read
// back cut short: silently another folder.
bool fitsAnEntry(const QString& folder) {
    return !folder.contains(QLatin1Char('"')) && !folder.contains(QLatin1Char('\r')) &&
           !folder.contains(QLatin1Char('\n'));
}
} // namespace

RememberedFolders::RememberedFolders(QString workingFolder, WineEnvironment wine)
    : workingFolder_(std::move(workingFolder)), wine_(std::move(wine)) {}

QByteArray RememberedFolders::entryLine(const QString& folder) {
    QByteArray line;
    line += '"';
    line += QFile::encodeName(folder);
    line += '/';
    line += "\"\r\n";
    return line;
}

QString RememberedFolders::entryText(const QByteArray& entry) {
    return userPath::isWindowsPath(QString::fromLatin1(entry.left(3))) ? windows1252::decode(entry)
                                                                       : QFile::decodeName(entry);
}

QStringList RememberedFolders::filesIn(const QString& workingFolder) {
    const RememberedFolders files(workingFolder, {});
    return {files.pathOf(seasonFileReadName), files.pathOf(masterFileReadName)};
}

QString RememberedFolders::pathOf(const QString& name) const {
    // Absolute at each access, so that every message names the file wherever it was started.
    return caseInsensitivePath::resolve(
        QDir::cleanPath(QDir(workingFolder_).absoluteFilePath(name)));
}

std::optional<FileFailure> RememberedFolders::writeFile(const QString& name,
                                                        const QByteArray& content,
                                                        const QStringList& gameFiles) const {
    // A remembered file that is, or leads to, a game file would be destroyed by writing it.
    const QString path = pathOf(name);
    if (auto refusal = writeTarget::refusal(path, path, gameFiles))
        return refusal;
    return fileReplacer::replace(path, content);
}

Result<QByteArray> RememberedFolders::readFile(const QString& name) const {
    const QString path = pathOf(name);
    QFile file(path);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.read(largestReadBytes);
    if (file.error() != QFileDevice::NoError)
        return FileFailure{QStringLiteral("read"), caseInsensitivePath::absolute(path),
                           file.errorString()};
    return content;
}

std::optional<FileFailure> RememberedFolders::saveFolders(const QString& priorFolder,
                                                          const QString& currentFolder,
                                                          const QString& masterFolder,
                                                          const QStringList& gameFiles) const {
    for (const QString& folder : {priorFolder, currentFolder, masterFolder}) {
        if (!fitsAnEntry(folder))
            return FileFailure{QStringLiteral("remember"), folder,
                               QStringLiteral("A remembered folder cannot hold a double quote or a "
                                              "line break; the remembered folders were left as "
                                              "they were")};
    }
    const QStringList leagueFiles =
        writeTarget::gameFilesIn({priorFolder, currentFolder, masterFolder}) + gameFiles;
    auto seasonFailure = writeFile(seasonFileWriteName,
                                   entryLine(priorFolder) + entryLine(currentFolder), leagueFiles);
    auto masterFailure = writeFile(masterFileWriteName, entryLine(masterFolder), leagueFiles);
    return seasonFailure ? seasonFailure : masterFailure;
}

RestoredFolders RememberedFolders::restoreFolders() const {
    RestoredFolders restored;
    const auto restoreColumn = [this](const QByteArray& entry) -> std::optional<RestoredColumn> {
        const QString text = entryText(entry);
        const Result<userPath::Resolved> folder = userPath::resolve(text, wine_);
        if (!folder) {
            // A Windows folder that has gone from a drive that is there rests on the drive; an
            // entry that names nothing here (a drive no prefix has) is a drive that is not present.
            const std::optional<userPath::Resolved> drive = userPath::onDrive(text, wine_);
            if (!drive)
                return std::nullopt;
            return RestoredColumn{drive->driveRoot, {}, drive->prefixFolder};
        }
        // A folder left behind by another user may be there but closed to this one; like a folder
        // that is gone, it can't be shown.
        const QFileInfo info(folder->path);
        const bool enterable = info.isDir() && info.isExecutable();
        if (folder->driveRoot.isEmpty())
            return enterable ? std::optional(RestoredColumn{folder->path, folder->path, {}})
                             : std::nullopt;
        return RestoredColumn{folder->driveRoot, enterable ? folder->path : QString(),
                              folder->prefixFolder};
    };

    // Season folders. A file that can't be read or created restores nothing for its columns but
    // keeps nothing else from being restored.
    if (exists(pathOf(seasonFileReadName))) {
        if (const Result<QByteArray> content = readFile(seasonFileReadName)) {
            RememberedFieldReader reader(*content);
            if (const std::optional<QByteArray> priorEntry = reader.nextField()) {
                restored.prior = restoreColumn(*priorEntry);
                if (const std::optional<QByteArray> currentEntry = reader.nextField())
                    restored.current = restoreColumn(*currentEntry);
            }
        }
    } else {
        (void)writeFile(seasonFileReadName, {}, {});
    }

    // Master folder.
    if (exists(pathOf(masterFileReadName))) {
        if (const Result<QByteArray> content = readFile(masterFileReadName)) {
            RememberedFieldReader reader(*content);
            if (const std::optional<QByteArray> masterEntry = reader.nextField())
                restored.master = restoreColumn(*masterEntry);
        }
    } else {
        (void)writeFile(masterFileReadName, {}, {});
    }
    return restored;
}

} // namespace zorbin
