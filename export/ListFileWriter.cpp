// SPDX-FileCopyrightText: 2026 Zorbin developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "export/ListFileWriter.h"

#include "files/FileReplacer.h"
#include "files/GameFiles.h"

#include <cerrno>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace zorbin {

namespace {

QByteArray fileContent(const QList<QByteArray>& lines) {
    qsizetype size = 0;
    for (const QByteArray& line : lines)
        size += line.size() + 2;
    QByteArray content;
    content.reserve(size);
    for (const QByteArray& line : lines) {
        content += line;
        content += "\r\n";
    }
    return content;
}

FileFailure writeFailure(const QString& path, const QString& reason) {
    return FileFailure{QStringLiteral("write"), path, reason};
}

// Devices such as /dev/null or /dev/full are written in place: replacing them by renaming a
// temporary file over them would destroy the device node.
std::optional<FileFailure> writeInPlace(const QString& path, const QByteArray& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        file.write(content) != content.size())
        return writeFailure(path, file.errorString());
    file.close();
    if (file.error() != QFileDevice::NoError)
        return writeFailure(path, file.errorString());
    return std::nullopt;
}

} // namespace

std::optional<FileFailure> listFileWriter::write(const QString& path,
                                                 const QList<QByteArray>& lines) {
    if (path.isEmpty())
        return writeFailure(path, QStringLiteral("No file name was given"));
    // A list written over a season's data file would destroy the league; names match the way the
    // game's own files are found, without regard to letter case.
    if (gameFiles::isGameFileName(QFileInfo(path).fileName()))
        return writeFailure(path, QStringLiteral("This is a QEL data file; Zorbin never "
                                                 "changes the game's files"));
    const QByteArray content = fileContent(lines);

    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return writeFailure(path, qt_error_string(EISDIR));
        if (S_ISCHR(status.st_mode))
            return writeInPlace(path, content);
        if (!S_ISREG(status.st_mode))
            return writeFailure(path, QStringLiteral("Not a regular file"));
    }

    return fileReplacer::replace(path, content);
}

QString listFileWriter::confirmationText(const QString& fileName) {
    return QStringLiteral("file ") + fileName + QStringLiteral(" was written ");
}

} // namespace zorbin
