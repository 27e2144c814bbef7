// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/RememberedFolders.h"

#include "files/CaseInsensitivePath.h"
#include "files/Exists.h"
#include "files/FileReplacer.h"
#include "settings/RememberedFieldReader.h"

#include <QDir>
#include <QFile>

namespace zorbin {

namespace {
// Entries are folder paths; anything beyond this cannot be one, and a runaway file must not be
// loaded whole at start-up.
constexpr qint64 largestReadBytes = 1024 * 1024;
} // namespace

RememberedFolders::RememberedFolders(QString workingFolder)
    : workingFolder_(std::move(workingFolder)) {}

QByteArray RememberedFolders::entryLine(const QString& folder) {
    QByteArray line;
    line += '"';
    line += QFile::encodeName(folder);
    line += '/';
    line += "\"\r\n";
    return line;
}

QString RememberedFolders::pathOf(const QString& name) const {
    return caseInsensitivePath::resolve(QDir(workingFolder_).filePath(name));
}

std::optional<FileFailure> RememberedFolders::writeFile(const QString& name,
                                                        const QByteArray& content) const {
    return fileReplacer::replace(pathOf(name), content);
}

Result<QByteArray> RememberedFolders::readFile(const QString& name) const {
    const QString path = pathOf(name);
    QFile file(path);
    QByteArray content;
    if (file.open(QIODevice::ReadOnly))
        content = file.read(largestReadBytes);
    if (file.error() != QFileDevice::NoError)
        return FileFailure{QStringLiteral("read"), path, file.errorString()};
    return content;
}

std::optional<FileFailure> RememberedFolders::SaveFolders(const QString& priorFolder,
                                                          const QString& currentFolder,
                                                          const QString& masterFolder) const {
    auto seasonFailure =
        writeFile(seasonFileWriteName, entryLine(priorFolder) + entryLine(currentFolder));
    auto masterFailure = writeFile(masterFileWriteName, entryLine(masterFolder));
    return seasonFailure ? seasonFailure : masterFailure;
}

void RememberedFolders::RestoreFolders(FolderColumnSetter& columns) const {
    const auto restoreColumn = [&columns](PickerColumn column, const QByteArray& entry) {
        const QString folder = QFile::decodeName(entry);
        columns.setDrive(column, folder);
        columns.setFolder(column, folder);
    };

    // Season folders. Until the first entry is read, a failure ends the restore.
    if (Exists(pathOf(seasonFileReadName))) {
        const Result<QByteArray> content = readFile(seasonFileReadName);
        if (!content)
            return;
        RememberedFieldReader reader(*content);
        const std::optional<QByteArray> priorEntry = reader.nextField();
        if (!priorEntry)
            return;
        restoreColumn(PickerColumn::Prior, *priorEntry);
        if (const std::optional<QByteArray> currentEntry = reader.nextField())
            restoreColumn(PickerColumn::Current, *currentEntry);
    } else if (writeFile(seasonFileReadName, {})) {
        return;
    }

    // Master folder. Failures here end the restore whether or not they are being ignored, since
    // nothing follows.
    if (Exists(pathOf(masterFileReadName))) {
        const Result<QByteArray> content = readFile(masterFileReadName);
        if (!content)
            return;
        RememberedFieldReader reader(*content);
        if (const std::optional<QByteArray> masterEntry = reader.nextField())
            restoreColumn(PickerColumn::Master, *masterEntry);
    } else {
        (void)writeFile(masterFileReadName, {});
    }
}

} // namespace zorbin
