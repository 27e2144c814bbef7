// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/RememberedFolders.h"

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "files/FileReplacer.h"
#include "files/Windows1252.h"
#include "files/WindowsPath.h"
#include "files/WriteTarget.h"
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

RememberedFolders::RememberedFolders(QString workingFolder)
    : workingFolder_(std::move(workingFolder)) {}

QByteArray RememberedFolders::entryLine(const QString& entry) {
    QByteArray line;
    line += '"';
    if (windowsPath::isWindowsPath(entry)) {
        // The original program reads its own lines back: its code page and its separator. The
        // caller passes only what the code page can carry.
        line += windows1252::encode(entry).value_or(QByteArray());
        line += '\\';
    } else {
        line += QFile::encodeName(entry);
        line += '/';
    }
    line += "\"\r\n";
    return line;
}

QString RememberedFolders::entryText(const QByteArray& entry) {
    return windowsPath::isWindowsPath(QString::fromLatin1(entry.left(3)))
               ? windows1252::decode(entry)
               : QFile::decodeName(entry);
}

QStringList RememberedFolders::filesIn(const QString& workingFolder) {
    const RememberedFolders files(workingFolder);
    return {files.pathOf(seasonFileReadName), files.pathOf(masterFileReadName)};
}

QString RememberedFolders::pathOf(const QString& name) const {
    // Absolute at each access, so that every message names the file wherever it was started.
    return caseInsensitivePath::resolve(
        QDir::cleanPath(QDir(workingFolder_).absoluteFilePath(name)));
}

QString RememberedFolders::folder() const {
    return QDir(workingFolder_).absolutePath();
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

std::optional<QByteArray> RememberedFolders::readFile(const QString& name) const {
    const QString path = pathOf(name);
    if (!exists(path))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray content = file.read(largestReadBytes);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return content;
}

std::optional<FileFailure> RememberedFolders::saveFolders(const QString& prior,
                                                          const QString& current,
                                                          const QString& master,
                                                          const QStringList& gameFiles) const {
    for (const QString& entry : {prior, current, master}) {
        if (!fitsAnEntry(entry))
            return FileFailure{QStringLiteral("remember"), entry,
                               QStringLiteral("A remembered folder cannot hold a double quote or a "
                                              "line break; the remembered folders were left as "
                                              "they were")};
    }
    // A Windows path names no folder here, so it has no game files to guard but those given.
    QStringList folders;
    for (const QString& entry : {prior, current, master}) {
        if (!windowsPath::isWindowsPath(entry))
            folders.append(entry);
    }
    const QStringList leagueFiles = writeTarget::gameFilesIn(folders) + gameFiles;
    auto seasonFailure =
        writeFile(seasonFileWriteName, entryLine(prior) + entryLine(current), leagueFiles);
    auto masterFailure = writeFile(masterFileWriteName, entryLine(master), leagueFiles);
    return seasonFailure ? seasonFailure : masterFailure;
}

RememberedEntries RememberedFolders::readEntries() const {
    RememberedEntries entries;
    if (const std::optional<QByteArray> content = readFile(seasonFileReadName)) {
        RememberedFieldReader reader(*content);
        if (const std::optional<QByteArray> prior = reader.nextField()) {
            entries.prior = entryText(*prior);
            if (const std::optional<QByteArray> current = reader.nextField())
                entries.current = entryText(*current);
        }
    }
    if (const std::optional<QByteArray> content = readFile(masterFileReadName)) {
        RememberedFieldReader reader(*content);
        if (const std::optional<QByteArray> master = reader.nextField())
            entries.master = entryText(*master);
    }
    return entries;
}

void RememberedFolders::createMissingFiles() const {
    for (const QString& name : {seasonFileReadName, masterFileReadName}) {
        const QString path = pathOf(name);
        // An empty file is what creating it would leave: nothing to write at every start.
        const QFileInfo info(path);
        if (!exists(path) && !(info.isFile() && info.size() == 0))
            (void)writeFile(name, {}, {});
    }
}

} // namespace zorbin
